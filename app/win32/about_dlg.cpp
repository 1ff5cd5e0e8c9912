#include "app/win32/about_dlg.h"

#include <vector>

#include "app/win32/dialog_template_builder.h"
#include "dialog/about_template.h"
#include "res/resource.h"

namespace vesko {

namespace {

INT_PTR CALLBACK CloseOnCommand(HWND hwnd, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
    if (message == WM_INITDIALOG) {
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
