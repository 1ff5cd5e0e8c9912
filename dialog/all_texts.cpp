#include "dialog/all_texts.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "app/launch/launch_texts.h"
#include "app/web/page_texts.h"
#include "dialog/about_template.h"
#include "dialog/dialog_template.h"
#include "dialog/messages.h"
#include "settings/file_problems.h"
#include "settings/file_texts.h"
#include "settings/settings_schema.h"
#include "settings/translation.h"

namespace vesko {

namespace {

// A unit and a range, as the recorder's own screen shows them: never translated.
constexpr std::u16string_view kKept[] = {u"MPH (0-255)"};

class Template {
public:
    void Add(std::u16string_view text, Seen seen, std::u16string_view context = {}) {
        while (text.ends_with(u' ')) {  // the lookup keeps a caption's trailing space
            text.remove_suffix(1);
        }
        if (text.empty() ||
            std::find(std::begin(kKept), std::end(kKept), text) != std::end(kKept)) {
            return;
        }
        auto known =
            std::find_if(entries_.begin(), entries_.end(), [text, context](const ShownText& entry) {
                return entry.text == text && entry.context == context;
            });
        if (known == entries_.end()) {
            known = entries_.insert(known, {context, text, {}});
        }
        known->seen.push_back(seen);
    }

    std::vector<ShownText> Entries() && { return std::move(entries_); }

private:
    std::vector<ShownText> entries_;
};

void AddDialog(Template& pot, const DialogTemplate& dialog, std::string_view name) {
    pot.Add(dialog.caption, {Place::kTitle, name});
    for (const ControlTemplate& control : dialog.controls) {
        pot.Add(control.caption, {Place::kControl, name, &control});
        const ComboBinding* list = FindComboBinding(control.id);
        if (list != nullptr && list->table->words) {
            for (const std::u16string_view entry : list->table->entries) {
                pot.Add(entry, {Place::kListEntry, name, &control});
            }
        }
    }
}

template <typename Texts>
void AddAll(Template& pot, const Texts& texts, Place place) {
    for (const std::u16string_view text : texts) {
        pot.Add(text, {place});
    }
}

}  // namespace

std::vector<ShownText> AllTexts() {
    Template pot;
    AddDialog(pot, kSettingsDialog, "settings window");
    AddDialog(pot, kAboutDialog, "version box");
    for (const Setting& setting : kSettings) {
        pot.Add(EnglishName(setting), {Place::kSettingName}, kSettingNameContext);
        const SettingMessages& said = setting.messages;
        AddAll(pot,
               std::initializer_list<std::u16string_view>{said.too_long, said.bad_character,
                                                          said.too_short, said.saved_too_long,
                                                          said.over_maximum},
               Place::kCheck);
    }
    pot.Add(messages::kListJoin, {Place::kListJoin});
    AddAll(pot, messages::kAll, Place::kMessage);
    AddAll(pot, file_texts::kAll, Place::kFileAccess);
    AddAll(pot, AllReasons(), Place::kReason);
    AddAll(pot, launch_texts::kAll, Place::kCommandLine);
    for (const page_texts::PageText& text : page_texts::kAll) {
        pot.Add(text.english, {Place::kPage});
    }
    return std::move(pot).Entries();
}

std::vector<std::u16string> CatalogKeys() {
    const std::vector<ShownText> shown = AllTexts();
    std::vector<std::u16string> keys(shown.size());
    std::transform(shown.begin(), shown.end(), keys.begin(), [](const ShownText& entry) {
        return entry.context.empty() ? std::u16string(entry.text)
                                     : ContextKey(entry.context, entry.text);
    });
    return keys;
}

}  // namespace vesko
