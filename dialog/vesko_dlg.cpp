#include "dialog/vesko_dlg.h"

#include <array>
#include <string>
#include <utility>

#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/time_text.h"
#include "settings/defaults.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko {

namespace {

// What the daylight-saving mode decides about: the start and stop dates.
constexpr std::array kDstDateControls = {
    IDC_DST_START_WEEK,  IDC_DST_START_MONTH,  IDC_DST_STOP_WEEK,  IDC_DST_STOP_MONTH,
    IDC_DST_START_LABEL, IDC_DST_START_SUNDAY, IDC_DST_STOP_LABEL, IDC_DST_STOP_SUNDAY,
};
constexpr std::array kDstModeControls = {IDC_DST_MODE, IDC_DST_MODE_LABEL};
constexpr std::array kSpeedLimitControls = {IDC_SPEED_LIMIT, IDC_SPEED_LIMIT_UNIT};
constexpr std::array kWifiControls = {
    IDC_WIFI_SSID_LABEL,     IDC_WIFI_SSID,     IDC_WIFI_SSID_DEFAULT,
    IDC_WIFI_PASSWORD_LABEL, IDC_WIFI_PASSWORD, IDC_WIFI_PASSWORD_DEFAULT,
};

constexpr int kDstOff = 1;       // entry "OFF" of the daylight-saving list
constexpr int kDstModeAuto = 0;  // entry "Auto"
constexpr int kSwitchOff = 0;    // entry "OFF" of the switch lists

template <std::size_t N>
void EnableAll(DialogView& view, const std::array<int, N>& ids, bool enabled) {
    for (const int id : ids) {
        view.Enable(id, enabled);
    }
}

// Recorder models whose firmware version starts "DV301" or "DV302" have no Wi-Fi.
bool HasWifiLock(const SettingsRecord& record) {
    const auto version = record.View(fields::kFirmwareVersion);
    return version[0] == 'D' && version[1] == 'V' && version[2] == '3' && version[3] == '0' &&
           (version[4] == '1' || version[4] == '2');
}

std::u16string Decimal(int value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

CveskoDlg::CveskoDlg(DialogView& view, const Clock& clock, std::filesystem::path folder)
    : view_(view), clock_(clock), folder_(std::move(folder)) {}

bool CveskoDlg::OnInitDialog() {
    view_.SetCaption(messages::kWindowCaption);
    LoadSettings();
    ReadSelections();
    for (const EditLimit& limit : kEditLimits) {
        view_.LimitText(limit.control, limit.max_chars);
    }
    return true;
}

void CveskoDlg::LoadSettings() {
    // Without a readable file the defaults are shown while the record keeps what it held.
    bool read = false;
    try {
        read = ReadSettingsFile(folder_, record_);
    } catch (const SettingsFileError& error) {
        ShowError(error.message());
    }
    ShowSettings(read ? record_ : FactoryDefaults());
    ShowTime(clock_.Now());
    view_.SetText(IDC_FIRMWARE_VERSION,
                  FirmwareVersionText(record_.View(fields::kFirmwareVersion)));
    if (HasWifiLock(record_)) {
        EnableAll(view_, kWifiControls, false);
    }
}

void CveskoDlg::ShowSettings(const SettingsRecord& source) {
    for (const ComboBinding& binding : kComboBindings) {
        // A value outside the table shows no entry.
        view_.SetSelection(binding.control,
                           source.Byte(binding.field) - binding.table->first_value);
    }
    for (const TextField& text : kTextFields) {
        SetCheckedText(text.control, source.Text(text.field));
    }
    SetCheckedText(IDC_SPEED_LIMIT, Decimal(source.Byte(fields::kSpeedLimit)));
}

void CveskoDlg::ShowTime(const LocalTime& time) {
    view_.SetText(IDC_DATE, DateText(time));
    view_.SetText(IDC_TIME, TimeText(time));
}

void CveskoDlg::ReadSelections() {
    for (const ComboBinding& binding : kComboBindings) {
        StoreSelection(binding);
    }
    const bool dst_off = view_.GetSelection(IDC_DST) == kDstOff;
    EnableAll(view_, kDstModeControls, !dst_off);
    if (view_.GetSelection(IDC_DST_MODE) == kDstModeAuto || record_.Byte(fields::kDst) == kDstOff) {
        EnableAll(view_, kDstDateControls, false);
    }
    if (view_.GetSelection(IDC_SPEED_LIMIT_EVENT) == kSwitchOff) {
        EnableAll(view_, kSpeedLimitControls, false);
    }
}

void CveskoDlg::StoreSelection(const ComboBinding& binding) {
    const int selection = view_.GetSelection(binding.control);
    if (selection < 0) {
        // No entry shows a value this program does not know (a newer recorder's, say):
        // the record keeps it, so a save writes back what the file held.
        return;
    }
    record_.SetByte(binding.field,
                    static_cast<std::uint8_t>(selection + binding.table->first_value));
}

void CveskoDlg::OnSelectionChanged(int id) {
    const ComboBinding* binding = FindComboBinding(id);
    if (binding == nullptr) {
        return;
    }
    StoreSelection(*binding);
    const int selection = view_.GetSelection(id);
    switch (id) {
        case IDC_DST:
            ApplyDstRule(selection);
            break;
        case IDC_DST_MODE:
            ApplyDstModeRule(selection);
            break;
        case IDC_SPEED_LIMIT_EVENT:
            EnableAll(view_, kSpeedLimitControls, selection != kSwitchOff);
            break;
        default:
            break;
    }
}

void CveskoDlg::ApplyDstRule(int dst_selection) {
    if (dst_selection == kDstOff) {
        EnableAll(view_, kDstModeControls, false);
        EnableAll(view_, kDstDateControls, false);
        return;
    }
    EnableAll(view_, kDstModeControls, true);
    EnableAll(view_, kDstDateControls, view_.GetSelection(IDC_DST_MODE) != kDstModeAuto);
}

// The mode list is disabled whenever daylight saving is off, so only the mode matters here.
void CveskoDlg::ApplyDstModeRule(int mode_selection) {
    EnableAll(view_, kDstDateControls, mode_selection != kDstModeAuto);
}

}  // namespace vesko
