#include "app/cli/card_list.h"

#include "app/cli/cli_errors.h"
#include "app/cli/safe_text.h"
#include "app/cli/text_file.h"

namespace vesko::cli {

std::vector<std::string> ReadCardList(const std::string& path, std::istream& standard_input) {
    const std::string text = ReadTextFile(
        path, standard_input, {"list of cards", "a text file", kMaxCardListBytes, "4 MiB"});
    std::vector<std::string> cards;
    std::size_t start = 0;
    for (std::size_t number = 1; start <= text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line(text.data() + start, end - start);
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!line.empty() && blank(line.front())) {
            line.remove_prefix(1);
        }
        while (!line.empty() && blank(line.back())) {
            line.remove_suffix(1);
        }
        if (line.find('\0') != std::string_view::npos) {  // would name another folder
            throw BadInput((path == "-" ? std::string("standard input") : Safe(path)) + ": line " +
                           std::to_string(number) +
                           " holds a NUL character, which no card's "
                           "name can");
        }
        if (!line.empty() && !line.starts_with('#')) {
            cards.emplace_back(line);
        }
        start = end + 1;
    }
    return cards;
}

}  // namespace vesko::cli
