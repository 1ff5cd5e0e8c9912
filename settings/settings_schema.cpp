#include "settings/settings_schema.h"

#include <algorithm>
#include <array>

#include "settings/translation.h"

namespace vesko {

namespace {

constexpr Setting List(std::string_view key, std::u16string_view label, Field field,
                       const ValueTable& table, std::u16string_view name = {}) {
    return {.key = key,
            .label = label,
            .name = name,
            .field = field,
            .kind = SettingKind::kList,
            .table = &table};
}

constexpr SettingMessages kWifiTyping = {
    .too_long = u"Length greater than 20.",
    .bad_character = u"Please enter 0-9, a-z, A-Z.",
};

constexpr std::array kSettingRows = {
    List("video-resolution", u"Video Resolution", fields::kVideoResolution, tables::kResolution),
    List("recording-time", u"Recording Time Per File", fields::kRecordingTime,
         tables::kRecordingTime),
    List("recording-mode", u"Recording Mode", fields::kRecordingMode, tables::kRecordingMode),
    List("parking-mode", u"Parking Surveillance Mode", fields::kParkingMode, tables::kParkingMode),
    List("g-sensor-x", u"G-Sensor Level X", fields::kGSensorX, tables::kGSensor),
    List("g-sensor-y", u"G-Sensor Level Y", fields::kGSensorY, tables::kGSensor),
    List("g-sensor-z", u"G-Sensor Level Z", fields::kGSensorZ, tables::kGSensor),
    List("audio", u"Audio", fields::kAudio, tables::kOnOff),
    List("time-zone", u"Time Zone", fields::kTimeZone, tables::kTimeZone),
    List("date-stamp", u"Date Stamp", fields::kDateStamp, tables::kSwitch),
    List("vehicle-number-stamp", u"Vehicle Number Stamp", fields::kVehicleNumberStamp,
         tables::kSwitch),
    List("speed-stamp", u"Speed Stamp", fields::kSpeedStamp, tables::kSwitch),
    List("dst", u"DST", fields::kDst, tables::kOnOff),
    List("dst-mode", u"DST Mode", fields::kDstMode, tables::kDstMode),
    List("dst-start-week", u"DST Start", fields::kDstStartWeek, tables::kWeek, u"DST Start week"),
    List("dst-start-month", u"DST Start", fields::kDstStartMonth, tables::kMonth,
         u"DST Start month"),
    List("dst-stop-week", u"DST Stop", fields::kDstStopWeek, tables::kWeek, u"DST Stop week"),
    List("dst-stop-month", u"DST Stop", fields::kDstStopMonth, tables::kMonth, u"DST Stop month"),
    List("speed-limit-event", u"Speed Limit Event", fields::kSpeedLimitEvent, tables::kSwitch),
    Setting{.key = "vehicle-number",
            .label = u"Vehicle Number",
            .field = fields::kVehicleNumber,
            .kind = SettingKind::kText,
            .max_typed = fields::kVehicleNumber.size,
            .messages = {.too_long = u"Length greater than 15.",
                         .bad_character = u"Please enter 0-9,'_',a-z,A-Z."}},
    Setting{.key = "wifi-password",
            .label = u"Wi-Fi Password",
            .field = fields::kWifiPassword,
            .kind = SettingKind::kText,
            .max_typed = fields::kWifiPassword.size,
            .min_length = 8,
            .max_saved = fields::kWifiPassword.size,
            .messages = {.too_long = kWifiTyping.too_long,
                         .bad_character = kWifiTyping.bad_character,
                         .too_short = u"Length less than 8."}},
    Setting{.key = "wifi-ssid",
            .label = u"Wi-Fi SSID",
            .field = fields::kWifiSsid,
            .kind = SettingKind::kText,
            .max_typed = fields::kWifiSsid.size,
            .min_length = 1,
            .max_saved = fields::kWifiSsid.size,
            .messages = {.too_long = kWifiTyping.too_long,
                         .bad_character = kWifiTyping.bad_character,
                         .too_short = u"Please Enter WiFi SSID.",
                         .saved_too_long = u"Length more than 20."}},
    // Miles per hour; the window shows the unit beside the field.
    Setting{.key = "speed-limit",
            .label = u"Speed Limit",
            .field = fields::kSpeedLimit,
            .kind = SettingKind::kNumber,
            .max_typed = 3,
            .max_value = 255,
            .messages = {.bad_character = u"Please enter 0-9.",
                         .over_maximum = u"speed limit more than 255 MPH."}},
};

constexpr std::array kRecorderFieldRows = {
    RecorderField{"format-request", fields::kFormatSdCard},
    RecorderField{"firmware-version", fields::kFirmwareVersion},
    RecorderField{"reserved", fields::kReserved1},
    RecorderField{"save-time", {fields::kSaveYear.offset, 12}},
    RecorderField{"reserved-end", fields::kReserved2},
};

}  // namespace

constinit const std::span<const Setting> kSettings = kSettingRows;
constinit const std::span<const RecorderField> kRecorderFields = kRecorderFieldRows;

const Setting* FindSetting(std::string_view key) {
    const auto it = std::find_if(kSettings.begin(), kSettings.end(),
                                 [key](const Setting& s) { return s.key == key; });
    return it == kSettings.end() ? nullptr : &*it;
}

std::u16string_view EnglishName(const Setting& setting) {
    return setting.name.empty() ? setting.label : setting.name;
}

std::u16string DisplayName(const Setting& setting) {
    return TrIn(kSettingNameContext, EnglishName(setting));
}

}  // namespace vesko
