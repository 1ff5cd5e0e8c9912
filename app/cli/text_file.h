// Text files people give vesko-cli (profiles, lists of cards), in the encodings Windows tools
// write them: UTF-8 with or without a byte-order mark, UTF-16 with one (PowerShell's ">").
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace vesko::cli {

// `bytes` as UTF-8 without a byte-order mark. Throws BadInput naming `name` for anything
// else, and how to mend it.
std::string TextAsUtf8(std::string_view bytes, std::string_view name);

// What a text file is to vesko-cli, for its messages and its limit.
struct TextFileKind {
    std::string_view noun;  // "profile"
    std::string_view is;    // "a JSON file"
    std::size_t limit;
    std::string_view limit_text;  // "64 KiB"
};

// The file at `path` (standard input for "-") as UTF-8. Only a regular file is read: anything
// else could block for ever or is a mix-up. Throws BadInput when it cannot be read.
std::string ReadTextFile(const std::string& path, std::istream& standard_input,
                         const TextFileKind& kind);

}  // namespace vesko::cli
