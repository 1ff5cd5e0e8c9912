#include <system_error>

#include "app/launch/chooser_start_folder.h"

namespace vesko {

std::filesystem::path ChooserStartFolder(const std::filesystem::path& home, std::string_view user,
                                         std::span<const std::filesystem::path> media_roots) {
    if (!user.empty()) {
        for (const std::filesystem::path& root : media_roots) {
            std::error_code error;
            std::filesystem::path media = root / user;
            if (std::filesystem::is_directory(media, error)) {
                return media;
            }
        }
    }
    return home;
}

}  // namespace vesko
