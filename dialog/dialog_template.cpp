#include "dialog/dialog_template.h"

#include <algorithm>
#include <array>

#include "dialog/control_ids.h"

namespace vesko {

namespace {

using namespace std::string_view_literals;

// Each identifier together with its own name.
#define ID(identifier) identifier, #identifier

constexpr std::uint32_t kComboStyles = kStaticEdge | kVScroll | kTabStop;
constexpr std::uint32_t kEditStyles = kBorder | kStaticEdge | kAutoHScroll | kTabStop;

constexpr ControlTemplate Button(int id, std::string_view name, DialogRect rect,
                                 std::u16string_view caption, std::uint32_t extra = 0) {
    return {id, name, ControlKind::kPushButton, kTabStop | extra, rect, caption};
}

constexpr ControlTemplate DropDown(int id, std::string_view name, DialogRect rect,
                                   std::uint32_t extra = 0) {
    return {id, name, ControlKind::kDropDownList, kComboStyles | extra, rect, u""};
}

constexpr ControlTemplate Edit(int id, std::string_view name, DialogRect rect,
                               std::uint32_t extra = 0) {
    return {id, name, ControlKind::kEdit, kEditStyles | extra, rect, u""};
}

// A label naming a setting: right-aligned, sunken, ending in one space.
constexpr ControlTemplate SettingLabel(int id, std::string_view name, DialogRect rect,
                                       std::u16string_view caption) {
    return {id, name, ControlKind::kLabel, kRightAligned | kSunken, rect, caption};
}

constexpr ControlTemplate SettingLabel(DialogRect rect, std::u16string_view caption) {
    return SettingLabel(IDC_STATIC, "", rect, caption);
}

constexpr ControlTemplate Label(int id, std::string_view name, DialogRect rect,
                                std::u16string_view caption) {
    return {id, name, ControlKind::kLabel, 0, rect, caption};
}

constexpr std::array kSettingsControls = {
    Button(ID(IDOK), {160, 330, 65, 14}, u"OK (Save)", kDefaultButton),
    Button(ID(IDCANCEL), {53, 330, 65, 14}, u"EXIT (No Save)"),
    DropDown(ID(IDC_VIDEO_RESOLUTION), {92, 7, 92, 30}, kClientEdge),
    DropDown(ID(IDC_RECORDING_TIME), {92, 19, 92, 13}, kClientEdge),
    DropDown(ID(IDC_RECORDING_MODE), {92, 31, 92, 30}),
    DropDown(ID(IDC_PARKING_MODE), {92, 43, 92, 30}),
    DropDown(ID(IDC_GSENSOR_X), {92, 55, 92, 30}),
    DropDown(ID(IDC_GSENSOR_Y), {92, 67, 92, 30}),
    DropDown(ID(IDC_GSENSOR_Z), {92, 79, 92, 30}),
    DropDown(ID(IDC_AUDIO), {92, 91, 92, 30}),
    DropDown(ID(IDC_TIME_ZONE), {92, 103, 92, 30}),
    Edit(ID(IDC_VEHICLE_NUMBER), {92, 211, 91, 12}),
    SettingLabel({7, 7, 85, 12}, u"Video Resolution "),
    SettingLabel({7, 19, 85, 12}, u"Recording Time Per File "),
    SettingLabel({7, 31, 85, 12}, u"Recording Mode "),
    SettingLabel({7, 43, 85, 12}, u"Parking Surveillance Mode "),
    SettingLabel({7, 55, 85, 12}, u"G-Sensor Level X "),
    SettingLabel({7, 67, 85, 12}, u"G-Sensor Level Y "),
    SettingLabel({7, 79, 85, 12}, u"G-Sensor Level Z "),
    SettingLabel({7, 91, 85, 12}, u"Audio "),
    SettingLabel({7, 103, 85, 12}, u"Time Zone "),
    SettingLabel({7, 211, 85, 12}, u"Vehicle Number "),
    DropDown(ID(IDC_DATE_STAMP), {92, 163, 92, 30}),
    DropDown(ID(IDC_VEHICLE_NUMBER_STAMP), {92, 175, 92, 30}),
    DropDown(ID(IDC_SPEED_STAMP), {92, 187, 92, 30}),
    SettingLabel({7, 163, 85, 12}, u"Date Stamp "),
    SettingLabel({7, 175, 85, 12}, u"Vehicle Number Stamp "),
    SettingLabel({7, 187, 85, 12}, u"Speed Stamp "),
    SettingLabel(ID(IDC_WIFI_PASSWORD_LABEL), {7, 235, 85, 12}, u"Wi-Fi Password "),
    Edit(ID(IDC_WIFI_PASSWORD), {92, 235, 91, 12}),
    Label(IDC_STATIC, "", {186, 213, 61, 12}, u""),
    SettingLabel({7, 115, 85, 12}, u"DST "),
    DropDown(ID(IDC_DST), {92, 115, 92, 30}),
    SettingLabel(ID(IDC_DST_MODE_LABEL), {7, 127, 85, 12}, u"DST Mode "),
    DropDown(ID(IDC_DST_MODE), {92, 127, 92, 30}),
    SettingLabel(ID(IDC_DST_START_LABEL), {7, 139, 85, 12}, u"DST Start "),
    DropDown(ID(IDC_DST_START_WEEK), {92, 138, 29, 13}),
    Label(ID(IDC_DST_START_SUNDAY), {123, 141, 31, 11}, u"Sunday in"),
    DropDown(ID(IDC_DST_START_MONTH), {155, 139, 29, 15}),
    SettingLabel(ID(IDC_DST_STOP_LABEL), {7, 151, 85, 12}, u"DST Stop "),
    DropDown(ID(IDC_DST_STOP_WEEK), {92, 150, 29, 14}),
    Label(ID(IDC_DST_STOP_SUNDAY), {123, 153, 30, 8}, u"Sunday in"),
    DropDown(ID(IDC_DST_STOP_MONTH), {155, 151, 29, 15}),
    SettingLabel(ID(IDC_WIFI_SSID_LABEL), {7, 223, 85, 12}, u"Wi-Fi SSID "),
    Edit(ID(IDC_WIFI_SSID), {92, 223, 91, 12}),
    Label(ID(IDC_WIFI_SSID_DEFAULT), {186, 225, 61, 12}, u"default:QEM-T"),
    Label(ID(IDC_WIFI_PASSWORD_DEFAULT), {186, 237, 61, 12}, u"default:58031946"),
    DropDown(ID(IDC_SPEED_LIMIT_EVENT), {92, 199, 45, 30}),
    SettingLabel({7, 199, 85, 12}, u"Speed Limit Event "),
    Edit(ID(IDC_SPEED_LIMIT), {138, 199, 45, 12}, kCentered),
    Label(ID(IDC_SPEED_LIMIT_UNIT), {186, 201, 61, 12}, u"MPH (0-255)"),
    SettingLabel({8, 247, 85, 12}, u"Date Setting "),
    SettingLabel({8, 259, 85, 12}, u"Time Setting "),
    Edit(ID(IDC_DATE), {92, 247, 91, 12}, kReadOnly | kCentered),
    Edit(ID(IDC_TIME), {92, 258, 91, 12}, kReadOnly | kCentered),
    Button(ID(IDC_GET_PC_TIME), {185, 247, 54, 23}, u"Get PC Time"),
    Button(ID(IDC_FORMAT_SD), {92, 283, 92, 20}, u"Format SD Card"),
    SettingLabel({8, 271, 85, 12}, u"Firmware Version "),
    Edit(ID(IDC_FIRMWARE_VERSION), {92, 271, 91, 12}, kReadOnly | kCentered),
    Button(ID(IDC_DEFAULT_SET), {92, 303, 92, 20}, u"Default Set"),
};

#undef ID

constexpr std::array kComboBindingRows = {
    ComboBinding{IDC_VIDEO_RESOLUTION, fields::kVideoResolution, &tables::kResolution},
    ComboBinding{IDC_RECORDING_TIME, fields::kRecordingTime, &tables::kRecordingTime},
    ComboBinding{IDC_RECORDING_MODE, fields::kRecordingMode, &tables::kRecordingMode},
    ComboBinding{IDC_PARKING_MODE, fields::kParkingMode, &tables::kParkingMode},
    ComboBinding{IDC_GSENSOR_X, fields::kGSensorX, &tables::kGSensor},
    ComboBinding{IDC_GSENSOR_Y, fields::kGSensorY, &tables::kGSensor},
    ComboBinding{IDC_GSENSOR_Z, fields::kGSensorZ, &tables::kGSensor},
    ComboBinding{IDC_AUDIO, fields::kAudio, &tables::kOnOff},
    ComboBinding{IDC_TIME_ZONE, fields::kTimeZone, &tables::kTimeZone},
    ComboBinding{IDC_DATE_STAMP, fields::kDateStamp, &tables::kSwitch},
    ComboBinding{IDC_VEHICLE_NUMBER_STAMP, fields::kVehicleNumberStamp, &tables::kSwitch},
    ComboBinding{IDC_SPEED_STAMP, fields::kSpeedStamp, &tables::kSwitch},
    ComboBinding{IDC_DST, fields::kDst, &tables::kOnOff},
    ComboBinding{IDC_DST_MODE, fields::kDstMode, &tables::kDstMode},
    ComboBinding{IDC_DST_START_WEEK, fields::kDstStartWeek, &tables::kWeek},
    ComboBinding{IDC_DST_START_MONTH, fields::kDstStartMonth, &tables::kMonth},
    ComboBinding{IDC_DST_STOP_WEEK, fields::kDstStopWeek, &tables::kWeek},
    ComboBinding{IDC_DST_STOP_MONTH, fields::kDstStopMonth, &tables::kMonth},
    ComboBinding{IDC_SPEED_LIMIT_EVENT, fields::kSpeedLimitEvent, &tables::kSwitch},
};

constexpr std::array kEditLimitRows = {
    EditLimit{IDC_VEHICLE_NUMBER, 15},
    EditLimit{IDC_WIFI_PASSWORD, 20},
    EditLimit{IDC_WIFI_SSID, 20},
    EditLimit{IDC_SPEED_LIMIT, 3},
};

}  // namespace

constinit const DialogTemplate kSettingsDialog{
    IDD_SETTINGS_DIALOG, 267, 362, u"MS Shell Dlg", 9, u"QEM-T Configuration", true,
    kSettingsControls,
};

constinit const std::span<const ComboBinding> kComboBindings = kComboBindingRows;
constinit const std::span<const EditLimit> kEditLimits = kEditLimitRows;

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    const auto it = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                                 [id](const ControlTemplate& c) { return c.id == id; });
    return it == dialog.controls.end() ? nullptr : &*it;
}

const ComboBinding* FindComboBinding(int control) {
    const auto it = std::find_if(kComboBindings.begin(), kComboBindings.end(),
                                 [control](const ComboBinding& b) { return b.control == control; });
    return it == kComboBindings.end() ? nullptr : &*it;
}

int FirstTabStop(const DialogTemplate& dialog) {
    const auto it =
        std::find_if(dialog.controls.begin(), dialog.controls.end(),
                     [](const ControlTemplate& c) { return (c.styles & kTabStop) != 0; });
    return it == dialog.controls.end() ? IDC_STATIC : it->id;
}

}  // namespace vesko
