#include "app/cli/card_facts.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "settings/setting_rules.h"
#include "settings/text_conversion.h"
#include "settings/time_text.h"

namespace vesko::cli {

namespace {

std::string Firmware(const SettingsRecord& record) {
    return ToUtf8(FirmwareVersionText(record.View(fields::kFirmwareVersion)));
}

std::string LastSaved(const SettingsRecord& record) {
    const LocalTime saved = SavedTime(record);
    return saved.year == 0 ? "never" : ToUtf8(DateText(saved)) + " " + ToUtf8(TimeText(saved));
}

// ISO 8601, in the PC's local time of the save: the record keeps no offset.
nlohmann::ordered_json LastSavedJson(const SettingsRecord& record) {
    const LocalTime t = SavedTime(record);
    if (t.year == 0) {
        return nullptr;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

bool FormatRequested(const SettingsRecord& record) {
    return record.Byte(fields::kFormatSdCard) != 0;
}

constexpr std::array kFacts = {
    CardFact{"firmware-version", "Firmware Version", "the recorder's firmware, as it wrote it",
             Firmware, [](const SettingsRecord& r) { return nlohmann::ordered_json(Firmware(r)); }},
    CardFact{"last-saved", "Last Saved",
             "the PC's local time of the last save: ISO 8601, null for never", LastSaved,
             LastSavedJson},
    CardFact{"format-requested", "Format Requested",
             "whether the recorder formats the card when it next reads it; format and format "
             "--cancel set it",
             [](const SettingsRecord& r) { return std::string(FormatRequested(r) ? "yes" : "no"); },
             [](const SettingsRecord& r) { return nlohmann::ordered_json(FormatRequested(r)); }},
};

}  // namespace

constinit const std::span<const CardFact> kCardFacts = kFacts;

const CardFact* FindFact(std::string_view key) {
    const auto it = std::find_if(kCardFacts.begin(), kCardFacts.end(),
                                 [key](const CardFact& fact) { return fact.key == key; });
    return it == kCardFacts.end() ? nullptr : &*it;
}

}  // namespace vesko::cli
