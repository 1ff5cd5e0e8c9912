// What a screen reader announces for an input of a dialog: the label of its row, so that a
// list is not known by its selected entry alone nor a text field by nothing.
#pragma once

#include <string>

#include "dialog/dialog_template.h"

namespace vesko {

// A list or text field: its setting's display name ("DST Start week"), or for a field that
// shows no setting the caption of the sunken label on its row, trailing blanks trimmed.
// Empty for other controls, which carry their own caption.
std::u16string AccessibleName(const DialogTemplate& dialog, const ControlTemplate& control);

// The sunken label that starts the input's row, or nullptr.
const ControlTemplate* RowLabel(const DialogTemplate& dialog, const ControlTemplate& control);

// Where one label serves two inputs, the input's whole name ("DST Start week"), which the
// label alone does not say; empty elsewhere. For toolkits that name a list by its label.
std::u16string NameBeyondLabel(const ControlTemplate& control);

// A plain label to the right of an input that goes with its setting ("MPH (0-255)"); empty
// where there is none.
std::u16string AccessibleDescription(const DialogTemplate& dialog, const ControlTemplate& control);

}  // namespace vesko
