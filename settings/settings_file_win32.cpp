#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/file_problems.h"
#include "settings/save_sequence.h"
#include "settings/settings_file.h"
#include "settings/win32_card_folder.h"
#include "settings/win32_file_calls.h"
#include "settings/win32_system_reason.h"

namespace vesko {

namespace {

std::u16string Reason(DWORD error) {
    switch (error) {
        case ERROR_WRITE_PROTECT:
            return std::u16string(ReasonFor(FileProblem::kWriteProtected));
        case ERROR_CRC:
        case ERROR_IO_DEVICE:
        case ERROR_SECTOR_NOT_FOUND:
            return std::u16string(ReasonFor(FileProblem::kIoError));
        case ERROR_NOT_READY:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_PATH_NOT_FOUND:  // the card's folder went with the card
            return std::u16string(ReasonFor(FileProblem::kCardGone));
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return std::u16string(ReasonFor(FileProblem::kCardFull));
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return std::u16string(ReasonFor(FileProblem::kInUse));
        default:
            return SystemReason(error);
    }
}

[[noreturn]] void Fail(Failure failure, DWORD error) {
    throw failure(Reason(error));
}

[[noreturn]] void Fail(Failure failure, FileProblem problem) {
    throw failure(ReasonFor(problem));
}

}  // namespace

// The folder and a name with one separator between; "E:" stays drive-relative, as a
// filesystem path would keep it.
std::wstring PathIn(const Folder& folder, std::string_view name) {
    std::wstring path(folder.begin(), folder.end());
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/' && path.back() != L':') {
        path += L'\\';
    }
    return path + std::wstring(name.begin(), name.end());
}

namespace {

// A link (any reparse point) is opened as itself, never followed to its target.
UniqueHandle Open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    return UniqueHandle(FileCalls().Create(path.c_str(), access, share, disposition,
                                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT));
}

BY_HANDLE_FILE_INFORMATION Inspect(Failure failure, HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!FileCalls().QueryInformation(file, &info)) {
        Fail(failure, ::GetLastError());
    }
    if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        Fail(failure, FileProblem::kNotAFile);
    }
    return info;
}

}  // namespace

// The volume and the file's index in it, which QueryInformation gave.
FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info) {
    FileIdentity identity;
    identity.volume = info.dwVolumeSerialNumber;
    const std::uint64_t index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    std::memcpy(identity.id.data(), &index, sizeof index);
    return identity;
}

namespace {

// Access is denied to a folder and to a file with the read-only attribute: name that reason
// when it is the one.
[[noreturn]] void FailDenied(Failure failure, const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        Fail(failure, FileProblem::kNotAFile);
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        Fail(failure, FileProblem::kReadOnly);
    }
    Fail(failure, ERROR_ACCESS_DENIED);
}

[[noreturn]] void FailOpen(Failure failure, DWORD error, const std::wstring& path) {
    if (error == ERROR_ACCESS_DENIED) {
        FailDenied(failure, path);
    }
    Fail(failure, error);
}

struct FindCloser {
    void operator()(HANDLE find) const { ::FindClose(find); }
};

}  // namespace

// config.bin's name as the folder spells it, or nothing; a second spelling, which only a
// case-sensitive folder can hold, is refused. The wildcard makes the system list every
// spelling rather than the first it finds.
std::optional<std::string> FindSettingsFile(Failure failure, const Folder& folder) {
    WIN32_FIND_DATAW entry{};
    const HANDLE first = ::FindFirstFileExW(PathIn(folder, "config.bi?").c_str(), FindExInfoBasic,
                                            &entry, FindExSearchNameMatch, nullptr, 0);
    if (first == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return std::nullopt;
        }
        Fail(failure, error);
    }
    const std::unique_ptr<void, FindCloser> find(first);
    std::vector<std::string> matches;
    do {
        const std::wstring_view name = entry.cFileName;
        if (IsSettingsFileName(name)) {
            matches.emplace_back(name.begin(), name.end());
        }
    } while (::FindNextFileW(find.get(), &entry));
    return PickSettingsFile(std::move(matches), failure);
}

namespace {

// Removes a file this write created; the write has failed already, so this only tidies up.
void RemoveCreated(const std::wstring& path) {
    const UniqueHandle file = Open(path, DELETE, 0, OPEN_EXISTING);
    if (file.valid()) {
        FileCalls().MarkForDeletion(file.get());
    }
}

std::vector<std::uint8_t> ReadAll(HANDLE file) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    std::vector<std::uint8_t> bytes(SettingsRecord::kSize * 2);
    std::size_t done = 0;
    for (;;) {
        DWORD got = 0;
        if (!FileCalls().Read(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                              &got)) {
            Fail(kFailure, ::GetLastError());
        }
        if (got == 0) {
            break;
        }
        done += got;
        if (done > kMaxSettingsFileSize) {
            Fail(kFailure, FileProblem::kTooLarge);
        }
        if (done == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
    }
    bytes.resize(done);
    return bytes;
}

// `info`: what Inspect found of `file`.
CardFile ReadCardFile(HANDLE file, const std::string& name,
                      const BY_HANDLE_FILE_INFORMATION& info) {
    if (info.nFileSizeHigh != 0 || info.nFileSizeLow > kMaxSettingsFileSize) {
        Fail(SettingsFileError::ReadFailed, FileProblem::kTooLarge);
    }
    return {name, IdentityOf(info), ReadAll(file)};
}

// `bytes` at offset 0, flushed to the card.
void WriteAll(Failure failure, HANDLE file, const std::vector<std::uint8_t>& bytes) {
    DWORD done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        if (!FileCalls().Write(file, bytes.data() + done, static_cast<DWORD>(bytes.size()) - done,
                               &put, done)) {
            Fail(failure, ::GetLastError());
        }
        if (put == 0) {
            Fail(failure, FileProblem::kCardFull);
        }
        done += put;
    }
    if (!FileCalls().Flush(file)) {
        Fail(failure, ::GetLastError());
    }
}

// A new file at `path` holding `bytes`, flushed and closed; a failure removes it again.
// Nothing when the name is taken.
std::optional<FileIdentity> CreateWith(Failure failure, const std::wstring& path,
                                       const std::vector<std::uint8_t>& bytes) {
    // Exclusive, and with the right to remove it again on failure.
    UniqueHandle file = Open(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, CREATE_NEW);
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
            return std::nullopt;
        }
        FailOpen(failure, error, path);
    }
    try {
        const FileIdentity identity = IdentityOf(Inspect(failure, file.get()));
        WriteAll(failure, file.get(), bytes);
        if (!file.Close()) {
            Fail(failure, ::GetLastError());
        }
        return identity;
    } catch (const SettingsFileError&) {
        if (file.valid()) {
            FileCalls().MarkForDeletion(file.get());
        } else {
            RemoveCreated(path);  // the close failed
        }
        throw;
    }
}

// The steps of a write on the card in `folder`.
class Win32Card {
public:
    explicit Win32Card(const Folder& folder) : folder_(folder) {}

    // Windows has no lock on a folder; the file's own, taken on opening, keeps others out.
    static void Hold(Failure /*failure*/) {}
    std::optional<std::string> Find(Failure failure) const {
        return FindSettingsFile(failure, folder_);
    }

    // No sharing, so that nobody else reads or writes it until it is closed.
    UniqueHandle OpenForSave(Failure failure, const std::string& name) {
        const std::wstring path = PathIn(folder_, name);
        UniqueHandle file = Open(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
        if (!file.valid()) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_FILE_NOT_FOUND) {
                return file;
            }
            FailOpen(failure, error, path);
        }
        // Where the system still let us in (Wine as root), the user's mark holds all the same.
        opened_ = Inspect(failure, file.get());
        if ((opened_.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
            Fail(failure, FileProblem::kReadOnly);
        }
        return file;
    }

    FoundSettings Read(const UniqueHandle& file, const std::string& name) const {
        return ReadCardFile(file.get(), name, opened_);
    }

    static CardFile Update(UniqueHandle& file, const CardFile& found,
                           const SettingsRecord& record) {
        constexpr Failure kFailure = SettingsFileError::WriteInterrupted;
        CardFile written{found.name, found.identity, Updated(found.content, record)};
        WriteAll(kFailure, file.get(),
                 {written.content.begin(), written.content.begin() + SettingsRecord::kSize});
        if (!file.Close()) {
            Fail(kFailure, ::GetLastError());
        }
        return written;
    }

    // The new file is complete on the card before it takes the old one's name; until then
    // the old one is as it was.
    CardFile Replace(UniqueHandle& file, const CardFile& found,
                     const SettingsRecord& record) const {
        constexpr Failure kFailure = SettingsFileError::WriteFailed;
        const std::wstring temporary = PathIn(folder_, kNewSettingsFileName);
        const std::wstring path = PathIn(folder_, found.name);
        std::vector<std::uint8_t> content = Updated(found.content, record);
        if (!CreateWith(kFailure, temporary, content)) {
            // Left by a write that never finished; one still going holds it open.
            RemoveCreated(temporary);
            if (!CreateWith(kFailure, temporary, content)) {
                Fail(kFailure, FileProblem::kInUse);
            }
        }
        // The name cannot go to a new file while the old one is open, and Windows has no lock
        // on a name: from here to the move, another program could open the old file. One that
        // still holds it makes the move fail; nothing of ours was written to it.
        file.Close();
        if (!FileCalls().Move(temporary.c_str(), path.c_str())) {
            const DWORD error = ::GetLastError();
            RemoveCreated(temporary);
            FailOpen(kFailure, error, path);
        }
        const UniqueHandle named =
            Open(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                 OPEN_EXISTING);
        BY_HANDLE_FILE_INFORMATION info{};
        // Unknown, the next write asks about the file as another one: no harm done.
        const FileIdentity identity =
            named.valid() && FileCalls().QueryInformation(named.get(), &info) ? IdentityOf(info)
                                                                              : FileIdentity{};
        return {found.name, identity, std::move(content)};
    }

    FoundSettings Create(const SettingsRecord& record) const {
        std::vector<std::uint8_t> content(record.bytes().begin(), record.bytes().end());
        const std::optional<FileIdentity> identity =
            CreateWith(SettingsFileError::WriteFailed, PathIn(folder_, kSettingsFileName), content);
        if (!identity) {
            return std::nullopt;
        }
        return CardFile{kSettingsFileName, *identity, std::move(content)};
    }

    // A new file needs a folder this user may add files to, on a card that takes writes.
    void CheckCreate(Failure failure) const {
        std::wstring folder(folder_.begin(), folder_.end());
        if (folder.empty()) {
            folder = L".";
        }
        // A folder opens only with backup semantics; asking for the right to add a file
        // checks it without adding one.
        const UniqueHandle adding(::CreateFileW(
            folder.c_str(), FILE_ADD_FILE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!adding.valid()) {
            Fail(failure, ::GetLastError());
        }
        std::wstring volume(MAX_PATH + 1, L'\0');
        DWORD flags = 0;
        if (::GetVolumePathNameW(folder.c_str(), volume.data(), MAX_PATH + 1) &&
            ::GetVolumeInformationW(volume.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr,
                                    0) &&
            (flags & FILE_READ_ONLY_VOLUME) != 0) {
            Fail(failure, FileProblem::kWriteProtected);
        }
    }

private:
    const Folder& folder_;
    BY_HANDLE_FILE_INFORMATION opened_{};  // the file OpenForSave opened
};

}  // namespace

FoundSettings ReadSettingsFile(const Folder& folder) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    const std::optional<std::string> name = FindSettingsFile(kFailure, folder);
    if (!name) {
        return std::nullopt;
    }
    // Other readers are welcome, a writer is not.
    const std::wstring path = PathIn(folder, *name);
    const UniqueHandle file = Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return std::nullopt;  // removed since the folder was listed
        }
        FailOpen(kFailure, error, path);
    }
    return ReadCardFile(file.get(), *name, Inspect(kFailure, file.get()));
}

WriteOutcome WriteIfUnchanged(const Folder& folder, const FoundSettings& expected,
                              const SettingsRecord& record, SaveKind kind) {
    Win32Card card(folder);
    return WriteOnCard(card, expected, &record, kind);
}

WriteOutcome CheckWrite(const Folder& folder, const FoundSettings& expected, SaveKind kind) {
    Win32Card card(folder);
    return WriteOnCard(card, expected, nullptr, kind);
}

std::u16string FolderAsKnown(const Folder& folder) {
    const std::wstring given =
        folder.empty() ? std::wstring(L".") : std::wstring(folder.begin(), folder.end());
    std::wstring whole(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFullPathNameW(given.c_str(), static_cast<DWORD>(whole.size()),
                                                whole.data(), nullptr);
        if (length == 0) {
            return std::u16string(given.begin(), given.end());
        }
        if (length < whole.size()) {
            whole.resize(length);
            break;
        }
        whole.resize(length);
    }
    if (whole.size() > 3 && whole.back() == L'\\') {
        whole.pop_back();  // "E:\\DCIM", as Explorer shows it; "E:\\" keeps its slash
    }
    return {whole.begin(), whole.end()};
}

}  // namespace vesko
