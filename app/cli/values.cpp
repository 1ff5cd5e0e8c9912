#include "app/cli/values.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "app/cli/card_facts.h"
#include "app/cli/cli_errors.h"
#include "app/cli/list_entries.h"
#include "app/cli/near_match.h"
#include "app/cli/safe_text.h"
#include "settings/setting_rules.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

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

[[noreturn]] void Refuse(const Setting& setting, const std::string& why) {
    throw BadInput(std::string(setting.key) + ": " + why);
}

std::string Entries(const Setting& setting) {
    std::string list;
    for (const std::u16string_view entry : setting.table->entries) {
        list += (list.empty() ? "" : ", ") + Quoted(ToUtf8(entry));
    }
    return list;
}

SettingValue ParseEntry(const Setting& setting, std::u16string_view text) {
    if (const auto byte = ListByte(*setting.table, text)) {
        return {&setting, ListEntry(*setting.table, *byte)};
    }
    Refuse(setting, (Trimmed(text).empty() ? std::string("no value given")
                                           : Quoted(ToUtf8(text)) + LookAlikeNote(ToUtf8(text)) +
                                                 " is not one of its entries") +
                        "; its entries are " + Entries(setting) +
                        " (or byte:N for the stored byte itself)");
}

}  // namespace

const Setting& FindKey(std::string_view written) {
    const std::string key = AsciiLookAlikes(written);
    if (const Setting* setting = FindSetting(key)) {
        return *setting;
    }
    if (FindFact(key)) {
        throw BadInput(Quoted(key) + " is read-only: the recorder and each save write it");
    }
    std::vector<std::string_view> keys;
    std::transform(kSettings.begin(), kSettings.end(), std::back_inserter(keys),
                   [](const Setting& setting) { return setting.key; });
    std::transform(kCardFacts.begin(), kCardFacts.end(), std::back_inserter(keys),
                   [](const CardFact& fact) { return fact.key; });
    std::vector<std::string_view> suggested;
    if (const auto nearest = NearMatch(key, keys)) {
        suggested.push_back(*nearest);
    } else if (key.size() >= 3) {  // a part of a key: "ssid", "firmware"
        std::copy_if(keys.begin(), keys.end(), std::back_inserter(suggested),
                     [&key](std::string_view candidate) {
                         return candidate.find(key) != std::string_view::npos;
                     });
    }
    std::string hint = "; vesko-cli keys lists them";
    if (!suggested.empty() && suggested.size() <= 3) {
        hint = "; did you mean ";
        for (std::size_t i = 0; i < suggested.size(); ++i) {
            hint += (i == 0                      ? ""
                     : i + 1 == suggested.size() ? " or "
                                                 : ", ") +
                    Quoted(suggested[i]);
        }
        hint += "?";
    }
    throw BadInput("unknown key " + Quoted(written) + LookAlikeNote(written) + hint);
}

// Texts and numbers go through the window's rule for each typed character, then through
// its save checks.
SettingValue ParseValue(const Setting& setting, std::string_view written) {
    const std::u16string typed = TypedText(written, setting.key);
    if (setting.kind == SettingKind::kList) {
        return ParseEntry(setting, typed);
    }
    const std::u16string_view text =
        setting.kind == SettingKind::kNumber ? Trimmed(typed) : std::u16string_view(typed);
    // An unset variable in a script must not become a speed limit of 0.
    if (setting.kind == SettingKind::kNumber && text.empty()) {
        Refuse(setting, "no value given; it takes a whole number from 0 to " +
                            std::to_string(setting.max_value));
    }
    // No field of the window takes a line break, though its typing rule lets them by.
    if (text.find_first_of(u"\r\n") != std::u16string_view::npos) {
        Refuse(setting, setting.messages.bad_character.empty()
                            ? std::string("a line break cannot be part of it")
                            : ToUtf8(setting.messages.bad_character));
    }
    for (std::size_t typed_count = 1; typed_count <= text.size(); ++typed_count) {
        if (const auto refusal = TypingRefusal(setting, text.substr(0, typed_count))) {
            Refuse(setting, ToUtf8(*refusal));
        }
    }
    SettingsRecord scratch;
    if (const auto refusal = SaveValue(scratch, setting, text)) {
        Refuse(setting, refusal->empty() ? "refused" : ToUtf8(*refusal));
    }
    return {&setting, FieldText(scratch, setting)};
}

const SettingValue* KeysAsked::Find(const Setting& setting) const {
    const auto it = std::find_if(values_.begin(), values_.end(), [&setting](const SettingValue& v) {
        return v.setting == &setting;
    });
    return it == values_.end() ? nullptr : &*it;
}

std::optional<std::u16string> KeysAsked::Text(const Setting& setting) const {
    const SettingValue* value = Find(setting);
    return value ? std::optional(value->text) : std::nullopt;
}

std::optional<std::uint8_t> KeysAsked::Byte(const Setting& setting) const {
    const SettingValue* value = Find(setting);
    return value ? ListByte(*setting.table, value->text) : std::nullopt;
}

std::u16string StoredValue(const SettingsRecord& record, const Setting& setting) {
    return setting.kind == SettingKind::kList
               ? ListEntry(*setting.table, record.Byte(setting.field))
               : FieldText(record, setting);
}

std::u16string ShownValue(const SettingsRecord& record, const Setting& setting) {
    return setting.kind == SettingKind::kList ? StoredValue(record, setting)
                                              : TextAsTyped(setting, FieldText(record, setting));
}

}  // namespace vesko::cli
