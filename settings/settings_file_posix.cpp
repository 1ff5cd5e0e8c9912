#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include "settings/file_problems.h"
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

using Failure = SettingsFileError (*)(std::u16string_view);

std::u16string Reason(int error) {
    switch (error) {
        case EROFS:
            return std::u16string(ReasonFor(FileProblem::kWriteProtected));
        case ENODEV:
        case ENXIO:
        case EIO:
            return std::u16string(ReasonFor(FileProblem::kCardGone));
        case ENOSPC:
        case EDQUOT:
            return std::u16string(ReasonFor(FileProblem::kCardFull));
        case EWOULDBLOCK:
            return std::u16string(ReasonFor(FileProblem::kInUse));
        case ELOOP:  // O_NOFOLLOW met a symbolic link
        case EISDIR:
            return std::u16string(ReasonFor(FileProblem::kNotAFile));
        default:
            return FromUtf8(std::generic_category().message(error));
    }
}

[[noreturn]] void Fail(Failure failure, FileProblem problem) {
    throw failure(ReasonFor(problem));
}

[[noreturn]] void Fail(Failure failure, int error) {
    throw failure(Reason(error));
}

std::string FilePath(const std::filesystem::path& folder) {
    return (folder / kSettingsFileName).string();
}

std::string FolderPath(const std::filesystem::path& folder) {
    return folder.empty() ? std::string(".") : folder.string();
}

// Non-blocking, so that a pipe or device named config.bin cannot hang us; never through a
// symbolic link, whose target is no card file.
constexpr int kOpenFlags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW;

UniqueFd OpenFolder(const std::filesystem::path& folder) {
    return UniqueFd(
        FileCalls().Open(FolderPath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
}

// A card pulled out takes its folder with it.
[[noreturn]] void FailOpen(Failure failure, int error) {
    if (error == ENOENT) {
        Fail(failure, FileProblem::kCardGone);
    }
    Fail(failure, error);
}

// A config.bin that is not there is only "absent" while its folder still is.
bool Missing(int error, const std::filesystem::path& folder) {
    return error == ENOENT && OpenFolder(folder).valid();
}

void CheckRegularFile(Failure failure, int fd) {
    struct stat info {};
    if (FileCalls().Fstat(fd, &info) != 0) {
        Fail(failure, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        Fail(failure, FileProblem::kNotAFile);
    }
}

void Lock(Failure failure, int fd, int operation) {
    if (FileCalls().Flock(fd, operation | LOCK_NB) != 0) {
        Fail(failure, errno);
    }
}

// A file the write created exists on the card only once its folder entry is there too.
// File systems that cannot sync a folder say so with EINVAL; that is no failure.
void SyncFolder(const std::filesystem::path& folder) {
    const UniqueFd handle = OpenFolder(folder);
    if (!handle.valid()) {
        Fail(SettingsFileError::WriteFailed, errno);
    }
    if (FileCalls().Fsync(handle.get()) != 0 && errno != EINVAL) {
        Fail(SettingsFileError::WriteFailed, errno);
    }
}

void WriteAll(int fd, const SettingsRecord::Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = FileCalls().Pwrite(fd, bytes.data() + done, bytes.size() - done,
                                               static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            Fail(SettingsFileError::WriteFailed, put < 0 ? errno : ENOSPC);
        }
        done += static_cast<std::size_t>(put);
    }
}

// Everything after the open: on a file this write created, a failure removes it again.
void WriteOpened(UniqueFd& fd, const std::filesystem::path& folder, const SettingsRecord& record,
                 bool created) {
    CheckRegularFile(SettingsFileError::WriteFailed, fd.get());
    Lock(SettingsFileError::WriteFailed, fd.get(), LOCK_EX);
    WriteAll(fd.get(), record.bytes());
    if (FileCalls().Fsync(fd.get()) != 0) {
        Fail(SettingsFileError::WriteFailed, errno);
    }
    if (fd.Close() != 0) {
        Fail(SettingsFileError::WriteFailed, errno);
    }
    if (created) {
        SyncFolder(folder);
    }
}

}  // namespace

bool ReadSettingsFile(const std::filesystem::path& folder, SettingsRecord& record) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    const UniqueFd fd(FileCalls().Open(FilePath(folder).c_str(), O_RDONLY | kOpenFlags, 0));
    if (!fd.valid()) {
        const int error = errno;
        if (Missing(error, folder)) {
            return false;
        }
        FailOpen(kFailure, error);
    }
    CheckRegularFile(kFailure, fd.get());
    Lock(kFailure, fd.get(), LOCK_SH);  // other readers are welcome, a writer is not
    SettingsRecord::Bytes buffer{};
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = FileCalls().Read(fd.get(), buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            Fail(kFailure, errno);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    record.bytes() = buffer;
    return true;
}

void WriteSettingsFile(const std::filesystem::path& folder, const SettingsRecord& record) {
    constexpr Failure kFailure = SettingsFileError::WriteFailed;
    const std::string path = FilePath(folder);
    UniqueFd fd(FileCalls().Open(path.c_str(), O_RDWR | kOpenFlags, 0));
    bool created = false;
    if (!fd.valid() && errno == ENOENT) {
        // Exclusive, so that the file this write removes on failure is surely its own.
        fd = UniqueFd(FileCalls().Open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666));
        created = fd.valid();
    }
    if (!fd.valid()) {
        FailOpen(kFailure, errno);
    }
    try {
        WriteOpened(fd, folder, record, created);
    } catch (const SettingsFileError&) {
        if (created) {
            FileCalls().Unlink(path.c_str());
        }
        throw;
    }
}

void DeleteSettingsFile(const std::filesystem::path& folder) {
    constexpr Failure kFailure = SettingsFileError::DeleteFailed;
    const std::string path = FilePath(folder);
    const UniqueFd fd(FileCalls().Open(path.c_str(), O_RDONLY | kOpenFlags, 0));
    if (!fd.valid()) {
        const int error = errno;
        if (Missing(error, folder)) {
            return;
        }
        FailOpen(kFailure, error);
    }
    CheckRegularFile(kFailure, fd.get());
    Lock(kFailure, fd.get(), LOCK_EX);
    // Unlinked while our lock still keeps other programs out.
    if (FileCalls().Unlink(path.c_str()) != 0) {
        Fail(kFailure, errno);
    }
}

}  // namespace vesko
