// The settings window as a real Windows dialog, built from the template table. It carries
// out the logic's operations with the standard control messages and forwards the user's
// actions; the window chrome (icon, window menu, minimised painting) is its own.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/labelled_accessible.h"
#include "dialog/dialog_template.h"
#include "dialog/dialog_view.h"

namespace vesko {

class CveskoDlg;

struct Win32Message {
    std::u16string text;
    std::u16string caption;
    MessageButtons buttons;
    MessageIcon icon;
};

class Win32DialogView final : public DialogView {
public:
    using MessagePresenter = std::function<MessageResult(HWND owner, const Win32Message&)>;
    using FolderChooser = std::function<std::optional<Folder>(HWND owner)>;

    Win32DialogView(HINSTANCE instance, const DialogTemplate& layout);
    Win32DialogView(const Win32DialogView&) = delete;
    Win32DialogView& operator=(const Win32DialogView&) = delete;

    // What DoModal answers when the window could not run, or ended on a failure nothing
    // foresaw (said in the "Error" box first).
    static constexpr INT_PTR kFailed = -1;

    void Attach(CveskoDlg& logic) { logic_ = &logic; }
    // Runs the dialog modally; IDOK, IDCANCEL or kFailed.
    INT_PTR DoModal();

    // Seams for tests: who answers message boxes, the window-menu label, a hook that runs
    // once the dialog is initialised (inside the modal loop).
    void SetMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }
    void SetFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }
    void SetAboutLabel(std::wstring label) { about_label_ = std::move(label); }
    void SetAfterInit(std::function<void(HWND)> hook) { after_init_ = std::move(hook); }
    HWND hwnd() const { return hwnd_; }

    int GetSelection(int id) const override;
    void SetSelection(int id, int index) override;
    std::u16string GetText(int id) const override;
    void SetText(int id, std::u16string_view text) override;
    void Enable(int id, bool enabled) override;
    void LimitText(int id, int max_chars) override;
    void PlaceCaretAtEnd(int id) override;
    void SetFocus(int id) override;
    MessageResult ShowMessage(std::u16string_view text, std::u16string_view caption,
                              MessageButtons buttons, MessageIcon icon) override;
    void SetCaption(std::u16string_view caption) override;
    void EndDialog(DialogResult result) override;
    std::optional<Folder> ChooseCardFolder() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR OnMessage(UINT message, WPARAM wparam);
    void Fail(const char* what);
    BOOL OnInitDialog();
    void OnCommand(WORD id, WORD code);
    BOOL OnSysCommand(WPARAM command);
    BOOL OnPaint();
    HICON OnQueryDragIcon() const { return icon_; }
    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }

    HINSTANCE instance_;
    std::vector<WORD> template_;
    // What screen readers hear for each input, by control identifier; fixed once made.
    std::vector<std::pair<int, AccessibleText>> accessible_texts_;
    HICON icon_;  // a shared resource icon: the system owns it
    std::wstring about_label_;
    MessagePresenter presenter_;
    FolderChooser chooser_;
    std::function<void(HWND)> after_init_;
    CveskoDlg* logic_ = nullptr;
    HWND hwnd_ = nullptr;
    bool failed_ = false;        // a failure nothing foresaw ended the window
    bool setting_text_ = false;  // program changes of a text are not the user's
};

// The system message box for a request.
MessageResult ShowMessageBox(HWND owner, const Win32Message& message);

}  // namespace vesko
