// Every text the windows show, once, in one fixed order: po/vesko.pot's, which is also the
// numbering of the catalogs vesko.exe carries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesko {

struct ShownText {
    std::u16string_view context;     // empty for most texts (see Catalog)
    std::u16string_view text;        // as Tr looks it up: without a caption's trailing space
    std::vector<std::string> notes;  // where it appears and how much room it has there
};

std::vector<ShownText> AllTexts();

// Each text's key in the catalogs, in the same order: the English, after its context where it
// has one (ContextKey).
std::vector<std::u16string> CatalogKeys();

}  // namespace vesko
