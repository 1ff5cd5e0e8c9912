// Saving, and the dialog's buttons.
#include "dialog/card_change.h"
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "settings/setting_rules.h"
#include "settings/settings_file.h"
#include "settings/time_text.h"
#include "settings/translation.h"

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
                ShowError(Tr(*refusal));
            }
            return -1;
        }
    }
    ShowTime(StampTime(record_, clock_));
    const SavedBytes mine = BytesThisWindowSets();
    FoundSettings written;
    bool saved = false;
    try {
        saved = UpdateSettingsFile(folder_, [this, &mine, &written](const FoundSettings& now) {
            // The bytes of a file our own reset deleted come back with the new one.
            const SettingsRecord base = now.value_or(deleted_.value_or(SettingsRecord()));
            written = MaySaveOver(now) ? FoundSettings(mine.Over(base, record_)) : std::nullopt;
            return written;
        });
    } catch (const SettingsFileError&) {
        // Saving again over what this save left is no change made by anyone else; a save
        // that failed before it had anything to write left nothing.
        if (written) {
            tried_ = written;
        }
        throw;
    }
    if (!saved) {
        return -1;
    }
    Remember(*written);
    return 0;
}

// The settings and the time of the save; the format request once it was asked here. A list
// showing no entry holds a value nobody saw, which the file keeps.
SavedBytes CveskoDlg::BytesThisWindowSets() const {
    SavedBytes bytes;
    for (const Setting& setting : kSettings) {
        if (setting.kind != SettingKind::kList || view_.GetSelection(InputOf(setting)) >= 0) {
            bytes.Add(setting.field);
        }
    }
    bytes.Add(fields::kSaveTime);
    if (format_answered_) {
        bytes.Add(fields::kFormatSdCard);
    }
    return bytes;
}

bool CveskoDlg::MaySaveOver(const FoundSettings& now) {
    const std::optional<std::u16string> change = CardChange(shown_, unread_, tried_, now);
    if (!change) {
        return true;
    }
    const std::u16string text = Tr(messages::kCardChangedIntro) + u"\n\n" + *change + u"\n\n" +
                                Tr(messages::kCardChangedQuestion);
    if (view_.ShowMessage(text, Tr(messages::kCardChangedCaption), MessageButtons::kYesNo,
                          MessageIcon::kQuestion) != MessageResult::kOk) {
        return false;
    }
    // Seen now: should this save fail, the next one need not ask about it again.
    shown_ = now;
    unread_ = false;
    return true;
}

void CveskoDlg::Remember(const SettingsRecord& written) {
    record_ = written;
    shown_ = written;
    tried_.reset();
    deleted_.reset();
    unread_ = false;
    ShowRecorderBytes();
}

void CveskoDlg::OnBnClickedOk() {
    if (SaveSettings() < 0) {
        return;
    }
    view_.ShowMessage(Tr(messages::kSuccess), Tr(messages::kSuccessCaption), MessageButtons::kOk,
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
        view_.ShowMessage(Tr(messages::kFormatWarning), Tr(messages::kFormatCaption),
                          MessageButtons::kOkCancel, MessageIcon::kExclamation);
    RequestFormat(record_, answer == MessageResult::kOk);
    format_answered_ = true;
}

void CveskoDlg::OnDefaultSet() {
    const MessageResult answer =
        view_.ShowMessage(Tr(messages::kDefaultSetWarning), Tr(messages::kDefaultSetCaption),
                          MessageButtons::kOkCancel, MessageIcon::kExclamation);
    if (answer != MessageResult::kOk) {
        return;
    }
    // The new file keeps the recorder's bytes as the old one holds them under the lock; a
    // file that cannot be read or written is not deleted. Failures end the command here,
    // with their message, and leave the window as it was unless the file is gone.
    SettingsRecord written;
    try {
        ResetSettingsFile(folder_, [this, &written](const FoundSettings& now) {
            written = now.value_or(SettingsRecord());
            RestoreDefaults(written);
            StampTime(written, clock_);
            if (format_answered_) {
                RequestFormat(written, record_.Byte(fields::kFormatSdCard) != 0);
            }
            return std::optional<SettingsRecord>(written);
        });
    } catch (const SettingsFileError& error) {
        if (error.file_deleted()) {
            // What a save must now write: the factory settings, onto a card without a file.
            ShowReset(written);
            shown_.reset();
            deleted_ = written;
        }
        throw;
    }
    ShowReset(written);
    ShowTime(SavedTime(record_));
    Remember(written);
}

void CveskoDlg::ShowReset(const SettingsRecord& reset) {
    record_ = reset;
    unread_ = false;
    ShowSettings(record_);
    ReadSelections();
}

}  // namespace vesko
