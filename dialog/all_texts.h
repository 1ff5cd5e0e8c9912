// Every text the windows show, once, in one fixed order: po/vesko.pot's, which is also the
// numbering of the catalogs vesko.exe carries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dialog/dialog_template.h"

namespace vesko {

// Where a text is seen; po/make_pot.cpp words each place for translators.
enum class Place {
    kTitle,        // of `window`
    kControl,      // `control`'s caption, in `window`
    kListEntry,    // an entry of `control`'s list, in `window`
    kSettingName,  // a setting's whole name, as screen readers and messages say it
    kCheck,        // what a check of a typed value says
    kListJoin,     // what joins the names in a list of settings
    kMessage,      // a message of the settings window
    kFileAccess,   // what a failed access to the card says
    kReason,       // why the card could not be read or written
    kCommandLine,  // the window program's command line
    kPage,         // the page around the window in a browser
};

struct Seen {
    Place place;
    std::string_view window = {};
    const ControlTemplate* control = nullptr;
};

struct ShownText {
    std::u16string_view context;  // empty for most texts (see Catalog)
    std::u16string_view text;     // as Tr looks it up: without a caption's trailing space
    std::vector<Seen> seen;       // every place, in the order met
};

std::vector<ShownText> AllTexts();

// Each text's key in the catalogs, in the same order: the English, after its context where it
// has one (ContextKey).
std::vector<std::u16string> CatalogKeys();

}  // namespace vesko
