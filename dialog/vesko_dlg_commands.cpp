// Saving, and the dialog's buttons.
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/time_text.h"
#include "dialog/vesko_dlg.h"
#include "settings/save_checks.h"
#include "settings/settings_file.h"

namespace vesko {

namespace {

constexpr std::uint8_t kFormatRequested = 1;

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

// Each step stores its field before the next is checked, so a refusal leaves the earlier
// fields in the record; nothing reaches the file.
int CveskoDlg::SaveSettings() {
    // Vehicle number, Wi-Fi password, Wi-Fi SSID, in that order.
    for (const TextField& field : kTextFields) {
        record_.Clear(field.field);
        const std::u16string text = view_.GetText(field.control);
        if (const auto refusal = SaveRefusal(field, text)) {
            if (!refusal->empty()) {
                ShowError(*refusal);
            }
            return -1;
        }
        record_.SetText(field.field, text);
    }

    const SpeedLimitVerdict speed = ParseSpeedLimit(view_.GetText(IDC_SPEED_LIMIT));
    if (speed.kind == SpeedLimitVerdict::Kind::kNotDigits) {
        ShowError(messages::kDigitsOnly);
        return -1;
    }
    if (speed.kind == SpeedLimitVerdict::Kind::kOver255) {
        ShowError(messages::kSpeedOver255);
        return -1;
    }
    record_.SetByte(fields::kSpeedLimit, speed.value);

    const LocalTime now = clock_.Now();
    record_.SetWord(fields::kSaveYear, static_cast<std::uint16_t>(now.year));
    record_.SetWord(fields::kSaveMonth, static_cast<std::uint16_t>(now.month));
    record_.SetWord(fields::kSaveDay, static_cast<std::uint16_t>(now.day));
    record_.SetWord(fields::kSaveHour, static_cast<std::uint16_t>(now.hour));
    record_.SetWord(fields::kSaveMinute, static_cast<std::uint16_t>(now.minute));
    record_.SetWord(fields::kSaveSecond, static_cast<std::uint16_t>(now.second));
    ShowTime(now);

    WriteSettingsFile(folder_, record_);
    return 0;
}

// The message that refuses a text, an empty message for the one silent refusal (a password
// over 20 characters), or nothing when the text may be saved.
std::optional<std::u16string_view> CveskoDlg::SaveRefusal(const TextField& field,
                                                          std::u16string_view text) {
    if (field.control == IDC_WIFI_PASSWORD) {
        switch (CheckWifiPassword(text)) {
            case PasswordVerdict::kTooShort:
                return messages::kPasswordTooShort;
            case PasswordVerdict::kTooLong:
                return std::u16string_view();
            case PasswordVerdict::kOk:
                break;
        }
    } else if (field.control == IDC_WIFI_SSID) {
        switch (CheckWifiSsid(text)) {
            case SsidVerdict::kEmpty:
                return messages::kSsidMissing;
            case SsidVerdict::kTooLong:
                return messages::kSsidTooLong;
            case SsidVerdict::kOk:
                break;
        }
    }
    // A character above U+00FF would reach the recorder as some other character.
    if (!FitsInBytes(text)) {
        return field.character_message;
    }
    return std::nullopt;
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
    record_.SetByte(fields::kFormatSdCard, answer == MessageResult::kOk ? kFormatRequested : 0);
}

void CveskoDlg::OnDefaultSet() {
    const MessageResult answer =
        view_.ShowMessage(messages::kDefaultSetWarning, messages::kDefaultSetCaption,
                          MessageButtons::kOkCancel, MessageIcon::kExclamation);
    if (answer != MessageResult::kOk) {
        return;
    }
    DeleteSettingsFile(folder_);  // a failure ends the command here, with its message
    LoadSettings();               // with the file gone: the defaults
    ReadSelections();
    SaveSettings();  // a refusal has shown its message; the window stays open either way
}

}  // namespace vesko
