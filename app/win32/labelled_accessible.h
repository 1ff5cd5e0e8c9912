// Windows names a control that has none of its own after the static text before it in the
// tab order, and Wine after the control's own text: for this window's inputs that is a
// neighbour's label or a list's entry. Each input answers the accessibility query itself
// with the standard object, under the name and description of its row. (Annotating the
// standard object through IAccPropServices is not implemented by Wine.)
#pragma once

#include <windows.h>

#include <string>

namespace vesko {

struct AccessibleText {
    std::wstring name;
    std::wstring description;  // empty: the standard object's
};

// `text` must stay until the control is destroyed.
void AnnounceAs(HWND control, const AccessibleText& text);

}  // namespace vesko
