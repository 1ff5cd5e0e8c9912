#include "settings/win32_file_calls.h"

namespace vesko {

namespace {

Win32FileCalls& RealCalls() {
    static Win32FileCalls real;
    return real;
}

Win32FileCalls* g_calls = nullptr;

}  // namespace

HANDLE Win32FileCalls::Create(const wchar_t* path, DWORD access, DWORD share, DWORD disposition,
                              DWORD flags) {
    return ::CreateFileW(path, access, share, nullptr, disposition, flags, nullptr);
}
BOOL Win32FileCalls::QueryInformation(HANDLE file, BY_HANDLE_FILE_INFORMATION* info) {
    return ::GetFileInformationByHandle(file, info);
}
BOOL Win32FileCalls::Read(HANDLE file, void* buffer, DWORD count, DWORD* done) {
    return ::ReadFile(file, buffer, count, done, nullptr);
}
BOOL Win32FileCalls::Write(HANDLE file, const void* buffer, DWORD count, DWORD* done,
                           DWORD offset) {
    OVERLAPPED at{};
    at.Offset = offset;
    return ::WriteFile(file, buffer, count, done, &at);
}
BOOL Win32FileCalls::Flush(HANDLE file) {
    return ::FlushFileBuffers(file);
}
BOOL Win32FileCalls::Close(HANDLE file) {
    return ::CloseHandle(file);
}
BOOL Win32FileCalls::MarkForDeletion(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                        sizeof disposition);
}

BOOL Win32FileCalls::Move(const wchar_t* from, const wchar_t* to) {
    return ::MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

Win32FileCalls& FileCalls() {
    return g_calls != nullptr ? *g_calls : RealCalls();
}

ScopedFileCalls::ScopedFileCalls(Win32FileCalls& calls) : previous_(g_calls) {
    g_calls = &calls;
}

ScopedFileCalls::~ScopedFileCalls() {
    g_calls = previous_;
}

}  // namespace vesko
