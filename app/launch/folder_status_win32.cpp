#include <windows.h>

#include "app/launch/folder_status.h"
#include "settings/text_conversion.h"
#include "settings/win32_system_reason.h"

namespace vesko {

FolderStatus StatusOf(const Folder& folder) {
    const std::wstring path(folder.begin(), folder.end());
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        // As std::filesystem sorts them: a share or name that cannot be there is not there.
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_BAD_NETPATH || error == ERROR_BAD_NET_NAME ||
            error == ERROR_INVALID_NAME) {
            return {FolderStatus::Kind::kMissing};
        }
        return {FolderStatus::Kind::kUnreadable, ToUtf8(SystemReason(error))};
    }
    return {(attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FolderStatus::Kind::kFolder
                                                         : FolderStatus::Kind::kNotAFolder};
}

}  // namespace vesko
