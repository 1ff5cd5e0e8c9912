#include "app/cli/profile.h"

#include <set>

#include "app/cli/cli_errors.h"
#include "app/cli/list_entries.h"
#include "app/cli/safe_text.h"
#include "app/cli/text_file.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

using Json = nlohmann::ordered_json;

// Reads the document as it goes, so that a key given twice is seen and a number is quoted
// as it was written; the first refusal ends the reading.
class ProfileReader final : public nlohmann::json_sax<Json> {
public:
    Profile Done() {
        if (profile_.empty()) {
            throw BadInput("the profile sets nothing");
        }
        return std::move(profile_);
    }

    bool null() override { return Value(nullptr, "null"); }
    bool boolean(bool value) override { return Value(nullptr, value ? "true" : "false"); }
    bool number_integer(number_integer_t value) override {
        return value < 0 ? Value(nullptr, std::to_string(value)) : Number(std::to_string(value));
    }
    bool number_unsigned(number_unsigned_t value) override { return Number(std::to_string(value)); }
    bool number_float(number_float_t, const string_t& written) override {
        return Value(nullptr, written);
    }
    bool string(string_t& value) override { return Value(&value, Quoted(value)); }
    bool binary(binary_t&) override { return Value(nullptr, "binary data"); }
    bool start_object(std::size_t) override {
        if (depth_++ == 0) {
            return true;
        }
        return Value(nullptr, "an object");
    }
    bool key(string_t& key) override {
        setting_ = &FindKey(key);
        if (!seen_.insert(setting_).second) {
            throw BadInput(Quoted(key) + " is given twice");
        }
        return true;
    }
    bool end_object() override {
        --depth_;
        return true;
    }
    bool start_array(std::size_t) override { return Value(nullptr, "an array"); }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& error) override {
        // The library's own words carry the line and column; its error number helps nobody.
        const std::string what = error.what();
        throw BadInput("malformed JSON: " + Safe(what.substr(what.find(']') + 2)));
    }

private:
    bool Number(const std::string& digits) {
        if (depth_ == 1 && setting_->kind == SettingKind::kNumber) {
            profile_.push_back(ParseValue(*setting_, digits));
            return true;
        }
        return Value(nullptr, digits);
    }

    // A string where `text` is one, anything else refused as `written`.
    bool Value(const std::string* text, const std::string& written) {
        if (depth_ != 1) {
            throw BadInput("a profile is a JSON object of settings by key");
        }
        if (text && setting_->kind != SettingKind::kNumber) {
            profile_.push_back(ParseValue(*setting_, *text));
            return true;
        }
        const char* expected = setting_->kind == SettingKind::kText ? "a string"
                               : setting_->kind == SettingKind::kNumber
                                   ? "a whole number from 0 to 255"
                                   : "one of its entries, as a string";
        throw BadInput(std::string(setting_->key) + ": expected " + expected + ", not " + written);
    }

    int depth_ = 0;
    const Setting* setting_ = nullptr;
    std::set<const Setting*> seen_;
    Profile profile_;
};

}  // namespace

Profile ParseProfile(std::string_view json) {
    ProfileReader reader;
    Json::sax_parse(json.begin(), json.end(), &reader);
    return reader.Done();
}

Profile ReadProfile(const std::string& path, std::istream& standard_input) {
    const std::string text =
        ReadTextFile(path, standard_input, {"profile", "a JSON file", kMaxProfileBytes, "64 KiB"});
    try {
        return ParseProfile(text);
    } catch (const BadInput& error) {
        throw BadInput(Safe(path == "-" ? "standard input" : path) + ": " + error.what());
    }
}

Json SettingJson(const SettingsRecord& record, const Setting& setting) {
    if (setting.kind == SettingKind::kNumber) {
        return record.Byte(setting.field);
    }
    return ToUtf8(ShownValue(record, setting));
}

std::string ProfileJson(const SettingsRecord& record, std::span<const Setting* const> settings,
                        std::ostream& notes) {
    Json profile = Json::object();
    for (const Setting* setting : settings) {
        if (setting->kind == SettingKind::kList &&
            ShownValue(record, *setting).starts_with(kBytePrefix)) {
            notes << setting->key << " left out: its byte " << int{record.Byte(setting->field)}
                  << " is none of its entries\n";
            continue;
        }
        profile[std::string(setting->key)] = SettingJson(record, *setting);
    }
    return profile.dump(2) + "\n";
}

}  // namespace vesko::cli
