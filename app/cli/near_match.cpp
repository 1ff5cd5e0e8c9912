#include "app/cli/near_match.h"

#include <algorithm>
#include <numeric>

namespace vesko::cli {

namespace {

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::optional<std::string_view> NearMatch(std::string_view typed,
                                          const std::vector<std::string_view>& words) {
    const auto nearest = std::min_element(words.begin(), words.end(), [typed](auto a, auto b) {
        return EditDistance(typed, a) < EditDistance(typed, b);
    });
    // About one slip in four characters, and at least one.
    if (nearest == words.end() ||
        EditDistance(typed, *nearest) > std::max<std::size_t>(1, nearest->size() / 4)) {
        return std::nullopt;
    }
    return *nearest;
}

}  // namespace vesko::cli
