#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "settings/posix_file_calls.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko {

namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        UniqueFd doomed(std::exchange(fd_, std::exchange(other.fd_, -1)));
        return *this;
    }
    ~UniqueFd() {
        if (fd_ >= 0) {
            FileCalls().Close(fd_);
        }
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // The checked close of a write; the destructor only cleans up after a failure.
    int Close() { return FileCalls().Close(std::exchange(fd_, -1)); }

private:
    int fd_;
};

std::u16string Reason(int error) {
    if (error == EWOULDBLOCK) {
        return u"The file is in use by another program";
    }
    char buffer[256] = {};
    return FromUtf8(::strerror_r(error, buffer, sizeof buffer));
}

[[noreturn]] void FailWrite(std::u16string_view reason) {
    throw SettingsFileError::WriteFailed(reason);
}

[[noreturn]] void FailWrite(int error) {
    FailWrite(Reason(error));
}

bool IsRegularFile(int fd) {
    struct stat info {};
    return FileCalls().Fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

bool LockExclusively(int fd) {
    return FileCalls().Flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// Opened non-blocking so that a pipe or device named config.bin cannot hang us, and only
// when it is a plain file no other program holds.
UniqueFd OpenForReading() {
    UniqueFd fd(
        FileCalls().Open(kSettingsFileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0));
    if (!fd.valid() || !IsRegularFile(fd.get()) || !LockExclusively(fd.get())) {
        return UniqueFd(-1);
    }
    return fd;
}

// A file the write created exists on the card only once its folder entry is there too.
// File systems that cannot sync a folder say so with EINVAL; that is no failure.
void SyncFolder() {
    UniqueFd folder(FileCalls().Open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (!folder.valid()) {
        FailWrite(errno);
    }
    if (FileCalls().Fsync(folder.get()) != 0 && errno != EINVAL) {
        FailWrite(errno);
    }
}

}  // namespace

bool ReadSettingsFile(SettingsRecord& record) {
    UniqueFd fd = OpenForReading();
    if (!fd.valid()) {
        return false;
    }
    SettingsRecord::Bytes buffer{};
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = FileCalls().Read(fd.get(), buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    record.bytes() = buffer;
    return true;
}

void WriteSettingsFile(const SettingsRecord& record) {
    constexpr int kFlags = O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    // Only a file this write creates needs its folder entry synced as well.
    UniqueFd fd(FileCalls().Open(kSettingsFileName, kFlags, 0));
    const bool created = !fd.valid() && errno == ENOENT;
    if (created) {
        fd = UniqueFd(FileCalls().Open(kSettingsFileName, kFlags | O_CREAT, 0666));
    }
    if (!fd.valid()) {
        FailWrite(errno);
    }
    struct stat info {};
    if (FileCalls().Fstat(fd.get(), &info) != 0) {
        FailWrite(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        FailWrite(u"It is not a regular file");
    }
    if (!LockExclusively(fd.get())) {
        FailWrite(errno);
    }
    const auto& bytes = record.bytes();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = FileCalls().Pwrite(fd.get(), bytes.data() + done, bytes.size() - done,
                                               static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            FailWrite(put < 0 ? errno : EIO);
        }
        done += static_cast<std::size_t>(put);
    }
    if (FileCalls().Fsync(fd.get()) != 0) {
        FailWrite(errno);
    }
    if (fd.Close() != 0) {
        FailWrite(errno);
    }
    if (created) {
        SyncFolder();
    }
}

void DeleteSettingsFile() {
    const UniqueFd fd = OpenForReading();
    if (fd.valid()) {
        // Unlinked while our lock still keeps other programs out.
        FileCalls().Unlink(kSettingsFileName);
    }
}

}  // namespace vesko
