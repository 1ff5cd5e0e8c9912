// The version box, as data like the settings dialog.
#pragma once

#include "dialog/dialog_template.h"

namespace vesko {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDM_ABOUTBOX = 0x10;  // window-menu command that opens the box

extern const DialogTemplate kAboutDialog;

}  // namespace vesko
