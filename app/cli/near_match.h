// "Did you mean": only for what looks like a slip of the keys, never a guess at a far-off
// word.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vesko::cli {

std::optional<std::string_view> NearMatch(std::string_view typed,
                                          const std::vector<std::string_view>& words);

}  // namespace vesko::cli
