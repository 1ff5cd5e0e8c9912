// Text for people at a terminal: long lines broken at spaces to its width.
#pragma once

#include <string>
#include <string_view>

namespace vesko::cli {

// What a terminal is taken to be when the output is no terminal.
inline constexpr int kDefaultWidth = 80;

// Each line of `text` wider than `width` characters broken at spaces; the lines it goes on
// in start under the text of a column (after a run of two or more spaces), as help and the
// key table lay it out, else under the line's own start. A word longer than the width stays
// whole.
// kBars: only after a " | ", so that a list of entries breaks between entries.
enum class BreakAt { kSpaces, kBars };
std::string Wrapped(std::string_view text, int width, BreakAt at = BreakAt::kSpaces);

}  // namespace vesko::cli
