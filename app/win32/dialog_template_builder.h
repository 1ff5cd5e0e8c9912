// Turns a dialog template table into the in-memory extended dialog template that
// DialogBoxIndirectParamW takes: the layout's only copy, read by both shells.
#pragma once

#include <windows.h>

#include <vector>

#include "dialog/dialog_template.h"

namespace vesko {

// Window styles and class of one control, as the Windows dialog manager creates it.
struct Win32ControlStyle {
    DWORD style;
    DWORD ex_style;
    WORD class_atom;  // predefined class: 0x0080 button, 0x0081 edit, 0x0082 static, 0x0085 combo
};

Win32ControlStyle StyleOf(const ControlTemplate& control);

// DWORD-aligned words of a DLGTEMPLATEEX and its items; `icon_id` names the icon resource
// of icon controls.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& layout, WORD icon_id);

inline const DLGTEMPLATE* AsTemplate(const std::vector<WORD>& words) {
    return reinterpret_cast<const DLGTEMPLATE*>(words.data());
}

}  // namespace vesko
