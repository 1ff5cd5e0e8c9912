#include "settings/setting_rules.h"

#include "settings/defaults.h"
#include "settings/save_checks.h"

namespace vesko {

namespace {

constexpr std::uint8_t kDstOff = 1;       // entry "OFF" of the daylight-saving list
constexpr std::uint8_t kDstModeAuto = 0;  // entry "Auto"
constexpr std::uint8_t kSwitchOff = 0;    // entry "OFF" of the switch lists

bool IsAcceptedCharacter(char16_t c) {
    return (c >= 0x20 && c <= 0x7E) || c == u'\r' || c == u'\n';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::u16string Decimal(unsigned value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

std::uint8_t Byte(const SettingsRecord& record, std::string_view key) {
    return record.Byte(FindSetting(key)->field);
}

}  // namespace

// Only the length and the last character are examined: the check runs on every keystroke.
std::optional<std::u16string_view> TypingRefusal(const Setting& setting, std::u16string_view text) {
    if (text.empty() || setting.kind == SettingKind::kList) {
        return std::nullopt;
    }
    if (setting.kind == SettingKind::kNumber) {
        if (text.size() > setting.max_typed || IsDigit(text.back())) {
            return std::nullopt;
        }
        return setting.messages.bad_character;
    }
    if (text.size() > setting.max_typed) {
        return setting.messages.too_long;
    }
    if (!IsAcceptedCharacter(text.back())) {
        return setting.messages.bad_character;
    }
    return std::nullopt;
}

std::optional<std::u16string_view> SaveValue(SettingsRecord& record, const Setting& setting,
                                             std::u16string_view text) {
    if (setting.kind == SettingKind::kNumber) {
        const SpeedLimitVerdict number = ParseNumber(text, setting.max_value);
        if (number.kind == SpeedLimitVerdict::Kind::kNotDigits) {
            return setting.messages.bad_character;
        }
        if (number.kind == SpeedLimitVerdict::Kind::kOver255) {
            return setting.messages.over_maximum;
        }
        record.SetByte(setting.field, number.value);
        return std::nullopt;
    }
    record.Clear(setting.field);
    if (text.size() < setting.min_length) {
        return setting.messages.too_short;
    }
    if (setting.max_saved > 0 && text.size() > setting.max_saved) {
        return setting.messages.saved_too_long;
    }
    // A character above U+00FF would reach the recorder as some other character.
    if (!FitsInBytes(text)) {
        return setting.messages.bad_character;
    }
    record.SetText(setting.field, text);
    return std::nullopt;
}

std::u16string FieldText(const SettingsRecord& record, const Setting& setting) {
    return setting.kind == SettingKind::kNumber ? Decimal(record.Byte(setting.field))
                                                : record.Text(setting.field);
}

void RequestFormat(SettingsRecord& record, bool format) {
    record.SetByte(fields::kFormatSdCard, format ? 1 : 0);
}

LocalTime StampTime(SettingsRecord& record, const Clock& clock) {
    const LocalTime now = clock.Now();
    record.SetWord(fields::kSaveYear, static_cast<std::uint16_t>(now.year));
    record.SetWord(fields::kSaveMonth, static_cast<std::uint16_t>(now.month));
    record.SetWord(fields::kSaveDay, static_cast<std::uint16_t>(now.day));
    record.SetWord(fields::kSaveHour, static_cast<std::uint16_t>(now.hour));
    record.SetWord(fields::kSaveMinute, static_cast<std::uint16_t>(now.minute));
    record.SetWord(fields::kSaveSecond, static_cast<std::uint16_t>(now.second));
    return now;
}

LocalTime SavedTime(const SettingsRecord& record) {
    return {record.Word(fields::kSaveYear),   record.Word(fields::kSaveMonth),
            record.Word(fields::kSaveDay),    record.Word(fields::kSaveHour),
            record.Word(fields::kSaveMinute), record.Word(fields::kSaveSecond)};
}

void RestoreDefaults(SettingsRecord& record) {
    for (const Setting& setting : kSettings) {
        const auto from = FactoryDefaults().View(setting.field);
        std::copy(from.begin(), from.end(),
                  record.bytes().begin() + static_cast<std::ptrdiff_t>(setting.field.offset));
    }
}

bool HasWifiLock(const SettingsRecord& record) {
    const auto version = record.View(fields::kFirmwareVersion);
    return version[0] == 'D' && version[1] == 'V' && version[2] == '3' && version[3] == '0' &&
           (version[4] == '1' || version[4] == '2');
}

bool IsWifiSetting(const Setting& setting) {
    return setting.key == "wifi-ssid" || setting.key == "wifi-password";
}

// The mode matters while daylight saving is on; the start and stop dates only when it is
// also set by hand; the speed limit only while its event is on.
std::vector<Relevance> DependentSettings(const SettingsRecord& record) {
    const bool dst_on = Byte(record, "dst") != kDstOff;
    const bool manual = dst_on && Byte(record, "dst-mode") != kDstModeAuto;
    const bool speed_event = Byte(record, "speed-limit-event") != kSwitchOff;
    return {
        {FindSetting("dst-mode"), dst_on},        {FindSetting("dst-start-week"), manual},
        {FindSetting("dst-start-month"), manual}, {FindSetting("dst-stop-week"), manual},
        {FindSetting("dst-stop-month"), manual},  {FindSetting("speed-limit"), speed_event},
    };
}

}  // namespace vesko
