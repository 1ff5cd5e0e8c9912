// On Linux a list is known to screen readers by its entry, as Qt and the screen readers have
// it, and its label reaches them through the label's relation. Qt takes that relation from a
// label's buddy, which one label serving two lists (the DST rows) cannot give both: each list
// here names its row's label itself and says in its description which part of the row it is.
#pragma once

#include <QComboBox>
#include <QLabel>

#include <string_view>

namespace vesko {

// Once per process, before the first list is asked for its accessible interface.
void InstallListAccessibility();

// `label` starts the list's row; `description` says what the label does not (its part).
void LabelList(QComboBox& list, QLabel& label, std::u16string_view description);

}  // namespace vesko
