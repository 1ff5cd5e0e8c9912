// Saving, and the dialog's buttons.
#include <utility>

#include "dialog/card_change.h"
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "settings/file_problems.h"
#include "settings/save_record.h"
#include "settings/setting_rules.h"
#include "settings/settings_file.h"
#include "settings/time_text.h"
#include "settings/translation.h"

namespace vesko {

namespace {

// Every text as it stands (each passed the typing rule as it changed), and every list that
// shows an entry: one showing none holds a value nobody saw.
class ControlsAsked final : public SaveRequest {
public:
    explicit ControlsAsked(const DialogView& view) : view_(view) {}

    std::optional<std::u16string> Text(const Setting& setting) const override {
        return view_.GetText(InputOf(setting));
    }
    std::optional<std::uint8_t> Byte(const Setting& setting) const override {
        const int selection = view_.GetSelection(InputOf(setting));
        if (selection < 0) {
            return std::nullopt;
        }
        return static_cast<std::uint8_t>(selection + setting.table->first_value);
    }

private:
    const DialogView& view_;
};

}  // namespace

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

// A refused check writes nothing; the record keeps what was stored before it.
int CveskoDlg::SaveSettings() {
    ControlsAsked asked(view_);
    if (format_answered_) {
        asked.format = record_.Byte(fields::kFormatSdCard) != 0;
    }
    const SaveResult save = SaveRecord(record_, asked, clock_);
    record_ = save.record;
    if (save.refusal) {
        if (!save.refusal->message.empty()) {
            ShowError(Tr(save.refusal->message));
        }
        return -1;
    }
    ShowTime(save.time);
    const FoundSettings written = WriteCard(
        SaveKind::kUpdate, [&save](const SettingsRecord& file) { return save.Over(file); });
    if (!written) {
        return -1;
    }
    Remember(*written);
    return 0;
}

// Nothing is held open while the user is asked: the write afterwards requires the very bytes
// the question was about.
FoundSettings CveskoDlg::WriteCard(SaveKind kind, const MakeRecord& make) {
    FoundSettings expected = shown_;
    if (!expected && !MayCreateFile()) {
        return std::nullopt;
    }
    int unasked = 0;
    for (;;) {
        const SettingsRecord wanted = make(expected ? expected->Record() : SettingsRecord());
        WriteOutcome outcome;
        try {
            outcome = WriteIfUnchanged(folder_, expected, wanted, kind);
        } catch (const SettingsFileError& error) {
            // Writing again over what this write left is no change made by anyone else.
            if (error.write_began()) {
                tried_ = wanted;
            }
            throw;
        }
        if (outcome.done) {
            return outcome.now;
        }
        if (const auto change = CardChange(shown_, unread_, tried_, outcome.now)) {
            if (!AskToWriteOver(kind, *change, outcome.now ? &*outcome.now : nullptr)) {
                return std::nullopt;
            }
            // Seen now: should this write fail, the next one need not ask about it again.
            shown_ = outcome.now;
            unread_ = false;
        } else if (++unasked == kSaveAttempts) {
            // Another program keeps writing it.
            throw SettingsFileError::WriteFailed(ReasonFor(FileProblem::kInUse));
        }
        expected = outcome.now;
    }
}

// A "Format SD Card" answer belongs to the card it was given for: carried to another only by
// a "Yes" to a question that says so.
bool CveskoDlg::AskToWriteOver(SaveKind kind, const std::u16string& change, const CardFile* now) {
    std::u16string text = Tr(messages::kCardChangedIntro) + u"\n\n" + change;
    const std::uint8_t format = record_.Byte(fields::kFormatSdCard);
    if (format_answered_ && format != (now ? now->Record().Byte(fields::kFormatSdCard) : 0)) {
        text += u"\n\n" +
                Tr(format != 0 ? messages::kFormatGoesAlong : messages::kFormatWithdrawalGoesAlong);
    }
    text += u"\n\n" + Tr(kind == SaveKind::kReset ? messages::kCardChangedResetQuestion
                                                  : messages::kCardChangedQuestion);
    return view_.ShowMessage(text, Tr(messages::kCardChangedCaption), MessageButtons::kYesNo,
                             MessageIcon::kQuestion) == MessageResult::kOk;
}

// Asked only where the folder holds no config.bin now: one that came after the window opened,
// or one it could not read, is the card-changed question's. A "Yes" whose write failed is
// asked again: the card may have been swapped meanwhile.
bool CveskoDlg::MayCreateFile() {
    try {
        if (ReadSettingsFile(folder_)) {
            return true;
        }
    } catch (const SettingsFileError&) {
        return true;  // there, if unreadable: the write says so
    }
    const MessageResult answer = view_.ShowMessage(
        TrFill(messages::kNewFileQuestion, {FolderAsKnown(folder_)}), Tr(messages::kNewFileCaption),
        MessageButtons::kYesNo, MessageIcon::kQuestion);
    if (answer == MessageResult::kOk) {
        return true;
    }
    if (auto chosen = view_.ChooseCardFolder()) {
        reopen_on_ = std::move(chosen);
        view_.EndDialog(DialogResult::kCancel);
    }
    return false;
}

void CveskoDlg::Remember(const CardFile& written) {
    record_ = written.Record();
    shown_ = written;
    tried_.reset();
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
    // The new file keeps the recorder's bytes as the old one holds them. A failure ends the
    // command here, with its message, and leaves the card and the window as they were.
    const FoundSettings written = WriteCard(SaveKind::kReset, [this](const SettingsRecord& file) {
        SettingsRecord reset = file;
        RestoreDefaults(reset);
        StampTime(reset, clock_);
        if (format_answered_) {
            RequestFormat(reset, record_.Byte(fields::kFormatSdCard) != 0);
        }
        return reset;
    });
    if (!written) {
        return;
    }
    ShowReset(written->Record());
    ShowTime(SavedTime(record_));
    Remember(*written);
}

void CveskoDlg::ShowReset(const SettingsRecord& reset) {
    record_ = reset;
    unread_ = false;
    ShowSettings(record_);
    ReadSelections();
}

}  // namespace vesko
