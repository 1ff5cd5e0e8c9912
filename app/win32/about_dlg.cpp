#include "app/win32/about_dlg.h"

#include <algorithm>
#include <vector>

#include "app/win32/dialog_template_builder.h"
#include "dialog/about_template.h"
#include "res/resource.h"

namespace vesko {

namespace {

// Over the middle of its owner, kept inside the owner's screen.
void CenterOnOwner(HWND hwnd) noexcept {
    HWND owner = ::GetWindow(hwnd, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT box{};
    RECT around{};
    if (owner == nullptr || !::GetWindowRect(hwnd, &box) || !::GetWindowRect(owner, &around) ||
        !::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const RECT& work = monitor.rcWork;
    const LONG width = box.right - box.left;
    const LONG height = box.bottom - box.top;
    const LONG x = std::clamp((around.left + around.right - width) / 2, work.left,
                              std::max(work.left, work.right - width));
    const LONG y = std::clamp((around.top + around.bottom - height) / 2, work.top,
                              std::max(work.top, work.bottom - height));
    ::SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Nothing but system calls: nothing to throw.
INT_PTR CALLBACK CloseOnCommand(HWND hwnd, UINT message, WPARAM wparam,
                                LPARAM /*lparam*/) noexcept {
    if (message == WM_INITDIALOG) {
        CenterOnOwner(hwnd);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
        ::EndDialog(hwnd, LOWORD(wparam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR RunSimpleDialog(HINSTANCE instance, const DialogTemplate& layout, HWND owner) {
    const std::vector<WORD> words = BuildDialogTemplate(layout, IDR_MAINFRAME);
    return ::DialogBoxIndirectParamW(instance, AsTemplate(words), owner, CloseOnCommand, 0);
}

void RunAboutBox(HINSTANCE instance, HWND owner) {
    RunSimpleDialog(instance, kAboutDialog, owner);
}

}  // namespace vesko
