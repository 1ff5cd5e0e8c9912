#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>
#include <utility>

#include "settings/settings_file.h"

namespace vesko {

namespace {

constexpr wchar_t kFileName[] = L"config.bin";

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle& operator=(UniqueHandle&&) = delete;
    ~UniqueHandle() {
        if (valid()) {
            ::CloseHandle(handle_);
        }
    }
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    // The checked close of a write; the destructor only cleans up after a failure.
    bool Close() { return ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

// The system's own words for an error, without the full stop and line break it ends with.
std::u16string Reason(DWORD error) {
    wchar_t buffer[512] = {};
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, error, 0, buffer, 512, nullptr);
    while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' ||
                          buffer[length - 1] == L'.' || buffer[length - 1] == L' ')) {
        --length;
    }
    if (length == 0) {
        return u"System error " + [error] {
            const std::string digits = std::to_string(error);
            return std::u16string(digits.begin(), digits.end());
        }();
    }
    return std::u16string(buffer, buffer + length);
}

[[noreturn]] void FailWrite(DWORD error) {
    throw SettingsFileError::WriteFailed(Reason(error));
}

// No sharing: while another program has the file open, neither side gets in.
UniqueHandle Open(DWORD access, DWORD disposition) {
    return UniqueHandle(
        ::CreateFileW(kFileName, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool IsDiskFile(HANDLE handle) {
    return ::GetFileType(handle) == FILE_TYPE_DISK;
}

}  // namespace

bool ReadSettingsFile(SettingsRecord& record) {
    const UniqueHandle file = Open(GENERIC_READ, OPEN_EXISTING);
    if (!file.valid() || !IsDiskFile(file.get())) {
        return false;
    }
    SettingsRecord::Bytes buffer{};
    DWORD done = 0;
    while (done < buffer.size()) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer.data() + done, static_cast<DWORD>(buffer.size()) - done,
                        &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    record.bytes() = buffer;
    return true;
}

void WriteSettingsFile(const SettingsRecord& record) {
    UniqueHandle file = Open(GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (!file.valid()) {
        FailWrite(::GetLastError());
    }
    if (!IsDiskFile(file.get())) {
        throw SettingsFileError::WriteFailed(u"It is not a regular file");
    }
    const auto& bytes = record.bytes();
    DWORD done = 0;
    while (done < bytes.size()) {
        OVERLAPPED at{};
        at.Offset = done;
        DWORD put = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size()) - done,
                         &put, &at)) {
            FailWrite(::GetLastError());
        }
        if (put == 0) {
            FailWrite(ERROR_DISK_FULL);
        }
        done += put;
    }
    if (!::FlushFileBuffers(file.get())) {
        FailWrite(::GetLastError());
    }
    if (!file.Close()) {
        FailWrite(::GetLastError());
    }
}

void DeleteSettingsFile() {
    bool can_read = false;
    {
        const UniqueHandle file = Open(GENERIC_READ, OPEN_EXISTING);
        can_read = file.valid() && IsDiskFile(file.get());
    }
    if (can_read) {
        ::DeleteFileW(kFileName);
    }
}

}  // namespace vesko
