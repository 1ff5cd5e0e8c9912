// Input as messages may show it: a key, a value or a name can hold anything, and a terminal
// acts on some of it.
#pragma once

#include <string>
#include <string_view>

namespace vesko::cli {

// Control characters as \0, \t, \x1b or \u009b, marks that turn text around as \u202e,
// bytes that are no UTF-8 as \xc1; whole, never cut at a NUL, and nothing else changed.
std::string Safe(std::string_view text);
// The same in double quotes.
std::string Quoted(std::string_view text);

// Typed text (a key, a value) as the settings take it. Throws BadInput naming `what` where
// it is not valid UTF-8, rather than guess at other characters.
std::u16string TypedText(std::string_view text, std::string_view what);

}  // namespace vesko::cli
