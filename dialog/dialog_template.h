// The settings dialog as data: the only copy of its layout. Every shell builds its window
// from these tables.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "settings/settings_record.h"
#include "settings/settings_schema.h"
#include "settings/value_tables.h"

namespace vesko {

// Lists are picked from, never typed into: what a list shows is what is stored.
enum class ControlKind { kPushButton, kDropDownList, kEdit, kLabel, kIcon };

// Style flags, named for what they do rather than for one toolkit's constants.
enum Style : std::uint32_t {
    kTabStop = 1u << 0,
    kDefaultButton = 1u << 1,
    kRightAligned = 1u << 2,
    kCentered = 1u << 3,
    kSunken = 1u << 4,       // sunken label frame
    kBorder = 1u << 5,       // plain border of an edit box
    kStaticEdge = 1u << 6,   // three-dimensional border for controls that take no input
    kClientEdge = 1u << 7,   // sunken client edge
    kVScroll = 1u << 8,      // vertical scroll bar on a combo box's list
    kAutoHScroll = 1u << 9,  // scroll the text horizontally while typing
    kReadOnly = 1u << 10,
    kNoPrefix = 1u << 11,  // an ampersand in the caption is shown, not taken as a mnemonic
};

// Position and size in dialog units of the dialog font.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct ControlTemplate {
    int id;                 // IDC_STATIC for plain labels
    std::string_view name;  // the identifier's name, for finding the control by name
    ControlKind kind;
    std::uint32_t styles;
    DialogRect rect;
    std::u16string_view caption;
    // The settings-schema key of the setting this control shows, or labels, or goes with.
    std::string_view key = {};
};

struct DialogTemplate {
    int id;
    int width;
    int height;
    std::u16string_view font_name;
    int font_points;
    std::u16string_view caption;
    bool in_task_bar;  // an application window of its own, not a box of another
    std::span<const ControlTemplate> controls;
};

// A drop-down list: its entries and the record byte its selection is stored in, as the
// schema says for the setting the list shows.
struct ComboBinding {
    int control;
    Field field;
    const ValueTable* table;
};

struct EditLimit {
    int control;
    int max_chars;
};

extern const DialogTemplate kSettingsDialog;

// The 19 drop-down lists, in the order the dialog fills them from the record.
extern const std::span<const ComboBinding> kComboBindings;

// Input length limits of the four editable text fields.
extern const std::span<const EditLimit> kEditLimits;

// The control that shows a setting, and the setting a control shows (nullptr: none).
int InputOf(const Setting& setting);
const Setting* SettingShownBy(int control);

// The control, or nullptr when the template has none with that identifier.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);
const ComboBinding* FindComboBinding(int control);

// Where the focus lands when the dialog opens: its earliest tab stop.
int FirstTabStop(const DialogTemplate& dialog);

}  // namespace vesko
