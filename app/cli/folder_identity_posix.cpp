#include <sys/stat.h>

#include "app/cli/folder_identity.h"

namespace vesko::cli {

std::optional<FolderIdentity> IdentityOf(const std::filesystem::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FolderIdentity{static_cast<std::uint64_t>(info.st_dev),
                          static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace vesko::cli
