// The checks that run on every change of the four free-text fields.
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "settings/setting_rules.h"
#include "settings/translation.h"

namespace vesko {

void CveskoDlg::OnTextChanged(int id) {
    const Setting* setting = SettingShownBy(id);
    if (setting == nullptr) {
        return;
    }
    std::u16string text = view_.GetText(id);
    if (const auto refusal = TypingRefusal(*setting, text)) {
        RejectLastCharacter(id, std::move(text), Tr(*refusal));
    }
}

// Toolkits differ in whether a text set by program raises a change notification, so the
// dialog runs the check itself, once, before going on.
void CveskoDlg::SetCheckedText(int id, std::u16string_view text) {
    view_.SetText(id, text);
    OnTextChanged(id);
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
    view_.ShowMessage(message, Tr(messages::kErrorCaption), MessageButtons::kOk,
                      MessageIcon::kError);
}

}  // namespace vesko
