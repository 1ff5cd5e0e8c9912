#include "app/cli/wrap.h"

#include <algorithm>

namespace vesko::cli {

namespace {

// Characters, not bytes: UTF-8 continuation bytes take no column.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Where a continued line starts: the last column's text, or the line's own indent.
std::size_t HangingIndent(std::string_view line) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return 0;
    }
    const std::size_t gap = line.rfind("  ");
    if (gap != std::string_view::npos && gap > start) {
        const std::size_t column = line.find_first_not_of(' ', gap);
        if (column != std::string_view::npos) {
            return Columns(line.substr(0, column));
        }
    }
    return Columns(line.substr(0, start));
}

bool Starts(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// Narrower than this, a continued line starts nearer the left than its column.
constexpr std::size_t kLeastRoom = 24;

void WrapLine(std::string_view line, std::size_t width, BreakAt at, std::string& out) {
    const std::size_t hanging = HangingIndent(line);
    const std::size_t indent =
        hanging + kLeastRoom <= width ? hanging : std::min(hanging, width / 2);
    bool first = true;
    for (;;) {
        const std::size_t room = first ? width : width - indent;
        if (!first) {
            out.append(indent, ' ');
        }
        if (Columns(line) <= room) {
            break;
        }
        // The last space within the room, past the columns a continued line starts under.
        std::size_t cut = std::string_view::npos;
        std::size_t column = 0;
        for (std::size_t i = 0; i < line.size() && column <= room; ++i) {
            const bool may_break = at == BreakAt::kSpaces || (i > 0 && line[i - 1] == '|');
            if (line[i] == ' ' && may_break && column >= (first ? indent : std::size_t{1})) {
                cut = i;
            }
            column += Starts(line[i]) ? 1U : 0U;
        }
        if (cut == std::string_view::npos) {
            break;  // a word wider than the room stays whole
        }
        std::string_view head = line.substr(0, cut);
        const std::size_t last = head.find_last_not_of(' ');
        if (last == std::string_view::npos) {
            break;
        }
        out.append(head.substr(0, last + 1)).append("\n");
        line.remove_prefix(cut);
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        first = false;
    }
    out.append(line).append("\n");
}

}  // namespace

std::string Wrapped(std::string_view text, int width, BreakAt at) {
    std::string out;
    const auto room = static_cast<std::size_t>(std::max(width, 20));
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        WrapLine(text.substr(0, end), room, at, out);
        if (end == std::string_view::npos) {
            out.pop_back();  // the text had no line break at its end
            break;
        }
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace vesko::cli
