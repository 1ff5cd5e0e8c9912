#include "dialog/accessible_names.h"

#include <algorithm>
#include <cstdlib>

#include "settings/translation.h"

namespace vesko {

namespace {

bool IsInput(const ControlTemplate& control) {
    return control.kind == ControlKind::kDropDownList || control.kind == ControlKind::kEdit;
}

bool IsSunken(const ControlTemplate& control) {
    return (control.styles & kSunken) != 0;
}

// Rows are drawn a unit or two apart where the eye still reads them as one line.
bool SameRow(const ControlTemplate& a, const ControlTemplate& b) {
    return std::abs(a.rect.y - b.rect.y) <= 2;
}

template <typename Predicate>
const ControlTemplate* FindLabel(const DialogTemplate& dialog, Predicate predicate) {
    const auto it = std::find_if(
        dialog.controls.begin(), dialog.controls.end(),
        [&](const ControlTemplate& c) { return c.kind == ControlKind::kLabel && predicate(c); });
    return it == dialog.controls.end() ? nullptr : &*it;
}

std::u16string TrimmedCaption(const ControlTemplate& label) {
    std::u16string caption = Tr(label.caption);
    const auto end = caption.find_last_not_of(u' ');
    caption.resize(end == std::u16string::npos ? 0 : end + 1);
    return caption;
}

}  // namespace

std::u16string AccessibleName(const DialogTemplate& dialog, const ControlTemplate& control) {
    if (!IsInput(control)) {
        return {};
    }
    if (const Setting* setting = FindSetting(control.key)) {
        return DisplayName(*setting);
    }
    const ControlTemplate* label = RowLabel(dialog, control);
    return label != nullptr ? TrimmedCaption(*label) : std::u16string();
}

const ControlTemplate* RowLabel(const DialogTemplate& dialog, const ControlTemplate& control) {
    return FindLabel(dialog, [&control](const ControlTemplate& c) {
        return IsSunken(c) && SameRow(c, control) && c.rect.x < control.rect.x;
    });
}

std::u16string NameBeyondLabel(const ControlTemplate& control) {
    const Setting* setting = IsInput(control) ? FindSetting(control.key) : nullptr;
    return setting != nullptr && !setting->name.empty() ? DisplayName(*setting) : std::u16string();
}

std::u16string AccessibleDescription(const DialogTemplate& dialog, const ControlTemplate& control) {
    if (!IsInput(control) || control.key.empty()) {
        return {};
    }
    const ControlTemplate* label = FindLabel(dialog, [&control](const ControlTemplate& c) {
        return !IsSunken(c) && c.key == control.key && SameRow(c, control) &&
               c.rect.x >= control.rect.x + control.rect.width;
    });
    return label != nullptr ? TrimmedCaption(*label) : std::u16string();
}

}  // namespace vesko
