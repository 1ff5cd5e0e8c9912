// The one lookup every text the windows show goes through. The English text is its own key,
// as translators' tools expect. A window installs the catalog of the user's language at
// start; nothing else does, so vesko-cli and the tests stay in English.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace vesko {

// The translation of `english`, or nothing where the catalog has none. A text that needs a
// translation of its own where the same English means something else carries gettext's
// context before it, as .mo files key it: "setting name\x04DST Mode".
using Catalog = std::function<std::optional<std::u16string>(std::u16string_view english)>;

// An empty catalog goes back to English.
void UseCatalog(Catalog catalog);

// `english` in the window's language. A caption's trailing space (labels keep one before
// their frame) stays out of the key and is kept.
std::u16string Tr(std::u16string_view english);

// `english` as what `context` says it is; see Catalog.
std::u16string TrIn(std::u16string_view context, std::u16string_view english);

// The key of `english` in `context`, as catalogs hold it.
std::u16string ContextKey(std::u16string_view context, std::u16string_view english);

// `pattern` with %1 to %9 replaced by `values`, in one pass: a value holding "%1" (a
// firmware version read from the card) stays as it is.
template <typename Char>
std::basic_string<Char> FillIn(std::basic_string_view<Char> pattern,
                               std::initializer_list<std::basic_string_view<Char>> values) {
    std::basic_string<Char> out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const Char next = i + 1 < pattern.size() ? pattern[i + 1] : Char{};
        const auto index = static_cast<std::size_t>(next - Char{'1'});
        if (pattern[i] == Char{'%'} && next >= Char{'1'} && next <= Char{'9'} &&
            index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

// The window's own UTF-8 texts (its command line): `pattern` translated, filled in with
// `values` as they are, whatever bytes they hold.
std::string TrFillUtf8(std::u16string_view pattern, std::initializer_list<std::string_view> values);

// Tr, then FillIn.
std::u16string TrFill(std::u16string_view pattern,
                      std::initializer_list<std::u16string_view> values);

}  // namespace vesko
