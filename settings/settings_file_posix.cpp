#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
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

std::string FolderPath(const std::filesystem::path& folder) {
    return folder.empty() ? std::string(".") : folder.string();
}

std::string FilePath(const std::filesystem::path& folder, const std::string& name) {
    return (folder / name).string();
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

FileIdentity IdentityOf(const struct stat& info) {
    FileIdentity identity;
    identity.volume = static_cast<std::uint64_t>(info.st_dev);
    const auto inode = static_cast<std::uint64_t>(info.st_ino);
    std::memcpy(identity.id.data(), &inode, sizeof inode);
    return identity;
}

void Lock(Failure failure, int fd, int operation) {
    if (FileCalls().Flock(fd, operation | LOCK_NB) != 0) {
        Fail(failure, errno);
    }
}

// Every access also holds the card's folder, shared to read, exclusive to write: a config.bin
// being made is empty until written, and neither it nor a reset's new file may be seen so.
// A file system that cannot lock a folder keeps the file's own lock alone.
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

struct CloseDir {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

// config.bin's name as the folder spells it, or nothing.
std::optional<std::string> FindSettingsFile(Failure failure, const std::filesystem::path& folder) {
    const std::unique_ptr<DIR, CloseDir> dir(::opendir(FolderPath(folder).c_str()));
    if (!dir) {
        FailOpen(failure, errno);
    }
    std::vector<std::string> matches;
    errno = 0;
    // One reader of this stream only; readdir_r is deprecated.
    // cppcheck-suppress readdirCalled
    while (const dirent* entry = ::readdir(dir.get())) {
        if (IsSettingsFileName(std::string_view(entry->d_name))) {
            matches.emplace_back(entry->d_name);
        }
    }
    if (errno != 0) {
        Fail(failure, errno);
    }
    return PickSettingsFile(std::move(matches), failure);
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

// A file the write created or renamed exists on the card only once its folder entry is there
// too. File systems that cannot sync a folder say so with EINVAL; that is no failure.
void SyncFolder(Failure failure, const std::filesystem::path& folder) {
    const UniqueFd handle = OpenFolder(folder);
    if (!handle.valid()) {
        Fail(failure, errno);
    }
    if (FileCalls().Fsync(handle.get()) != 0 && errno != EINVAL) {
        Fail(failure, errno);
    }
}

// The whole file, which Inspect found to be `size` bytes long.
std::vector<std::uint8_t> ReadAll(int fd, off_t size) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    if (size > static_cast<off_t>(kMaxSettingsFileSize)) {
        Fail(kFailure, FileProblem::kTooLarge);
    }
    // One byte more than it should hold shows a file that grew meanwhile.
    std::vector<std::uint8_t> bytes(
        std::max<std::size_t>(static_cast<std::size_t>(size) + 1, SettingsRecord::kSize));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = FileCalls().Read(fd, bytes.data() + done, bytes.size() - done);
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
        if (done > kMaxSettingsFileSize) {
            Fail(kFailure, FileProblem::kTooLarge);
        }
        if (done == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
    }
    bytes.resize(done);
    return bytes;
}

// `info`: what Inspect found of `fd`.
CardFile ReadCardFile(int fd, const std::string& name, const struct stat& info) {
    return {name, IdentityOf(info), ReadAll(fd, info.st_size)};
}

// `bytes` at offset 0, flushed to the card.
void WriteAll(Failure failure, int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = FileCalls().Pwrite(fd, bytes.data() + done, bytes.size() - done,
                                               static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            Fail(failure, put < 0 ? errno : ENOSPC);
        }
        done += static_cast<std::size_t>(put);
    }
    if (FileCalls().Fsync(fd) != 0) {
        Fail(failure, errno);
    }
}

void CheckedClose(Failure failure, UniqueFd& fd) {
    if (fd.Close() != 0) {
        Fail(failure, errno);
    }
}

// A new file at `path` holding `bytes`, flushed and closed; a failure removes it again.
// Nothing when the name is taken.
std::optional<FileIdentity> CreateWith(Failure failure, const std::string& path,
                                       const std::vector<std::uint8_t>& bytes) {
    // Exclusive, so that the file this write removes on failure is surely its own.
    UniqueFd fd(FileCalls().Open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666));
    if (!fd.valid()) {
        if (errno == EEXIST) {
            return std::nullopt;
        }
        FailOpen(failure, errno);
    }
    try {
        const FileIdentity identity = IdentityOf(Inspect(failure, fd.get()));
        Lock(failure, fd.get(), LOCK_EX);
        WriteAll(failure, fd.get(), bytes);
        CheckedClose(failure, fd);
        return identity;
    } catch (const SettingsFileError&) {
        FileCalls().Unlink(path.c_str());
        throw;
    }
}

// The steps of a write on the card in `folder`.
class PosixCard {
public:
    explicit PosixCard(const std::filesystem::path& folder) : folder_(folder) {}

    void Hold(Failure failure) { hold_ = HoldFolder(failure, folder_, LOCK_EX); }
    std::optional<std::string> Find(Failure failure) const {
        return FindSettingsFile(failure, folder_);
    }

    // A file nobody may write (its write bits off, or a read-only card) is refused even where
    // the system would let root write it: the user marked it so.
    UniqueFd OpenForSave(Failure failure, const std::string& name) {
        const std::string path = FilePath(folder_, name);
        UniqueFd fd(FileCalls().Open(path.c_str(), O_RDWR | kOpenFlags, 0));
        if (!fd.valid()) {
            const int error = errno;
            if (error == ENOENT) {
                return fd;
            }
            if (error == EACCES || error == EPERM) {
                FailDenied(failure, error, path);
            }
            Fail(failure, error);
        }
        opened_ = Inspect(failure, fd.get());
        if ((opened_.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            Fail(failure, FileProblem::kReadOnly);
        }
        Lock(failure, fd.get(), LOCK_EX);
        return fd;
    }

    FoundSettings Read(const UniqueFd& fd, const std::string& name) const {
        return ReadCardFile(fd.get(), name, opened_);
    }

    CardFile Update(UniqueFd& fd, const CardFile& found, const SettingsRecord& record) const {
        constexpr Failure kFailure = SettingsFileError::WriteInterrupted;
        CardFile written{found.name, found.identity, Updated(found.content, record)};
        WriteAll(kFailure, fd.get(),
                 {written.content.begin(), written.content.begin() + SettingsRecord::kSize});
        // Another program may move a file aside whatever our lock: the bytes must have gone
        // into the file the name still names.
        struct stat named {};
        if (::lstat(FilePath(folder_, found.name).c_str(), &named) != 0 ||
            IdentityOf(named) != found.identity) {
            Fail(kFailure, FileProblem::kInUse);
        }
        CheckedClose(kFailure, fd);
        return written;
    }

    // The new file is complete on the card before it takes the old one's name; until then
    // the old one is as it was.
    CardFile Replace(UniqueFd& /*held until the new file has its name*/, const CardFile& found,
                     const SettingsRecord& record) const {
        const std::string temporary = FilePath(folder_, kNewSettingsFileName);
        std::vector<std::uint8_t> content = Updated(found.content, record);
        std::optional<FileIdentity> identity =
            CreateWith(SettingsFileError::WriteFailed, temporary, content);
        if (!identity) {
            // Left by a write that never finished: no writer of ours is in the folder now.
            FileCalls().Unlink(temporary.c_str());
            identity = CreateWith(SettingsFileError::WriteFailed, temporary, content);
            if (!identity) {
                Fail(SettingsFileError::WriteFailed, FileProblem::kInUse);
            }
        }
        if (FileCalls().Rename(temporary.c_str(), FilePath(folder_, found.name).c_str()) != 0) {
            const int error = errno;
            FileCalls().Unlink(temporary.c_str());
            Fail(SettingsFileError::WriteFailed, error);
        }
        SyncFolder(SettingsFileError::WriteInterrupted, folder_);
        return {found.name, *identity, std::move(content)};
    }

    FoundSettings Create(const SettingsRecord& record) const {
        constexpr Failure kFailure = SettingsFileError::WriteFailed;
        const std::string path = FilePath(folder_, kSettingsFileName);
        std::vector<std::uint8_t> content(record.bytes().begin(), record.bytes().end());
        const std::optional<FileIdentity> identity = CreateWith(kFailure, path, content);
        if (!identity) {
            return std::nullopt;
        }
        try {
            SyncFolder(kFailure, folder_);
        } catch (const SettingsFileError&) {
            FileCalls().Unlink(path.c_str());
            throw;
        }
        return CardFile{kSettingsFileName, *identity, std::move(content)};
    }

    // What a new file needs: a folder this program may write in, on a card that takes writes.
    void CheckCreate(Failure failure) const {
        if (::access(FolderPath(folder_).c_str(), W_OK) != 0) {
            Fail(failure, errno);
        }
    }

private:
    const std::filesystem::path& folder_;
    UniqueFd hold_{-1};
    struct stat opened_ {};  // the file OpenForSave opened
};

}  // namespace

FoundSettings ReadSettingsFile(const std::filesystem::path& folder) {
    constexpr Failure kFailure = SettingsFileError::ReadFailed;
    const UniqueFd hold = HoldFolder(kFailure, folder, LOCK_SH);
    const std::optional<std::string> name = FindSettingsFile(kFailure, folder);
    if (!name) {
        return std::nullopt;
    }
    const UniqueFd fd(FileCalls().Open(FilePath(folder, *name).c_str(), O_RDONLY | kOpenFlags, 0));
    if (!fd.valid()) {
        if (errno == ENOENT) {
            return std::nullopt;  // removed since the folder was listed
        }
        Fail(kFailure, errno);
    }
    const struct stat info = Inspect(kFailure, fd.get());
    Lock(kFailure, fd.get(), LOCK_SH);  // other readers are welcome, a writer is not
    return ReadCardFile(fd.get(), *name, info);
}

WriteOutcome WriteIfUnchanged(const std::filesystem::path& folder, const FoundSettings& expected,
                              const SettingsRecord& record, SaveKind kind) {
    PosixCard card(folder);
    return WriteOnCard(card, expected, &record, kind);
}

WriteOutcome CheckWrite(const std::filesystem::path& folder, const FoundSettings& expected,
                        SaveKind kind) {
    PosixCard card(folder);
    return WriteOnCard(card, expected, nullptr, kind);
}

std::u16string FolderAsKnown(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::path whole = std::filesystem::absolute(folder.empty() ? "." : folder, error);
    whole = error ? folder : whole.lexically_normal();
    if (whole.has_relative_path() && !whole.has_filename()) {
        whole = whole.parent_path();  // "/media/card/" said without its last slash
    }
    return FromUtf8(whole.string());
}

std::optional<FileIdentity> CardIdentity(const std::filesystem::path& folder) {
    try {
        const std::optional<std::string> name =
            FindSettingsFile(SettingsFileError::ReadFailed, folder);
        struct stat info {};
        const std::string path = name ? FilePath(folder, *name) : FolderPath(folder);
        if (::lstat(path.c_str(), &info) != 0) {
            return std::nullopt;
        }
        return IdentityOf(info);
    } catch (const SettingsFileError&) {
        return std::nullopt;
    }
}

}  // namespace vesko
