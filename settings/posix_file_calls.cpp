#include "settings/posix_file_calls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>

namespace vesko {

namespace {

PosixFileCalls& RealCalls() {
    static PosixFileCalls real;
    return real;
}

PosixFileCalls* g_calls = nullptr;

}  // namespace

int PosixFileCalls::Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
int PosixFileCalls::Fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}
int PosixFileCalls::Flock(int fd, int operation) {
    return ::flock(fd, operation);
}
ssize_t PosixFileCalls::Read(int fd, void* buffer, size_t count) {
    return ::read(fd, buffer, count);
}
ssize_t PosixFileCalls::Pwrite(int fd, const void* buffer, size_t count, off_t offset) {
    return ::pwrite(fd, buffer, count, offset);
}
int PosixFileCalls::Fsync(int fd) {
    return ::fsync(fd);
}
int PosixFileCalls::Close(int fd) {
    return ::close(fd);
}
int PosixFileCalls::Unlink(const char* path) {
    return ::unlink(path);
}
int PosixFileCalls::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

PosixFileCalls& FileCalls() {
    return g_calls != nullptr ? *g_calls : RealCalls();
}

ScopedFileCalls::ScopedFileCalls(PosixFileCalls& calls) : previous_(g_calls) {
    g_calls = &calls;
}

ScopedFileCalls::~ScopedFileCalls() {
    g_calls = previous_;
}

}  // namespace vesko
