// The Win32 calls under config.bin access, behind a seam so that tests can make any step
// fail. By default they are the real ones. Each failing call leaves its reason in
// GetLastError, as the real calls do.
#pragma once

#include <windows.h>

namespace vesko {

class Win32FileCalls {
public:
    virtual ~Win32FileCalls() = default;
    virtual HANDLE Create(const wchar_t* path, DWORD access, DWORD share, DWORD disposition,
                          DWORD flags);
    virtual BOOL QueryInformation(HANDLE file, BY_HANDLE_FILE_INFORMATION* info);
    virtual BOOL Read(HANDLE file, void* buffer, DWORD count, DWORD* done);
    // Writes at `offset`, not at the file pointer.
    virtual BOOL Write(HANDLE file, const void* buffer, DWORD count, DWORD* done, DWORD offset);
    virtual BOOL Flush(HANDLE file);
    virtual BOOL Close(HANDLE file);
    // Marks the file for deletion when its last handle closes; needs DELETE access.
    virtual BOOL MarkForDeletion(HANDLE file);
    // Gives `from` the name `to`, in place of any file of that name, flushed to the card.
    virtual BOOL Move(const wchar_t* from, const wchar_t* to);
};

// The calls in use.
Win32FileCalls& FileCalls();

// Puts other calls in place for its lifetime.
class ScopedFileCalls {
public:
    explicit ScopedFileCalls(Win32FileCalls& calls);
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;
    ~ScopedFileCalls();

private:
    Win32FileCalls* previous_;
};

}  // namespace vesko
