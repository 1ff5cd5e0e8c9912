// Between filesystem paths and card folders, for the code that has std::filesystem anyway
// (vesko-cli, the tests).
#pragma once

#include <filesystem>
#include <string_view>

#include "settings/folder.h"

namespace vesko {

inline Folder FolderOf(const std::filesystem::path& path) {
#ifdef _WIN32
    return {path.native().begin(), path.native().end()};
#else
    return path;
#endif
}

// Paths written in UTF-8 (command lines, profiles), on every system.
inline std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace vesko
