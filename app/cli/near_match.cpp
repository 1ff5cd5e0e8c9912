#include "app/cli/near_match.h"

#include <algorithm>
#include <numeric>

namespace vesko::cli {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edits from one to the other, a swap of two neighbours counting as one; case is no edit.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    std::iota(d[0].begin(), d[0].end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = Lower(a[i - 1]) == Lower(b[j - 1]);
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + !same});
            if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) &&
                Lower(a[i - 2]) == Lower(b[j - 1])) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
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
