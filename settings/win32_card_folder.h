// What the Windows file layer's parts share: a handle that closes itself, the path of a
// name in the card's folder, config.bin's name as the folder spells it, and a file's
// identity as the system reports it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "settings/save_sequence.h"
#include "settings/settings_file.h"
#include "settings/win32_file_calls.h"

namespace vesko {

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

std::wstring PathIn(const Folder& folder, std::string_view name);
// Throws `failure` for a folder that cannot be listed or holds two spellings.
std::optional<std::string> FindSettingsFile(Failure failure, const Folder& folder);
FileIdentity IdentityOf(const BY_HANDLE_FILE_INFORMATION& info);

}  // namespace vesko
