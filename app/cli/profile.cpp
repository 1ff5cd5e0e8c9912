#include "app/cli/profile.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>

#include "app/cli/card.h"
#include "app/cli/cli_errors.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

using Json = nlohmann::ordered_json;

// Lists take their entry or its number; a speed limit its number; a text a string.
SettingValue ValueFromJson(const Setting& setting, const Json& value) {
    const bool is_number =
        value.is_number_unsigned() || (value.is_number_integer() && value.get<long long>() >= 0);
    if (value.is_string() && setting.kind != SettingKind::kNumber) {
        return ParseValue(setting, FromUtf8(value.get<std::string>()));
    }
    if (is_number && setting.kind != SettingKind::kText) {
        return ParseValue(setting, FromUtf8(std::to_string(value.get<unsigned long long>())));
    }
    const char* expected = setting.kind == SettingKind::kText     ? "a string"
                           : setting.kind == SettingKind::kNumber ? "a whole number"
                                                                  : "an entry or its number";
    throw BadInput(std::string(setting.key) + ": expected " + expected + ", not " + value.dump());
}

}  // namespace

Profile ParseProfile(std::string_view json) {
    Json document;
    try {
        document = Json::parse(json.begin(), json.end());
    } catch (const Json::exception& error) {
        // A syntax error or a number too large for any setting. The library's own words carry
        // the line and column or the number; its error number helps nobody.
        const std::string what = error.what();
        throw BadInput("malformed JSON: " + what.substr(what.find(']') + 2));
    }
    if (!document.is_object()) {
        throw BadInput("a profile is a JSON object of settings by key");
    }
    Profile profile;
    for (const auto& [key, value] : document.items()) {
        profile.push_back(ValueFromJson(FindKey(key), value));
    }
    return profile;
}

Profile ReadProfile(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) {
        throw BadInput("cannot read the profile " + path);
    }
    std::string text;
    text.resize(kMaxProfileBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxProfileBytes) {
        throw BadInput("the profile " + path + " is larger than 64 KiB");
    }
    try {
        return ParseProfile(text);
    } catch (const BadInput& error) {
        throw BadInput(path + ": " + error.what());
    }
}

std::string ProfileJson(const SettingsRecord& record, std::ostream& notes) {
    Json profile = Json::object();
    for (const Setting& setting : kSettings) {
        const std::u16string shown = ShownValue(record, setting);
        if (setting.kind == SettingKind::kList && shown.starts_with(u"unknown (")) {
            notes << setting.key << " left out: its byte " << int{record.Byte(setting.field)}
                  << " is none of its entries\n";
            continue;
        }
        if (setting.kind == SettingKind::kNumber) {
            profile[std::string(setting.key)] = record.Byte(setting.field);
        } else {
            profile[std::string(setting.key)] = ToUtf8(shown);
        }
    }
    return profile.dump(2) + "\n";
}

}  // namespace vesko::cli
