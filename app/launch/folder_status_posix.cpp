#include <system_error>

#include "app/launch/folder_status.h"

namespace vesko {

FolderStatus StatusOf(const Folder& folder) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {FolderStatus::Kind::kMissing};
    }
    if (error) {
        return {FolderStatus::Kind::kUnreadable, error.message()};
    }
    return {status.type() == std::filesystem::file_type::directory
                ? FolderStatus::Kind::kFolder
                : FolderStatus::Kind::kNotAFolder};
}

}  // namespace vesko
