// What the window does with the settings, as plain functions over the record: the checks,
// the time stamp, the factory settings, the Wi-Fi lock and which settings the switches
// make irrelevant. Any front end that writes a card goes through these.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/clock.h"
#include "settings/settings_record.h"
#include "settings/settings_schema.h"

namespace vesko {

// The rule the window applies to each change of a text or number as it is typed: the
// message when the text's last character must be taken back, or nothing.
std::optional<std::u16string_view> TypingRefusal(const Setting& setting, std::u16string_view text);

// Saves a text or number as the window's save does: nothing when it was stored, else the
// message that refuses it (empty for the one refusal that says nothing). A text's field is
// cleared first, so a refused text leaves it empty.
std::optional<std::u16string_view> SaveValue(SettingsRecord& record, const Setting& setting,
                                             std::u16string_view text);

// What the window shows in a text or number field for the record.
std::u16string FieldText(const SettingsRecord& record, const Setting& setting);

// Asks the recorder to format its card at the next start, or not.
void RequestFormat(SettingsRecord& record, bool format);

// Stamps the local time of the save into the record and returns it.
LocalTime StampTime(SettingsRecord& record, const Clock& clock);

// The time the last save stamped into the record.
LocalTime SavedTime(const SettingsRecord& record);

// Every user setting back at its factory value; the recorder's own bytes, the format
// request and the time stay as they are.
void RestoreDefaults(SettingsRecord& record);

// Recorder models whose firmware version starts "DV301" or "DV302" have no Wi-Fi.
bool HasWifiLock(const SettingsRecord& record);
bool IsWifiSetting(const Setting& setting);

// The settings the daylight-saving and speed-limit switches decide about, each with whether
// it matters for the record as it stands.
struct Relevance {
    const Setting* setting;
    bool relevant;
};
std::vector<Relevance> DependentSettings(const SettingsRecord& record);

}  // namespace vesko
