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
#include "settings/save_sequence.h"
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
            return std::u16string(ReasonFor(FileProblem::kCardGone));
        case EIO:
            return std::u16string(ReasonFor(FileProblem::kIoError));
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

struct stat Inspect(Failure failure, int fd) {
    struct stat info {};
    if (FileCalls().Fstat(fd, &info) != 0) {
        Fail(failure, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        Fail(failure, FileProblem::kNotAFile);
    }
    return info;
}

void Lock(Failure failure, int fd, int operation) {
    if (FileCalls().Flock(fd, operation | LOCK_NB) != 0) {
        Fail(failure, errno);
    }
}

// Every access also holds the card's folder, shared to read, exclusive to save: a config.bin
// being made is empty until written, and a reset's file is gone for a moment, and neither
// may be seen so. A file system that cannot lock a folder keeps the file's own lock alone.
UniqueFd HoldFolder(Failure failure, const std::filesystem::path& folder, int operation) {
    UniqueFd fd = OpenFolder(folder);
    if (!fd.valid()) {
        FailOpen(failure, errno);
    }
    if (FileCalls().Flock(fd.get(), operation | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        Fail(failure, FileProblem::kInUse);
    }
    return fd;
}

// Access denied to open for writing: "read-only" where the user marked the file so, else the
// system's own words (a file of someone else's, say).
[[noreturn]] void FailDenied(Failure failure, int error, const std::string& path) {
    const UniqueFd probe(FileCalls().Open(path.c_str(), O_RDONLY | kOpenFlags, 0));
    struct stat info {};
    if (probe.valid() && FileCalls().Fstat(probe.get(), &info) == 0 &&
        (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        Fail(failure, FileProblem::kReadOnly);
    }
    Fail(failure, error);
}

// A file the write created exists on the card only once its folder entry is there too.
// File systems that cannot sync a folder say so with EINVAL; that is no failure.
void SyncFolder(Failure failure, const std::filesystem::path& folder) {
    const UniqueFd handle = OpenFolder(folder);
    if (!handle.valid()) {
        Fail(failure, errno);
    }
    if (FileCalls().Fsync(handle.get()) != 0 && errno != EINVAL) {
        Fail(failure, errno);
    }
}

SettingsRecord ReadAll(int fd) {
    SettingsRecord record;
    SettingsRecord::Bytes& buffer = record.bytes();
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = FileCalls().Read(fd, buffer.data() + done, buffer.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            Fail(SettingsFileError::ReadFailed, errno);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return record;
}

// The 128 bytes at offset 0, flushed to the card, and the checked close.
void WriteAndClose(Failure failure, UniqueFd& fd, const SettingsRecord& record) {
    const SettingsRecord::Bytes& bytes = record.bytes();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = FileCalls().Pwrite(fd.get(), bytes.data() + done, bytes.size() - done,
                                               static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            Fail(failure, put < 0 ? errno : ENOSPC);
        }
        done += static_cast<std::size_t>(put);
    }
    if (FileCalls().Fsync(fd.get()) != 0) {
        Fail(failure, errno);
    }
    if (fd.Close() != 0) {
        Fail(failure, errno);
    }
}

// The card's config.bin, opened for a save and held exclusively; invalid when there is
// none. A file nobody may write (its write bits off, or a read-only card) is refused even
// where the system would let root write it: the user marked it so.
UniqueFd OpenForSave(Failure failure, const std::string& path,
                     const std::filesystem::path& folder) {
    UniqueFd fd(FileCalls().Open(path.c_str(), O_RDWR | kOpenFlags, 0));
    if (!fd.valid()) {
        const int error = errno;
        if (Missing(error, folder)) {
            return fd;
        }
        if (error == EACCES || error == EPERM) {
            FailDenied(failure, error, path);
        }
        FailOpen(failure, error);
    }
    if ((Inspect(failure, fd.get()).st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        Fail(failure, FileProblem::kReadOnly);
    }
    Lock(failure, fd.get(), LOCK_EX);
    return fd;
}

// A new config.bin holding `record`; a failure removes it again. False when another
// program created one first.
bool CreateWith(Failure failure, const std::string& path, const std::filesystem::path& folder,
                const SettingsRecord& record) {
    // Exclusive, so that the file this write removes on failure is surely its own.
    UniqueFd fd(FileCalls().Open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666));
    if (!fd.valid()) {
        if (errno == EEXIST) {
            return false;
        }
        FailOpen(failure, errno);
    }
    try {
        Lock(failure, fd.get(), LOCK_EX);
        WriteAndClose(failure, fd, record);
        SyncFolder(failure, folder);
    } catch (const SettingsFileError&) {
        FileCalls().Unlink(path.c_str());
        throw;
    }
    return true;
}

// The steps of a save on the card in `folder`.
class PosixCard {
public:
    explicit PosixCard(const std::filesystem::path& folder)
        : folder_(folder), path_(FilePath(folder)) {}
    UniqueFd OpenForSave(Failure failure) {
        if (!folder_hold_.valid()) {
            folder_hold_ = HoldFolder(failure, folder_, LOCK_EX);  // until the save is over
        }
        return vesko::OpenForSave(failure, path_, folder_);
    }
    static SettingsRecord Read(const UniqueFd& fd) { return ReadAll(fd.get()); }
    static void WriteAndClose(Failure failure, UniqueFd& fd, const SettingsRecord& record) {
        vesko::WriteAndClose(failure, fd, record);
    }
    // Unlinked while our lock still keeps other programs out.
    void Delete(UniqueFd& fd) const {
        if (FileCalls().Unlink(path_.c_str()) != 0) {
            Fail(SettingsFileError::DeleteFailed, errno);
        }
        fd = UniqueFd(-1);
    }
    bool Create(Failure failure, const SettingsRecord& record) const {
        return CreateWith(failure, path_, folder_, record);
    }

private:
    const std::filesystem::path& folder_;
    std::string path_;
    UniqueFd folder_hold_{-1};
};

}  // namespace

bool ReadSettingsFile(const std::filesystem::path& folder, SettingsRecord& record) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    const UniqueFd hold = HoldFolder(kFailure, folder, LOCK_SH);
    const UniqueFd fd(FileCalls().Open(FilePath(folder).c_str(), O_RDONLY | kOpenFlags, 0));
    if (!fd.valid()) {
        const int error = errno;
        if (Missing(error, folder)) {
            return false;
        }
        FailOpen(kFailure, error);
    }
    Inspect(kFailure, fd.get());
    Lock(kFailure, fd.get(), LOCK_SH);  // other readers are welcome, a writer is not
    record = ReadAll(fd.get());
    return true;
}

bool UpdateSettingsFile(const std::filesystem::path& folder, const SettingsChange& change) {
    PosixCard card(folder);
    return SaveOnCard(card, SaveKind::kUpdate, change);
}

bool ResetSettingsFile(const std::filesystem::path& folder, const SettingsChange& change) {
    PosixCard card(folder);
    return SaveOnCard(card, SaveKind::kReset, change);
}

void WriteSettingsFile(const std::filesystem::path& folder, const SettingsRecord& record) {
    UpdateSettingsFile(folder, [&record](const FoundSettings&) { return record; });
}

}  // namespace vesko
