#include "app/cli/card_list.h"

#include "app/cli/text_file.h"

namespace vesko::cli {

std::vector<std::string> ReadCardList(const std::string& path, std::istream& standard_input) {
    const std::string text = ReadTextFile(
        path, standard_input, {"list of cards", "a text file", kMaxCardListBytes, "4 MiB"});
    std::vector<std::string> cards;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!line.empty() && blank(line.front())) {
            line.remove_prefix(1);
        }
        while (!line.empty() && blank(line.back())) {
            line.remove_suffix(1);
        }
        if (!line.empty() && !line.starts_with('#')) {
            cards.emplace_back(line);
        }
        start = end + 1;
    }
    return cards;
}

}  // namespace vesko::cli
