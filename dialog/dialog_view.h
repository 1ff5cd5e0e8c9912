// What the dialog logic may do to the window. Each toolkit's shell implements it; the logic
// never sees a widget.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/folder.h"

namespace vesko {

enum class MessageButtons { kOk, kOkCancel, kYesNo };  // kYesNo: "No" is the default
enum class MessageIcon { kNone, kError, kExclamation, kQuestion };
// kOk answers OK or Yes; kCancel anything else.
enum class MessageResult { kOk, kCancel };
enum class DialogResult { kOk, kCancel };

class DialogView {
public:
    virtual ~DialogView() = default;

    // Zero-based index of the selected entry, or -1 when none is selected.
    virtual int GetSelection(int id) const = 0;
    // An index outside the list leaves no entry selected. Raises no notification.
    virtual void SetSelection(int id, int index) = 0;

    // One UTF-16 code unit per character. Setting a text by program raises no notification:
    // the logic runs its own checks after it.
    virtual std::u16string GetText(int id) const = 0;
    virtual void SetText(int id, std::u16string_view text) = 0;

    virtual void Enable(int id, bool enabled) = 0;
    // Limits what the user can type. The logic never sets a longer text by program itself.
    virtual void LimitText(int id, int max_chars) = 0;
    // An empty selection at the end of the text, scrolled into view.
    virtual void PlaceCaretAtEnd(int id) = 0;
    virtual void SetFocus(int id) = 0;

    virtual MessageResult ShowMessage(std::u16string_view text, std::u16string_view caption,
                                      MessageButtons buttons, MessageIcon icon) = 0;
    virtual void SetCaption(std::u16string_view caption) = 0;
    // Where the program is started from the card itself, with no chooser before its window:
    // the folder the user picks for the card instead; nothing where cancelled or not offered.
    virtual std::optional<Folder> ChooseCardFolder() = 0;
    virtual void EndDialog(DialogResult result) = 0;
};

}  // namespace vesko
