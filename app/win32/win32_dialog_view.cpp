#include "app/win32/win32_dialog_view.h"

#include "app/win32/about_dlg.h"
#include "app/win32/call_guarded.h"
#include "app/win32/dialog_template_builder.h"
#include "app/win32/folder_chooser.h"
#include "app/win32/win32_text.h"
#include "dialog/about_template.h"
#include "dialog/accessible_names.h"
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "res/resource.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

std::vector<std::pair<int, AccessibleText>> AccessibleTexts(const DialogTemplate& layout) {
    std::vector<std::pair<int, AccessibleText>> texts;
    for (const ControlTemplate& control : layout.controls) {
        AccessibleText text{ToWide(AccessibleName(layout, control)),
                            ToWide(AccessibleDescription(layout, control))};
        if (!text.name.empty()) {
            texts.emplace_back(control.id, std::move(text));
        }
    }
    return texts;
}

std::wstring LoadResourceString(HINSTANCE instance, UINT id) {
    const wchar_t* text = nullptr;
    // Length 0 asks for a read-only pointer into the resource itself.
    const int length = ::LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

}  // namespace

MessageResult ShowMessageBox(HWND owner, const Win32Message& message) {
    static constexpr UINT kIcons[] = {0, MB_ICONERROR, MB_ICONEXCLAMATION, MB_ICONQUESTION};
    // A stray Enter on a Yes/No question must not write.
    static constexpr UINT kButtons[] = {MB_OK, MB_OKCANCEL, MB_YESNO | MB_DEFBUTTON2};
    const UINT type =
        kButtons[static_cast<int>(message.buttons)] | kIcons[static_cast<int>(message.icon)];
    const int answer =
        ::MessageBoxW(owner, ToWide(message.text).c_str(), ToWide(message.caption).c_str(), type);
    return answer == IDOK || answer == IDYES ? MessageResult::kOk : MessageResult::kCancel;
}

Win32DialogView::Win32DialogView(HINSTANCE instance, const DialogTemplate& layout)
    : instance_(instance),
      template_(BuildDialogTemplate(layout, IDR_MAINFRAME)),
      accessible_texts_(AccessibleTexts(layout)),
      icon_(::LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME))),
      about_label_(LoadResourceString(instance, IDS_ABOUTBOX)),
      presenter_(ShowMessageBox),
      chooser_(ChooseFolder) {}

INT_PTR Win32DialogView::DoModal() {
    return ::DialogBoxIndirectParamW(instance_, AsTemplate(template_), nullptr, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Win32DialogView::DialogProc(HWND hwnd, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lparam);
        // The view rides in the dialog's creation parameter and its user data; Windows hands
        // both back as integers.
        // NOLINTNEXTLINE(performance-no-int-to-ptr)
        reinterpret_cast<Win32DialogView*>(lparam)->hwnd_ = hwnd;
    }
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    auto* view = reinterpret_cast<Win32DialogView*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (view == nullptr) {
        return FALSE;
    }
    return CallGuarded<INT_PTR>(
        TRUE, [&] { return view->OnMessage(message, wparam); },
        [view](const char* what) { view->Fail(what); });
}

// After a failure nothing foresaw the logic's state is unknown: said, the window ends before
// it can write anything.
void Win32DialogView::Fail(const char* what) {
    ShowMessage(FromUtf8(what), Tr(messages::kErrorCaption), MessageButtons::kOk,
                MessageIcon::kError);
    failed_ = true;
    ::EndDialog(hwnd_, kFailed);
}

INT_PTR Win32DialogView::OnMessage(UINT message, WPARAM wparam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            OnCommand(LOWORD(wparam), HIWORD(wparam));
            return TRUE;
        case WM_SYSCOMMAND:
            return OnSysCommand(wparam);
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
        default:
            return FALSE;
    }
}

BOOL Win32DialogView::OnInitDialog() {
    // The drop-down lists, in value-table order.
    for (const ComboBinding& binding : kComboBindings) {
        for (const std::u16string_view entry : binding.table->entries) {
            ::SendDlgItemMessageW(hwnd_, binding.control, CB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(ToWide(Tr(entry)).c_str()));
        }
    }
    for (const auto& [id, text] : accessible_texts_) {
        AnnounceAs(Item(id), text);
    }
    if (HMENU menu = ::GetSystemMenu(hwnd_, FALSE); menu != nullptr && !about_label_.empty()) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, about_label_.c_str());
    }
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    const BOOL result = logic_->OnInitDialog() ? TRUE : FALSE;
    if (after_init_) {
        after_init_(hwnd_);
    }
    return result;  // TRUE: the dialog manager focuses the first tab stop, "OK (Save)"
}

void Win32DialogView::OnCommand(WORD id, WORD code) {
    switch (code) {
        case CBN_SELCHANGE:  // sent for the user's choices only
            if (FindComboBinding(id) != nullptr) {
                // The entry is the list's value to screen readers, and the system's combo
                // box does not say when it changes.
                ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, Item(id), OBJID_CLIENT, CHILDID_SELF);
                logic_->OnSelectionChanged(id);
            }
            break;
        case EN_CHANGE:
            if (!setting_text_) {
                logic_->OnTextChanged(id);
            }
            break;
        case BN_CLICKED:  // also Enter (IDOK), Escape and the close box (IDCANCEL)
            logic_->OnCommand(id);
            break;
        default:
            break;
    }
}

BOOL Win32DialogView::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX) {
        return FALSE;  // move, close, minimise: the default processing
    }
    RunAboutBox(instance_, hwnd_);
    return TRUE;
}

// Minimised, the window draws its icon centred in its client area.
BOOL Win32DialogView::OnPaint() {
    if (!::IsIconic(hwnd_)) {
        return FALSE;
    }
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(hwnd_, &paint);
    ::SendMessageW(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int icon_width = ::GetSystemMetrics(SM_CXICON);
    const int icon_height = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int x = (client.right - client.left - icon_width + 1) / 2;
    const int y = (client.bottom - client.top - icon_height + 1) / 2;
    ::DrawIcon(dc, x, y, icon_);
    ::EndPaint(hwnd_, &paint);
    return TRUE;
}

int Win32DialogView::GetSelection(int id) const {
    const LRESULT selection = ::SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void Win32DialogView::SetSelection(int id, int index) {
    // An index outside the list clears the selection and the edit part.
    ::SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::u16string Win32DialogView::GetText(int id) const {
    HWND item = Item(id);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
    const int length = ::GetWindowTextW(item, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return FromWide(text);
}

void Win32DialogView::SetText(int id, std::u16string_view text) {
    setting_text_ = true;
    ::SetWindowTextW(Item(id), ToWide(text).c_str());
    setting_text_ = false;
}

void Win32DialogView::Enable(int id, bool enabled) {
    ::EnableWindow(Item(id), enabled ? TRUE : FALSE);
}

void Win32DialogView::LimitText(int id, int max_chars) {
    ::SendMessageW(Item(id), EM_LIMITTEXT, static_cast<WPARAM>(max_chars), 0);
}

void Win32DialogView::PlaceCaretAtEnd(int id) {
    HWND item = Item(id);
    const auto length = static_cast<WPARAM>(::GetWindowTextLengthW(item));
    ::SendMessageW(item, EM_SETSEL, length, static_cast<LPARAM>(length));
    ::SendMessageW(item, EM_SCROLLCARET, 0, 0);
}

void Win32DialogView::SetFocus(int id) {
    ::SetFocus(Item(id));
}

// A failure inside a box's own message loop ends the window, but the handler that asked goes
// on: every answer after it is Cancel, so that it writes nothing.
MessageResult Win32DialogView::ShowMessage(std::u16string_view text, std::u16string_view caption,
                                           MessageButtons buttons, MessageIcon icon) {
    if (failed_) {
        return MessageResult::kCancel;
    }
    const MessageResult answer = presenter_(
        hwnd_, Win32Message{std::u16string(text), std::u16string(caption), buttons, icon});
    // cppcheck-suppress knownConditionTrueFalse ; the box's own loop may have failed it
    return failed_ ? MessageResult::kCancel : answer;
}

void Win32DialogView::SetCaption(std::u16string_view caption) {
    ::SetWindowTextW(hwnd_, ToWide(caption).c_str());
}

// vesko.exe runs from the card: started anywhere else, this is where the user finds it.
std::optional<Folder> Win32DialogView::ChooseCardFolder() {
    return failed_ ? std::nullopt : chooser_(hwnd_);
}

void Win32DialogView::EndDialog(DialogResult result) {
    ::EndDialog(hwnd_, result == DialogResult::kOk ? IDOK : IDCANCEL);
}

}  // namespace vesko
