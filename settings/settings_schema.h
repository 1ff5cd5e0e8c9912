// Every user setting of the record: its key, its label, its bytes, its kind, its entries
// or limits, and what each of its checks says. The window, the command line and the
// accessible names all read this table; adding a setting is one row here and one in the
// dialog template.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings_record.h"
#include "settings/value_tables.h"

namespace vesko {

enum class SettingKind { kList, kNumber, kText };

// What the checks of a setting say when they refuse a value.
struct SettingMessages {
    std::u16string_view too_long = {};  // typing: a text longer than its field
    std::u16string_view bad_character =
        {};                              // typing and saving: a character the recorder won't take
    std::u16string_view too_short = {};  // saving: shorter than `min_length`
    std::u16string_view saved_too_long =
        {};  // saving: longer than `max_saved`; empty refuses silently
    std::u16string_view over_maximum = {};  // saving a number: above `max_value`
};

struct Setting {
    std::string_view key = {};       // stable, for scripts: "video-resolution"
    std::u16string_view label = {};  // the window's label of its row, without the trailing blank
    std::u16string_view name = {};   // where one label serves two inputs: the whole name
    Field field = {};
    SettingKind kind = SettingKind::kList;
    const ValueTable* table = nullptr;  // lists
    std::size_t max_typed = 0;          // texts and numbers: the most characters the window takes
    std::size_t min_length = 0;         // texts: the shortest a save takes
    std::size_t max_saved = 0;          // texts: the longest a save takes; 0: no check
    unsigned max_value = 0;             // numbers
    SettingMessages messages = {};
};

// In the order the window fills them and checks them at save: the lists, then the texts,
// then the number.
extern const std::span<const Setting> kSettings;

// The setting with that key, or nullptr.
const Setting* FindSetting(std::string_view key);

// What screen readers and messages call a setting ("DST Start week"): unique among the
// settings, in the window's language. Translated on its own, apart from the row's label, so
// that each language can say it whole where a label is cut short or a name takes a case.
std::u16string DisplayName(const Setting& setting);

// The context that sets a setting's name apart from its label in the catalogs.
inline constexpr std::u16string_view kSettingNameContext = u"setting name";

// The English of DisplayName.
std::u16string_view EnglishName(const Setting& setting);

// Bytes the recorder owns or the save itself fills: no user setting, never set by key.
struct RecorderField {
    std::string_view key;
    Field field;
};
extern const std::span<const RecorderField> kRecorderFields;

}  // namespace vesko
