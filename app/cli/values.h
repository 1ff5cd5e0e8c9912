// Setting values as people write them: by the schema's key; a list's entry in any of the
// forms list_entries.h takes, a speed limit's number, a text. Every value passes the
// window's own checks before it goes anywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/save_record.h"
#include "settings/settings_record.h"
#include "settings/settings_schema.h"

namespace vesko::cli {

// A value that passed every check: a list's entry as the window shows it (or "byte:N"), a
// number's digits, a text.
struct SettingValue {
    const Setting* setting;
    std::u16string text;
};

// Throws BadInput: an unknown key (with the key meant, where one is near), or one of the
// read-only keys show prints.
const Setting& FindKey(std::string_view written);

// `written` as UTF-8. Throws BadInput with the window's message where it has one, or the
// list's entries; an empty number or list is refused (an empty text is the window's to judge).
SettingValue ParseValue(const Setting& setting, std::string_view written);

// The values a command gives, as what its save is asked to store.
class KeysAsked final : public SaveRequest {
public:
    void Add(const SettingValue& value) { values_.push_back(value); }
    std::optional<std::u16string> Text(const Setting& setting) const override;
    std::optional<std::uint8_t> Byte(const Setting& setting) const override;

private:
    const SettingValue* Find(const Setting& setting) const;
    std::vector<SettingValue> values_;
};

// What the window shows for the setting, and so what a save keeps: a text after the typing
// rule; a list byte outside its table is "byte:N".
std::u16string ShownValue(const SettingsRecord& record, const Setting& setting);
// The same, but a text as the card stores it.
std::u16string StoredValue(const SettingsRecord& record, const Setting& setting);

}  // namespace vesko::cli
