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
    void Add(std::u16string_view text, const std::string& note, std::u16string_view context = {}) {
        while (text.ends_with(u' ')) {  // the lookup keeps a caption's trailing space
            text.remove_suffix(1);
        }
        if (text.empty() ||
            std::find(std::begin(kKept), std::end(kKept), text) != std::end(kKept)) {
            return;
        }
        const auto known =
            std::find_if(entries_.begin(), entries_.end(), [text, context](const ShownText& entry) {
                return entry.text == text && entry.context == context;
            });
        if (known == entries_.end()) {
            entries_.push_back({context, text, {note}});
        } else if (std::find(known->notes.begin(), known->notes.end(), note) ==
                   known->notes.end()) {
            known->notes.push_back(note);
        }
    }

    std::vector<ShownText> Entries() && { return std::move(entries_); }

private:
    std::vector<ShownText> entries_;
};

std::string Kind(const ControlTemplate& control) {
    switch (control.kind) {
        case ControlKind::kPushButton:
            return "Button";
        case ControlKind::kLabel:
            return (control.styles & kSunken) != 0 ? "Setting label" : "Label";
        default:
            return "Control";
    }
}

std::string Size(const DialogRect& rect) {
    return std::to_string(rect.width) + " x " + std::to_string(rect.height) +
           " dialog units: keep it about as long as the English";
}

void AddDialog(Template& pot, const DialogTemplate& dialog, const std::string& name) {
    pot.Add(dialog.caption, "Title of the " + name);
    for (const ControlTemplate& control : dialog.controls) {
        pot.Add(control.caption, Kind(control) + " in the " + name + ", " + Size(control.rect));
        const ComboBinding* list = FindComboBinding(control.id);
        if (list != nullptr && list->table->words) {
            for (const std::u16string_view entry : list->table->entries) {
                pot.Add(entry, "Entry of a list in the " + name + ", " + Size(control.rect));
            }
        }
    }
}

template <typename Texts>
void AddAll(Template& pot, const Texts& texts, const std::string& note) {
    for (const std::u16string_view text : texts) {
        pot.Add(text, note);
    }
}

}  // namespace

std::vector<ShownText> AllTexts() {
    Template pot;
    AddDialog(pot, kSettingsDialog, "settings window");
    AddDialog(pot, kAboutDialog, "version box");
    for (const Setting& setting : kSettings) {
        pot.Add(EnglishName(setting),
                "The name of a setting, whole, as screen readers say it for its input and as "
                "messages quote it (\"Another program has changed: %1.\"). Write it as a noun "
                "phrase in the nominative and in full: no abbreviation, whatever its label has",
                kSettingNameContext);
        const SettingMessages& said = setting.messages;
        AddAll(pot,
               std::initializer_list<std::u16string_view>{said.too_long, said.bad_character,
                                                          said.too_short, said.saved_too_long,
                                                          said.over_maximum},
               "What a check of a typed value says");
    }
    pot.Add(messages::kListJoin, "Joins the names in a list of settings, one pair at a time");
    AddAll(pot, messages::kAll, "A message of the settings window");
    AddAll(pot, file_texts::kAll, "What a failed access to the card says");
    AddAll(pot, AllReasons(), "A reason why the card could not be read or written (%2 above)");
    AddAll(pot, launch_texts::kAll, "The window program's command line (vesko --help, errors)");
    for (const page_texts::PageText& text : page_texts::kAll) {
        pot.Add(text.english, "What the page around the window in a browser says");
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
