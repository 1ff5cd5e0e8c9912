// The system calls under config.bin access, behind a seam so that tests can make any step
// fail. By default they are the real ones.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

namespace vesko {

class PosixFileCalls {
public:
    virtual ~PosixFileCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual int Fstat(int fd, struct stat* info);
    virtual int Flock(int fd, int operation);
    virtual ssize_t Read(int fd, void* buffer, size_t count);
    virtual ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Unlink(const char* path);
    virtual int Rename(const char* from, const char* to);
};

// The calls in use.
PosixFileCalls& FileCalls();

// Puts other calls in place for its lifetime.
class ScopedFileCalls {
public:
    explicit ScopedFileCalls(PosixFileCalls& calls);
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;
    ~ScopedFileCalls();

private:
    PosixFileCalls* previous_;
};

}  // namespace vesko
