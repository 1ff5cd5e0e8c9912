// The checks that run on every change of the four free-text fields.
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"

namespace vesko {

namespace {

constexpr std::size_t kSpeedLimitDigits = 3;

bool IsAcceptedCharacter(char16_t c) {
    return (c >= 0x20 && c <= 0x7E) || c == u'\r' || c == u'\n';
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

void CveskoDlg::OnTextChanged(int id) {
    if (const TextField* field = FindTextField(id)) {
        ApplyTextRule(*field);
    } else if (id == IDC_SPEED_LIMIT) {
        ApplyDigitRule(id);
    }
}

// Toolkits differ in whether a text set by program raises a change notification, so the
// dialog runs the check itself, once, before going on.
void CveskoDlg::SetCheckedText(int id, std::u16string_view text) {
    view_.SetText(id, text);
    OnTextChanged(id);
}

// Only the length and the last character are examined: the check runs on every keystroke.
void CveskoDlg::ApplyTextRule(const TextField& field) {
    std::u16string text = view_.GetText(field.control);
    if (text.empty()) {
        return;
    }
    if (text.size() > field.field.size) {
        RejectLastCharacter(field.control, std::move(text), field.length_message);
        return;
    }
    if (!IsAcceptedCharacter(text.back())) {
        RejectLastCharacter(field.control, std::move(text), field.character_message);
    }
}

void CveskoDlg::ApplyDigitRule(int id) {
    std::u16string text = view_.GetText(id);
    if (text.empty() || text.size() > kSpeedLimitDigits || IsDigit(text.back())) {
        return;
    }
    RejectLastCharacter(id, std::move(text), messages::kDigitsOnly);
}

// Putting the shorter text back is itself a change, so a second offending character at the
// end goes the same way, with its own message before this one.
void CveskoDlg::RejectLastCharacter(int id, std::u16string text, std::u16string_view message) {
    text.pop_back();
    view_.SetFocus(id);
    SetCheckedText(id, text);
    view_.PlaceCaretAtEnd(id);
    ShowError(message);
}

void CveskoDlg::ShowError(std::u16string_view message) {
    view_.ShowMessage(message, messages::kErrorCaption, MessageButtons::kOk, MessageIcon::kError);
}

}  // namespace vesko
