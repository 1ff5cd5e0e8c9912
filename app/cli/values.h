// Setting values as people write them: by the schema's key, as the entry the window
// shows (case and surrounding blanks ignored) or a list's byte number, a speed limit's
// number, a text. Every value passes the window's own checks before it goes anywhere.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings_record.h"
#include "settings/settings_schema.h"

namespace vesko::cli {

// A value that passed every check: a list's entry as the window shows it, a number's
// digits, a text.
struct SettingValue {
    const Setting* setting;
    std::u16string text;
};

// Throws BadInput naming the nearest key.
const Setting& FindKey(std::string_view key);

// Throws BadInput with the window's message where it has one, or the list's entries.
SettingValue ParseValue(const Setting& setting, std::u16string_view written);

void Apply(SettingsRecord& record, const SettingValue& value);

// What the window shows for the setting; a list byte outside its table is "unknown (N)".
std::u16string ShownValue(const SettingsRecord& record, const Setting& setting);

}  // namespace vesko::cli
