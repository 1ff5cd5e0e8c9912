// The version box, from its own template.
#pragma once

#include <windows.h>

namespace vesko {

// CAboutDlg: no data, no handlers of its own beyond closing.
void RunAboutBox(HINSTANCE instance, HWND owner);

}  // namespace vesko
