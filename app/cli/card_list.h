// A list of cards in a file, for --cards-from: a fleet's cards do not fit on one Windows
// command line.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace vesko::cli {

inline constexpr std::size_t kMaxCardListBytes = 4 << 20;

// One card a line of `path` (standard input for "-"), in UTF-8 or UTF-16 with a byte-order
// mark; blank lines and lines starting with # are passed over, and a line's Windows line end
// and surrounding blanks are no part of its card. Throws BadInput when it cannot be read.
std::vector<std::string> ReadCardList(const std::string& path, std::istream& standard_input);

}  // namespace vesko::cli
