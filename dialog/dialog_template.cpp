#include "dialog/dialog_template.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

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

// A list showing the setting `key`.
constexpr ControlTemplate DropDown(int id, std::string_view name, std::string_view key,
                                   DialogRect rect, std::uint32_t extra = 0) {
    return {id, name, ControlKind::kDropDownList, kComboStyles | extra, rect, u"", key};
}

// A text field, showing the setting `key` where it has one.
constexpr ControlTemplate Edit(int id, std::string_view name, std::string_view key, DialogRect rect,
                               std::uint32_t extra = 0) {
    return {id, name, ControlKind::kEdit, kEditStyles | extra, rect, u"", key};
}

// A label naming a setting: right-aligned, sunken, ending in one space. `key` is the
// setting it labels, the first where it labels two.
constexpr ControlTemplate SettingLabel(int id, std::string_view name, std::string_view key,
                                       DialogRect rect, std::u16string_view caption) {
    return {id, name, ControlKind::kLabel, kRightAligned | kSunken, rect, caption, key};
}

constexpr ControlTemplate SettingLabel(std::string_view key, DialogRect rect,
                                       std::u16string_view caption) {
    return SettingLabel(IDC_STATIC, "", key, rect, caption);
}

// Any other text; `key` is the setting it goes with, where it goes with one.
constexpr ControlTemplate Label(int id, std::string_view name, std::string_view key,
                                DialogRect rect, std::u16string_view caption) {
    return {id, name, ControlKind::kLabel, 0, rect, caption, key};
}

constexpr std::array kSettingsControls = {
    Button(ID(IDOK), {160, 330, 65, 14}, u"OK (Save)", kDefaultButton),
    Button(ID(IDCANCEL), {53, 330, 65, 14}, u"EXIT (No Save)"),
    DropDown(ID(IDC_VIDEO_RESOLUTION), "video-resolution", {92, 7, 92, 30}, kClientEdge),
    DropDown(ID(IDC_RECORDING_TIME), "recording-time", {92, 19, 92, 13}, kClientEdge),
    DropDown(ID(IDC_RECORDING_MODE), "recording-mode", {92, 31, 92, 30}),
    DropDown(ID(IDC_PARKING_MODE), "parking-mode", {92, 43, 92, 30}),
    DropDown(ID(IDC_GSENSOR_X), "g-sensor-x", {92, 55, 92, 30}),
    DropDown(ID(IDC_GSENSOR_Y), "g-sensor-y", {92, 67, 92, 30}),
    DropDown(ID(IDC_GSENSOR_Z), "g-sensor-z", {92, 79, 92, 30}),
    DropDown(ID(IDC_AUDIO), "audio", {92, 91, 92, 30}),
    DropDown(ID(IDC_TIME_ZONE), "time-zone", {92, 103, 92, 30}),
    Edit(ID(IDC_VEHICLE_NUMBER), "vehicle-number", {92, 211, 91, 12}),
    SettingLabel("video-resolution", {7, 7, 85, 12}, u"Video Resolution "),
    SettingLabel("recording-time", {7, 19, 85, 12}, u"Recording Time Per File "),
    SettingLabel("recording-mode", {7, 31, 85, 12}, u"Recording Mode "),
    SettingLabel("parking-mode", {7, 43, 85, 12}, u"Parking Surveillance Mode "),
    SettingLabel("g-sensor-x", {7, 55, 85, 12}, u"G-Sensor Level X "),
    SettingLabel("g-sensor-y", {7, 67, 85, 12}, u"G-Sensor Level Y "),
    SettingLabel("g-sensor-z", {7, 79, 85, 12}, u"G-Sensor Level Z "),
    SettingLabel("audio", {7, 91, 85, 12}, u"Audio "),
    SettingLabel("time-zone", {7, 103, 85, 12}, u"Time Zone "),
    SettingLabel("vehicle-number", {7, 211, 85, 12}, u"Vehicle Number "),
    DropDown(ID(IDC_DATE_STAMP), "date-stamp", {92, 163, 92, 30}),
    DropDown(ID(IDC_VEHICLE_NUMBER_STAMP), "vehicle-number-stamp", {92, 175, 92, 30}),
    DropDown(ID(IDC_SPEED_STAMP), "speed-stamp", {92, 187, 92, 30}),
    SettingLabel("date-stamp", {7, 163, 85, 12}, u"Date Stamp "),
    SettingLabel("vehicle-number-stamp", {7, 175, 85, 12}, u"Vehicle Number Stamp "),
    SettingLabel("speed-stamp", {7, 187, 85, 12}, u"Speed Stamp "),
    SettingLabel(ID(IDC_WIFI_PASSWORD_LABEL), "wifi-password", {7, 235, 85, 12},
                 u"Wi-Fi Password "),
    Edit(ID(IDC_WIFI_PASSWORD), "wifi-password", {92, 235, 91, 12}),
    Label(IDC_STATIC, "", "", {186, 213, 61, 12}, u""),
    SettingLabel("dst", {7, 115, 85, 12}, u"DST "),
    DropDown(ID(IDC_DST), "dst", {92, 115, 92, 30}),
    SettingLabel(ID(IDC_DST_MODE_LABEL), "dst-mode", {7, 127, 85, 12}, u"DST Mode "),
    DropDown(ID(IDC_DST_MODE), "dst-mode", {92, 127, 92, 30}),
    SettingLabel(ID(IDC_DST_START_LABEL), "dst-start-week", {7, 139, 85, 12}, u"DST Start "),
    DropDown(ID(IDC_DST_START_WEEK), "dst-start-week", {92, 138, 29, 13}),
    Label(ID(IDC_DST_START_SUNDAY), "dst-start-month", {123, 141, 31, 11}, u"Sunday in"),
    DropDown(ID(IDC_DST_START_MONTH), "dst-start-month", {155, 139, 29, 15}),
    SettingLabel(ID(IDC_DST_STOP_LABEL), "dst-stop-week", {7, 151, 85, 12}, u"DST Stop "),
    DropDown(ID(IDC_DST_STOP_WEEK), "dst-stop-week", {92, 150, 29, 14}),
    Label(ID(IDC_DST_STOP_SUNDAY), "dst-stop-month", {123, 153, 30, 8}, u"Sunday in"),
    DropDown(ID(IDC_DST_STOP_MONTH), "dst-stop-month", {155, 151, 29, 15}),
    SettingLabel(ID(IDC_WIFI_SSID_LABEL), "wifi-ssid", {7, 223, 85, 12}, u"Wi-Fi SSID "),
    Edit(ID(IDC_WIFI_SSID), "wifi-ssid", {92, 223, 91, 12}),
    Label(ID(IDC_WIFI_SSID_DEFAULT), "wifi-ssid", {186, 225, 61, 12}, u"default:QEM-T"),
    Label(ID(IDC_WIFI_PASSWORD_DEFAULT), "wifi-password", {186, 237, 61, 12}, u"default:58031946"),
    DropDown(ID(IDC_SPEED_LIMIT_EVENT), "speed-limit-event", {92, 199, 45, 30}),
    SettingLabel("speed-limit-event", {7, 199, 85, 12}, u"Speed Limit Event "),
    Edit(ID(IDC_SPEED_LIMIT), "speed-limit", {138, 199, 45, 12}, kCentered),
    Label(ID(IDC_SPEED_LIMIT_UNIT), "speed-limit", {186, 201, 61, 12}, u"MPH (0-255)"),
    SettingLabel("", {8, 247, 85, 12}, u"Date Setting "),
    SettingLabel("", {8, 259, 85, 12}, u"Time Setting "),
    Edit(ID(IDC_DATE), "", {92, 247, 91, 12}, kReadOnly | kCentered),
    Edit(ID(IDC_TIME), "", {92, 258, 91, 12}, kReadOnly | kCentered),
    Button(ID(IDC_GET_PC_TIME), {185, 247, 54, 23}, u"Get PC Time"),
    Button(ID(IDC_FORMAT_SD), {92, 283, 92, 20}, u"Format SD Card"),
    SettingLabel("", {8, 271, 85, 12}, u"Firmware Version "),
    Edit(ID(IDC_FIRMWARE_VERSION), "", {92, 271, 91, 12}, kReadOnly | kCentered),
    Button(ID(IDC_DEFAULT_SET), {92, 303, 92, 20}, u"Default Set"),
};

#undef ID

}  // namespace

constinit const DialogTemplate kSettingsDialog{
    IDD_SETTINGS_DIALOG, 267, 362, u"MS Shell Dlg", 9, u"QEM-T Configuration", true,
    kSettingsControls,
};

namespace {

bool IsInput(const ControlTemplate& control) {
    return control.kind == ControlKind::kDropDownList || control.kind == ControlKind::kEdit;
}

const ControlTemplate& InputRow(const Setting& setting) {
    const auto it = std::find_if(
        kSettingsDialog.controls.begin(), kSettingsDialog.controls.end(),
        [&setting](const ControlTemplate& c) { return IsInput(c) && c.key == setting.key; });
    if (it == kSettingsDialog.controls.end()) {
        throw std::logic_error("a setting without its input in the template");
    }
    return *it;
}

std::vector<ComboBinding> MakeComboBindings() {
    std::vector<ComboBinding> bindings;
    for (const Setting& setting : kSettings) {
        if (setting.kind == SettingKind::kList) {
            bindings.push_back({InputRow(setting).id, setting.field, setting.table});
        }
    }
    return bindings;
}

std::vector<EditLimit> MakeEditLimits() {
    std::vector<EditLimit> limits;
    for (const Setting& setting : kSettings) {
        if (setting.kind != SettingKind::kList) {
            limits.push_back({InputRow(setting).id, static_cast<int>(setting.max_typed)});
        }
    }
    return limits;
}

const std::vector<ComboBinding> kComboBindingRows = MakeComboBindings();
const std::vector<EditLimit> kEditLimitRows = MakeEditLimits();

}  // namespace

const std::span<const ComboBinding> kComboBindings = kComboBindingRows;
const std::span<const EditLimit> kEditLimits = kEditLimitRows;

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

int InputOf(const Setting& setting) {
    return InputRow(setting).id;
}

const Setting* SettingShownBy(int control) {
    const ControlTemplate* row = FindControl(kSettingsDialog, control);
    return row != nullptr && IsInput(*row) ? FindSetting(row->key) : nullptr;
}

int FirstTabStop(const DialogTemplate& dialog) {
    const auto it =
        std::find_if(dialog.controls.begin(), dialog.controls.end(),
                     [](const ControlTemplate& c) { return (c.styles & kTabStop) != 0; });
    return it == dialog.controls.end() ? IDC_STATIC : it->id;
}

}  // namespace vesko
