#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <utility>

#include "settings/file_problems.h"
#include "settings/settings_file.h"
#include "settings/win32_file_calls.h"

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

// The system's own words for an error, without the full stop and line break it ends with.
std::u16string SystemReason(DWORD error) {
    wchar_t buffer[512] = {};
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, error, 0, buffer, 512, nullptr);
    while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' ||
                          buffer[length - 1] == L'.' || buffer[length - 1] == L' ')) {
        --length;
    }
    if (length == 0) {
        const std::string digits = std::to_string(error);
        return u"System error " + std::u16string(digits.begin(), digits.end());
    }
    return std::u16string(buffer, buffer + length);
}

std::u16string Reason(DWORD error) {
    switch (error) {
        case ERROR_WRITE_PROTECT:
            return std::u16string(ReasonFor(FileProblem::kWriteProtected));
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

std::wstring FilePath(const std::filesystem::path& folder) {
    return (folder / kSettingsFileName).wstring();
}

// A link (any reparse point) is opened as itself, never followed to its target.
UniqueHandle Open(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    return UniqueHandle(FileCalls().Create(path.c_str(), access, share, disposition,
                                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT));
}

void CheckRegularFile(Failure failure, HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!FileCalls().QueryInformation(file, &info)) {
        Fail(failure, ::GetLastError());
    }
    if ((info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        Fail(failure, FileProblem::kNotAFile);
    }
}

void WriteAll(HANDLE file, const SettingsRecord::Bytes& bytes) {
    DWORD done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        if (!FileCalls().Write(file, bytes.data() + done, static_cast<DWORD>(bytes.size()) - done,
                               &put, done)) {
            Fail(SettingsFileError::WriteFailed, ::GetLastError());
        }
        if (put == 0) {
            Fail(SettingsFileError::WriteFailed, FileProblem::kCardFull);
        }
        done += put;
    }
}

// Removes a file this write created; the save has failed already, so this only tidies up.
void RemoveCreated(const std::wstring& path) {
    const UniqueHandle file = Open(path, DELETE, 0, OPEN_EXISTING);
    if (file.valid()) {
        FileCalls().MarkForDeletion(file.get());
    }
}

}  // namespace

bool ReadSettingsFile(const std::filesystem::path& folder, SettingsRecord& record) {
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
    SettingsRecord::Bytes buffer{};
    DWORD done = 0;
    while (done < buffer.size()) {
        DWORD got = 0;
        if (!FileCalls().Read(file.get(), buffer.data() + done,
                              static_cast<DWORD>(buffer.size()) - done, &got)) {
            Fail(kFailure, ::GetLastError());
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    record.bytes() = buffer;
    return true;
}

void WriteSettingsFile(const std::filesystem::path& folder, const SettingsRecord& record) {
    constexpr Failure kFailure = SettingsFileError::WriteFailed;
    const std::wstring path = FilePath(folder);
    // No sharing: while another program has the file open, neither side gets in.
    UniqueHandle existing = Open(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
    const bool created = !existing.valid() && ::GetLastError() == ERROR_FILE_NOT_FOUND;
    // A new file is created exclusively and with the right to remove it again on failure.
    UniqueHandle file = created ? Open(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, CREATE_NEW)
                                : std::move(existing);
    if (!file.valid()) {
        Fail(kFailure, ::GetLastError());
    }
    try {
        CheckRegularFile(kFailure, file.get());
        WriteAll(file.get(), record.bytes());
        if (!FileCalls().Flush(file.get())) {
            Fail(kFailure, ::GetLastError());
        }
    } catch (const SettingsFileError&) {
        if (created) {
            FileCalls().MarkForDeletion(file.get());
        }
        throw;
    }
    if (!file.Close()) {
        const DWORD error = ::GetLastError();
        if (created) {
            RemoveCreated(path);
        }
        Fail(kFailure, error);
    }
}

void DeleteSettingsFile(const std::filesystem::path& folder) {
    constexpr Failure kFailure = SettingsFileError::DeleteFailed;
    // Checked and deleted through one handle that nobody else shares: no gap in which
    // another program could open the file and leave it half deleted.
    UniqueHandle file = Open(FilePath(folder), GENERIC_READ | DELETE, 0, OPEN_EXISTING);
    if (!file.valid()) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) {
            return;
        }
        Fail(kFailure, error);
    }
    CheckRegularFile(kFailure, file.get());
    if (!FileCalls().MarkForDeletion(file.get())) {
        Fail(kFailure, ::GetLastError());
    }
    if (!file.Close()) {
        Fail(kFailure, ::GetLastError());
    }
}

}  // namespace vesko
