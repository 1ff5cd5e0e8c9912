#include "app/win32/about_dlg.h"

#include <vector>

#include "app/win32/dialog_template_builder.h"
#include "dialog/about_template.h"
#include "res/resource.h"

namespace vesko {

namespace {

INT_PTR CALLBACK AboutProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM /*lparam*/) {
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

void RunAboutBox(HINSTANCE instance, HWND owner) {
    const std::vector<WORD> layout = BuildDialogTemplate(kAboutDialog, IDR_MAINFRAME);
    ::DialogBoxIndirectParamW(instance, AsTemplate(layout), owner, AboutProc, 0);
}

}  // namespace vesko
