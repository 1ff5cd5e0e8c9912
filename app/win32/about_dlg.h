// The version box, from its own template.
#pragma once

#include <windows.h>

#include "dialog/dialog_template.h"

namespace vesko {

// A modal dialog with no logic of its own: OK, Escape and the close box end it.
INT_PTR RunSimpleDialog(HINSTANCE instance, const DialogTemplate& layout, HWND owner);

// CAboutDlg: no data, no handlers of its own beyond closing.
void RunAboutBox(HINSTANCE instance, HWND owner);

}  // namespace vesko
