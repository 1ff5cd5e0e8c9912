// The settings window on HTML controls: built from the dialog template by the page's script
// (vesko.view), it carries out the logic's operations. The page forwards the user's actions;
// nothing is decided here.
#pragma once

#include "dialog/dialog_template.h"
#include "dialog/dialog_view.h"

namespace vesko {

class WebDialogView final : public DialogView {
public:
    explicit WebDialogView(const DialogTemplate& dialog) : dialog_(dialog) {}

    // Makes the window's elements, every caption and list entry in the page's language.
    void Build() const;

    int GetSelection(int id) const override;
    void SetSelection(int id, int index) override;
    std::u16string GetText(int id) const override;
    void SetText(int id, std::u16string_view text) override;
    void Enable(int id, bool enabled) override;
    void LimitText(int id, int max_chars) override;
    void PlaceCaretAtEnd(int id) override;
    void SetFocus(int id) override;
    // Awaits the page's modal box (Asyncify): the answer is this call's result.
    MessageResult ShowMessage(std::u16string_view text, std::u16string_view caption,
                              MessageButtons buttons, MessageIcon icon) override;
    void SetCaption(std::u16string_view caption) override;
    void EndDialog(DialogResult result) override;
    std::optional<Folder> ChooseCardFolder() override;

private:
    const DialogTemplate& dialog_;
};

}  // namespace vesko
