// Saving, and the dialog's buttons.
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "settings/setting_rules.h"
#include "settings/settings_file.h"
#include "settings/time_text.h"

namespace vesko {

// A failed write of config.bin ends the command that caused it, here, with one message:
// nothing after the write runs and the window stays open.
void CveskoDlg::OnCommand(int id) {
    try {
        switch (id) {
            case IDOK:
                OnBnClickedOk();
                break;
            case IDCANCEL:
                view_.EndDialog(DialogResult::kCancel);
                break;
            case IDC_GET_PC_TIME:
                OnGetPcTime();
                break;
            case IDC_FORMAT_SD:
                OnFormatSdCard();
                break;
            case IDC_DEFAULT_SET:
                OnDefaultSet();
                break;
            default:
                break;
        }
    } catch (const SettingsFileError& error) {
        ShowError(error.message());
    }
}

// Each step stores its field before the next is checked, so a refusal leaves the earlier
// fields in the record; nothing reaches the file.
int CveskoDlg::SaveSettings() {
    for (const Setting& setting : kSettings) {
        if (setting.kind == SettingKind::kList) {
            continue;  // already in the record
        }
        if (const auto refusal = SaveValue(record_, setting, view_.GetText(InputOf(setting)))) {
            if (!refusal->empty()) {
                ShowError(*refusal);
            }
            return -1;
        }
    }
    ShowTime(StampTime(record_, clock_));
    WriteSettingsFile(folder_, record_);
    return 0;
}

void CveskoDlg::OnBnClickedOk() {
    if (SaveSettings() < 0) {
        return;
    }
    view_.ShowMessage(messages::kSuccess, messages::kSuccessCaption, MessageButtons::kOk,
                      MessageIcon::kNone);
    view_.EndDialog(DialogResult::kOk);
}

// Only the fields change: the time that reaches the file is always the time of the save.
void CveskoDlg::OnGetPcTime() {
    const LocalTime now = clock_.Now();
    view_.SetText(IDC_DATE, DateText(now));
    view_.PlaceCaretAtEnd(IDC_DATE);
    view_.SetText(IDC_TIME, TimeText(now));
    view_.PlaceCaretAtEnd(IDC_TIME);
}

void CveskoDlg::OnFormatSdCard() {
    const MessageResult answer =
        view_.ShowMessage(messages::kFormatWarning, messages::kFormatCaption,
                          MessageButtons::kOkCancel, MessageIcon::kExclamation);
    RequestFormat(record_, answer == MessageResult::kOk);
}

void CveskoDlg::OnDefaultSet() {
    const MessageResult answer =
        view_.ShowMessage(messages::kDefaultSetWarning, messages::kDefaultSetCaption,
                          MessageButtons::kOkCancel, MessageIcon::kExclamation);
    if (answer != MessageResult::kOk) {
        return;
    }
    // The recorder's own bytes go into the new file: a card never read must be read first.
    // Either failure ends the command here, with its message.
    if (unread_) {
        ReadSettingsFile(folder_, record_);
    }
    DeleteSettingsFile(folder_);
    LoadSettings();  // with the file gone: the defaults
    ReadSelections();
    SaveSettings();  // a refusal has shown its message; the window stays open either way
}

}  // namespace vesko
