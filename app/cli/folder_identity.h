// Which folder a path leads to, however it is written (relative, through a link, with a
// drive letter or another mount): the same folder has the same identity.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace vesko::cli {

struct FolderIdentity {
    std::uint64_t volume;
    std::uint64_t index;  // within the volume
    bool operator==(const FolderIdentity&) const = default;
};

// Nothing when the folder cannot be looked at.
std::optional<FolderIdentity> IdentityOf(const std::filesystem::path& folder);

}  // namespace vesko::cli
