// Apart from the file layer itself, so that vesko.exe, which never asks which card a folder
// is, does not carry it.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstring>

#include "settings/settings_file.h"
#include "settings/win32_card_folder.h"

namespace vesko {

namespace {

// The path the system resolves the file to, or nothing.
std::u16string FinalPath(HANDLE file) {
    std::wstring path(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = ::GetFinalPathNameByHandleW(
            file, path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED);
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return {path.begin(), path.end()};
        }
        path.assign(length, L'\0');
    }
    return {};
}

// The same with the long file ID where the file system has one, and the path the system
// resolves the file to, drive letter and all: cards imaged from one master share their
// volume serial and file IDs, and Wine's IDs need not be unique.
FileIdentity FullIdentityOf(HANDLE file, const BY_HANDLE_FILE_INFORMATION& info) {
    FileIdentity identity = IdentityOf(info);
    FILE_ID_INFO id{};
    if (::GetFileInformationByHandleEx(file, FileIdInfo, &id, sizeof id)) {
        identity.volume = id.VolumeSerialNumber;
        static_assert(sizeof id.FileId == sizeof identity.id);
        std::memcpy(identity.id.data(), &id.FileId, sizeof id.FileId);
    }
    identity.path = FinalPath(file);
    return identity;
}

}  // namespace

std::optional<FileIdentity> CardIdentity(const Folder& folder) {
    std::optional<std::string> name;
    try {
        name = FindSettingsFile(SettingsFileError::ReadFailed, folder);
    } catch (const SettingsFileError&) {
        return std::nullopt;
    }
    std::wstring path = name ? PathIn(folder, *name) : std::wstring(folder.begin(), folder.end());
    if (path.empty()) {
        path = L".";
    }
    // A folder opens only with backup semantics; reading its attributes needs no more.
    const UniqueHandle opened(::CreateFileW(
        path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
        nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!opened.valid() || !::GetFileInformationByHandle(opened.get(), &info)) {
        return std::nullopt;
    }
    return FullIdentityOf(opened.get(), info);
}

}  // namespace vesko
