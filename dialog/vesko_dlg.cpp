#include "dialog/vesko_dlg.h"

#include <string>
#include <utility>

#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "settings/defaults.h"
#include "settings/save_record.h"
#include "settings/setting_rules.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"
#include "settings/time_text.h"
#include "settings/translation.h"

namespace vesko {

CveskoDlg::CveskoDlg(DialogView& view, const Clock& clock, Folder folder)
    : view_(view), clock_(clock), folder_(std::move(folder)) {}

bool CveskoDlg::OnInitDialog() {
    view_.SetCaption(Tr(messages::kWindowCaption));
    LoadSettings();
    ReadSelections();
    for (const EditLimit& limit : kEditLimits) {
        view_.LimitText(limit.control, limit.max_chars);
    }
    return true;
}

void CveskoDlg::LoadSettings() {
    // Without a readable file the defaults are shown while the record keeps what it held.
    unread_ = false;
    try {
        shown_ = ReadSettingsFile(folder_);
    } catch (const SettingsFileError& error) {
        shown_.reset();
        unread_ = true;
        ShowError(error.message());
    }
    if (shown_) {
        record_ = shown_->Record();
    }
    ShowSettings(shown_ ? record_ : FactoryDefaults());
    ShowTime(clock_.Now());
    ShowRecorderBytes();
}

// The firmware version and the Wi-Fi lock it brings, from the record as it stands.
void CveskoDlg::ShowRecorderBytes() {
    view_.SetText(IDC_FIRMWARE_VERSION,
                  FirmwareVersionText(record_.View(fields::kFirmwareVersion)));
    for (const Setting& setting : kSettings) {
        if (KeptBySave(record_, setting)) {
            EnableControlsOf(setting, false);
        }
    }
}

void CveskoDlg::ShowSettings(const SettingsRecord& source) {
    for (const Setting& setting : kSettings) {
        if (setting.kind == SettingKind::kList) {
            // A value outside the table shows no entry.
            view_.SetSelection(InputOf(setting),
                               source.Byte(setting.field) - setting.table->first_value);
        } else {
            SetCheckedText(InputOf(setting), FieldText(source, setting));
        }
    }
}

void CveskoDlg::ShowTime(const LocalTime& time) {
    view_.SetText(IDC_DATE, DateText(time));
    view_.SetText(IDC_TIME, TimeText(time));
}

void CveskoDlg::ReadSelections() {
    for (const Setting& setting : kSettings) {
        if (setting.kind == SettingKind::kList) {
            StoreSelection(setting);
        }
    }
    ApplyRelevance();
}

void CveskoDlg::StoreSelection(const Setting& setting) {
    const int selection = view_.GetSelection(InputOf(setting));
    if (selection < 0) {
        // No entry shows a value this program does not know (a newer recorder's, say):
        // the record keeps it, so a save writes back what the file held.
        return;
    }
    record_.SetByte(setting.field,
                    static_cast<std::uint8_t>(selection + setting.table->first_value));
}

void CveskoDlg::OnSelectionChanged(int id) {
    const Setting* setting = SettingShownBy(id);
    if (setting == nullptr || setting->kind != SettingKind::kList) {
        return;
    }
    StoreSelection(*setting);
    ApplyRelevance();
}

// The dependent controls follow the switches both ways, from the record as it now stands.
void CveskoDlg::ApplyRelevance() {
    for (const Relevance& dependent : DependentSettings(record_)) {
        EnableControlsOf(*dependent.setting, dependent.relevant);
    }
}

// The input and whatever goes with it: its label, its unit.
void CveskoDlg::EnableControlsOf(const Setting& setting, bool enabled) {
    for (const ControlTemplate& control : kSettingsDialog.controls) {
        if (control.key == setting.key && control.id != IDC_STATIC) {
            view_.Enable(control.id, enabled);
        }
    }
}

}  // namespace vesko
