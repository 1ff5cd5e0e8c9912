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

// The first character of `text` beyond ASCII, as " (U+2011 at 6)" (its position counted in
// characters from 1), for a name that looks like another; empty where there is none.
std::string LookAlikeNote(std::string_view text);

// Blanks and hyphens as people's tools type them (a no-break space, a Unicode hyphen or minus
// sign) as the ASCII ones they look like.
std::string AsciiLookAlikes(std::string_view text);
char16_t AsciiLookAlike(char16_t c);

// Typed text (a key, a value) as the settings take it. Throws BadInput naming `what` where
// it is not valid UTF-8, rather than guess at other characters.
std::u16string TypedText(std::string_view text, std::string_view what);

}  // namespace vesko::cli
