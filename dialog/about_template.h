// The version box, as data like the settings dialog.
#pragma once

#include "dialog/dialog_template.h"

namespace vesko {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDR_MAINFRAME = 128;  // the application icon
inline constexpr int IDS_ABOUTBOX = 101;   // label of the window-menu entry; none is shipped
inline constexpr int IDM_ABOUTBOX = 0x10;

extern const DialogTemplate kAboutDialog;

}  // namespace vesko
