// A text named in a header, held once in the program however many files use it: a string
// literal is copied into every file that names it, a template's argument is not.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace vesko {

template <std::size_t N>
struct Literal {
    char16_t text[N];
    // Implicit, so that a text is written as its literal: kText<u"Error">.
    // cppcheck-suppress noExplicitConstructor
    constexpr Literal(const char16_t (&literal)[N]) { std::copy_n(literal, N, text); }
};

template <Literal L>
inline constexpr std::u16string_view kText{L.text, std::size(L.text) - 1};

}  // namespace vesko
