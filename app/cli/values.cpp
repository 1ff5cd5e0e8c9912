#include "app/cli/values.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "app/cli/cli_errors.h"
#include "settings/setting_rules.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::u16string_view Trimmed(std::u16string_view text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char16_t Lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return Lower(x) == Lower(y); });
}

std::string Quoted(std::u16string_view text) {
    // Appended rather than concatenated: g++ 12 at -O2 warns falsely on '"' + string&&.
    std::string quoted(1, '"');
    quoted += ToUtf8(text);
    quoted += '"';
    return quoted;
}

[[noreturn]] void Refuse(const Setting& setting, const std::string& why) {
    throw BadInput(std::string(setting.key) + ": " + why);
}

SettingValue ParseEntry(const Setting& setting, std::u16string_view written) {
    const std::u16string_view text = Trimmed(written);
    const auto& entries = setting.table->entries;
    if (const auto found = std::find_if(
            entries.begin(), entries.end(),
            [text](std::u16string_view entry) { return SameIgnoringCase(text, entry); });
        found != entries.end()) {
        return {&setting, std::u16string(*found)};
    }
    const bool digits =
        !text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (digits) {
        const std::size_t number = std::stoul(ToUtf8(text));
        if (number >= setting.table->first_value &&
            number < setting.table->first_value + entries.size()) {
            return {&setting, std::u16string(entries[number - setting.table->first_value])};
        }
    }
    std::string list;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        list += (i == 0 ? "" : ", ") + Quoted(entries[i]);
    }
    Refuse(setting, Quoted(written) + " is not one of its entries: " + list +
                        " (or their numbers " + std::to_string(setting.table->first_value) +
                        " to " + std::to_string(setting.table->first_value + entries.size() - 1) +
                        ")");
}

}  // namespace

const Setting& FindKey(std::string_view key) {
    if (const Setting* setting = FindSetting(key)) {
        return *setting;
    }
    const auto nearest = std::min_element(
        kSettings.begin(), kSettings.end(), [key](const Setting& a, const Setting& b) {
            return EditDistance(key, a.key) < EditDistance(key, b.key);
        });
    throw BadInput("unknown key \"" + std::string(key) + "\"; did you mean \"" +
                   std::string(nearest->key) + "\"?");
}

// Texts and numbers go through the window's rule for each typed character, then through
// its save checks.
SettingValue ParseValue(const Setting& setting, std::u16string_view written) {
    if (setting.kind == SettingKind::kList) {
        return ParseEntry(setting, written);
    }
    const std::u16string_view text =
        setting.kind == SettingKind::kNumber ? Trimmed(written) : written;
    // No field of the window takes a line break, though its typing rule lets them by.
    if (text.find_first_of(u"\r\n") != std::u16string_view::npos) {
        Refuse(setting, setting.messages.bad_character.empty()
                            ? std::string("a line break cannot be part of it")
                            : ToUtf8(setting.messages.bad_character));
    }
    for (std::size_t typed = 1; typed <= text.size(); ++typed) {
        if (const auto refusal = TypingRefusal(setting, text.substr(0, typed))) {
            Refuse(setting, ToUtf8(*refusal));
        }
    }
    SettingsRecord scratch;
    if (const auto refusal = SaveValue(scratch, setting, text)) {
        Refuse(setting, refusal->empty() ? "refused" : ToUtf8(*refusal));
    }
    return {&setting, FieldText(scratch, setting)};
}

void Apply(SettingsRecord& record, const SettingValue& value) {
    const Setting& setting = *value.setting;
    if (setting.kind != SettingKind::kList) {
        SaveValue(record, setting, value.text);  // checked already: it cannot refuse now
        return;
    }
    const auto& entries = setting.table->entries;
    const auto index = std::find(entries.begin(), entries.end(), value.text) - entries.begin();
    record.SetByte(setting.field, static_cast<std::uint8_t>(index + setting.table->first_value));
}

std::u16string ShownValue(const SettingsRecord& record, const Setting& setting) {
    if (setting.kind != SettingKind::kList) {
        return FieldText(record, setting);
    }
    const std::uint8_t byte = record.Byte(setting.field);
    const std::size_t index = static_cast<std::size_t>(byte) - setting.table->first_value;
    if (byte < setting.table->first_value || index >= setting.table->entries.size()) {
        return u"unknown (" + FromUtf8(std::to_string(byte)) + u")";
    }
    return std::u16string(setting.table->entries[index]);
}

}  // namespace vesko::cli
