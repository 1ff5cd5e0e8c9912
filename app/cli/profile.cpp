#include "app/cli/profile.h"

#include <cerrno>
#include <fstream>
#include <set>
#include <system_error>

#include "app/cli/cli_errors.h"
#include "app/cli/list_entries.h"
#include "app/cli/safe_text.h"
#include "settings/folder_path.h"
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

std::string ReadAtMostLimit(std::istream& in, const std::string& name) {
    std::string text(kMaxProfileBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        throw BadInput("cannot read the profile " + Safe(name));
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxProfileBytes) {
        throw BadInput("the profile " + Safe(name) + " is larger than 64 KiB");
    }
    return text;
}

// A profile is a file someone wrote; anything else could block for ever or is a mix-up.
std::string ReadProfileText(const std::string& path, std::istream& standard_input) {
    if (path == "-") {
        return ReadAtMostLimit(standard_input, "on standard input");
    }
    const std::filesystem::path file = PathFromUtf8(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    const std::string name = Safe(path);
    if (status.type() == std::filesystem::file_type::not_found) {
        throw BadInput(name + " does not exist");
    }
    if (std::filesystem::is_directory(status)) {
        throw BadInput(name + " is a folder, not a profile (a JSON file, or - for standard input)");
    }
    if (!error && !std::filesystem::is_regular_file(status)) {
        throw BadInput(name +
                       " is not a regular file; a profile is a JSON file, or - for "
                       "standard input");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        const int reason = errno;
        throw BadInput("cannot read the profile " + name + ": " +
                       std::generic_category().message(reason ? reason : EIO));
    }
    return ReadAtMostLimit(in, name);
}

}  // namespace

Profile ParseProfile(std::string_view json) {
    ProfileReader reader;
    Json::sax_parse(json.begin(), json.end(), &reader);
    return reader.Done();
}

Profile ReadProfile(const std::string& path, std::istream& standard_input) {
    const std::string text = ReadProfileText(path, standard_input);
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
