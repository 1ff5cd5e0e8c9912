// Where the Linux program's folder chooser starts.
#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace vesko {

// The folder the desktop mounts the user's removable media in, when there is one, otherwise
// `home`.
std::filesystem::path ChooserStartFolder(const std::filesystem::path& home, std::string_view user,
                                         std::span<const std::filesystem::path> media_roots);

}  // namespace vesko
