// A card's folder as this system's file calls take it; empty is the current folder. On
// Windows the UTF-16 path itself, so that the one-file program links no std::filesystem
// (and with it the C++ library's whole locale machinery); elsewhere a filesystem path.
#pragma once

#include <string>
#include <string_view>

#ifdef _WIN32
namespace vesko {
using Folder = std::u16string;
}  // namespace vesko
#else
#include <filesystem>
namespace vesko {
using Folder = std::filesystem::path;
}  // namespace vesko
#endif

namespace vesko {

// A folder typed in UTF-8 (a command line); on POSIX its bytes as they are.
Folder FolderFromUtf8(std::string_view text);
// How messages show it: UTF-8 (on POSIX: its bytes as they are).
std::string FolderText(const Folder& folder);

// The folder as its user knows it, for a question about it: whole, from the drive letter or
// the root ("E:\\", "/media/ann/CARD"), the current folder included.
std::u16string FolderAsKnown(const Folder& folder);

}  // namespace vesko
