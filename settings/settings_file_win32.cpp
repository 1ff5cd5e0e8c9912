#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <utility>

#include "settings/file_problems.h"
#include "settings/save_sequence.h"
#include "settings/settings_file.h"
#include "settings/win32_file_calls.h"
#include "settings/win32_system_reason.h"

namespace vesko {

namespace {

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(UniqueHandle&&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() {
        if (valid()) {
            FileCalls().Close(handle_);
        }
    }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    // The checked close; the destructor only cleans up after a failure.
    bool Close() { return FileCalls().Close(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

using Failure = SettingsFileError (*)(std::u16string_view);

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

// The folder and the file's name with one separator between; "E:" stays drive-relative, as
// a filesystem path would keep it.
std::wstring FilePath(const Folder& folder) {
    std::wstring path(folder.begin(), folder.end());
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/' && path.back() != L':') {
        path += L'\\';
    }
    const std::string_view name = kSettingsFileName;
    return path + std::wstring(name.begin(), name.end());
}

// A link (any reparse point) is opened as itself, never followed to its target.
UniqueHandle Open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    return UniqueHandle(FileCalls().Create(path.c_str(), access, share, disposition,
                                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT));
}

DWORD CheckRegularFile(Failure failure, HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!FileCalls().QueryInformation(file, &info)) {
        Fail(failure, ::GetLastError());
    }
    if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        Fail(failure, FileProblem::kNotAFile);
    }
    return info.dwFileAttributes;
}

// Removes a file this write created; the save has failed already, so this only tidies up.
void RemoveCreated(const std::wstring& path) {
    const UniqueHandle file = Open(path, DELETE, 0, OPEN_EXISTING);
    if (file.valid()) {
        FileCalls().MarkForDeletion(file.get());
    }
}

SettingsRecord ReadAll(HANDLE file) {
    SettingsRecord record;
    SettingsRecord::Bytes& buffer = record.bytes();
    DWORD done = 0;
    while (done < buffer.size()) {
        DWORD got = 0;
        if (!FileCalls().Read(file, buffer.data() + done, static_cast<DWORD>(buffer.size()) - done,
                              &got)) {
            Fail(SettingsFileError::ReadFailed, ::GetLastError());
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return record;
}

// The 128 bytes at offset 0, flushed to the card, and the checked close.
void WriteAndClose(Failure failure, UniqueHandle& file, const SettingsRecord& record) {
    const SettingsRecord::Bytes& bytes = record.bytes();
    DWORD done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        if (!FileCalls().Write(file.get(), bytes.data() + done,
                               static_cast<DWORD>(bytes.size()) - done, &put, done)) {
            Fail(failure, ::GetLastError());
        }
        if (put == 0) {
            Fail(failure, FileProblem::kCardFull);
        }
        done += put;
    }
    if (!FileCalls().Flush(file.get())) {
        Fail(failure, ::GetLastError());
    }
    if (!file.Close()) {
        Fail(failure, ::GetLastError());
    }
}

// Access is denied to a file with the read-only attribute: name that reason when it is the one.
[[noreturn]] void FailDenied(Failure failure, const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        Fail(failure, FileProblem::kReadOnly);
    }
    Fail(failure, ERROR_ACCESS_DENIED);
}

// The card's config.bin, opened for a save with no sharing, so that nobody else reads or
// writes it until it is closed; invalid when there is none.
UniqueHandle OpenForSave(Failure failure, const std::wstring& path, DWORD access) {
    UniqueHandle file = Open(path, access, 0, OPEN_EXISTING);
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return file;
        }
        if (error == ERROR_ACCESS_DENIED) {
            FailDenied(failure, path);
        }
        Fail(failure, error);
    }
    // Where the system still let us in (Wine as root), the user's mark holds all the same.
    if ((CheckRegularFile(failure, file.get()) & FILE_ATTRIBUTE_READONLY) != 0) {
        Fail(failure, FileProblem::kReadOnly);
    }
    return file;
}

// A new config.bin holding `record`; a failure removes it again. False when another
// program created one first.
bool CreateWith(Failure failure, const std::wstring& path, const SettingsRecord& record) {
    // Exclusive, and with the right to remove it again on failure.
    UniqueHandle file = Open(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, CREATE_NEW);
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
            return false;
        }
        Fail(failure, error);
    }
    try {
        CheckRegularFile(failure, file.get());
        WriteAndClose(failure, file, record);
    } catch (const SettingsFileError&) {
        if (file.valid()) {
            FileCalls().MarkForDeletion(file.get());
        } else {
            RemoveCreated(path);  // the close failed
        }
        throw;
    }
    return true;
}

// The steps of a save on the card in `folder`.
class Win32Card {
public:
    Win32Card(const Folder& folder, DWORD access) : path_(FilePath(folder)), access_(access) {}
    UniqueHandle OpenForSave(Failure failure) const {
        return vesko::OpenForSave(failure, path_, access_);
    }
    static SettingsRecord Read(const UniqueHandle& file) { return ReadAll(file.get()); }
    static void WriteAndClose(Failure failure, UniqueHandle& file, const SettingsRecord& record) {
        vesko::WriteAndClose(failure, file, record);
    }
    // Gone when our handle, the only one, closes.
    static void Delete(UniqueHandle& file) {
        if (!FileCalls().MarkForDeletion(file.get()) || !file.Close()) {
            Fail(SettingsFileError::DeleteFailed, ::GetLastError());
        }
    }
    bool Create(Failure failure, const SettingsRecord& record) const {
        return CreateWith(failure, path_, record);
    }

private:
    std::wstring path_;
    DWORD access_;
};

}  // namespace

bool ReadSettingsFile(const Folder& folder, SettingsRecord& record) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    // Other readers are welcome, a writer is not.
    const UniqueHandle file = Open(FilePath(folder), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return false;
        }
        Fail(kFailure, error);
    }
    CheckRegularFile(kFailure, file.get());
    record = ReadAll(file.get());
    return true;
}

bool UpdateSettingsFile(const Folder& folder, const SettingsChange& change) {
    Win32Card card(folder, GENERIC_READ | GENERIC_WRITE);
    return SaveOnCard(card, SaveKind::kUpdate, change);
}

bool ResetSettingsFile(const Folder& folder, const SettingsChange& change) {
    Win32Card card(folder, GENERIC_READ | GENERIC_WRITE | DELETE);
    return SaveOnCard(card, SaveKind::kReset, change);
}

void WriteSettingsFile(const Folder& folder, const SettingsRecord& record) {
    UpdateSettingsFile(folder, [&record](const FoundSettings&) { return record; });
}

}  // namespace vesko
