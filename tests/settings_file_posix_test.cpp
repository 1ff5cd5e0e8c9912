// What only POSIX systems have: pipes, advisory locks, file size limits.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "settings/posix_file_calls.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::ReadConfigBytes;
using testing::TempFolder;
using testing::WriteConfigBytes;

// Holds config.bin open and locked, as another program would.
class OtherProgramHolding {
public:
    explicit OtherProgramHolding(int lock) : fd_(::open("config.bin", O_RDWR)) {
        EXPECT_GE(fd_, 0);
        EXPECT_EQ(::flock(fd_, lock | LOCK_NB), 0);
    }
    ~OtherProgramHolding() { ::close(fd_); }

private:
    int fd_;
};

void ExpectRefused(const std::function<void()>& access, const std::u16string& message) {
    try {
        access();
        ADD_FAILURE() << "no error reported";
    } catch (const SettingsFileError& error) {
        EXPECT_EQ(error.message(), message);
    }
}

TEST(SettingsFileTest, NamedPipeNeitherHangsNorCountsAsAFile) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo("config.bin", 0600), 0);
    ::alarm(10);  // a hang ends the test program instead of the CI run
    SettingsRecord record;
    EXPECT_THROW(ReadSettingsFile({}, record), SettingsFileError);
    EXPECT_THROW(testing::ResetConfigToZeros(), SettingsFileError);
    EXPECT_THROW(WriteSettingsFile({}, record), SettingsFileError);
    ::alarm(0);
    EXPECT_TRUE(std::filesystem::is_fifo("config.bin"));
}

TEST(SettingsFileTest, OtherReadersAreWelcomeAWriterIsNot) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(128, 9));
    SettingsRecord record;
    {
        const OtherProgramHolding reader(LOCK_SH);
        ASSERT_TRUE(ReadSettingsFile({}, record));
        EXPECT_EQ(record.bytes()[0], 9);
    }
    {
        const OtherProgramHolding writer(LOCK_EX);
        const std::u16string reason = u" config.bin: The file is in use by another program.";
        ExpectRefused([&] { ReadSettingsFile({}, record); }, u"Could not read" + reason);
        ExpectRefused([] { testing::ResetConfigToZeros(); }, u"Could not write" + reason);
        ExpectRefused([] { WriteSettingsFile({}, SettingsRecord()); }, u"Could not write" + reason);
    }
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 9));
    testing::ResetConfigToZeros();
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 0));
}

// A file being made is empty until written, and a reset's new file has no name yet: nobody
// else may look meanwhile.
TEST(SettingsFileTest, CardIsHeldWhileANewFileIsWritten) {
    class ReadingWhileWriting final : public PosixFileCalls {
        ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset) override {
            SettingsRecord record;
            EXPECT_THROW(ReadSettingsFile({}, record), SettingsFileError);
            return PosixFileCalls::Pwrite(fd, buffer, count, offset);
        }
    } reading;
    TempFolder folder;
    const ScopedFileCalls seam(reading);
    WriteSettingsFile({}, SettingsRecord());
    testing::ResetConfigToZeros();
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 0));
}

// Marked read-only by its owner: neither written nor replaced, even by root, who could.
TEST(SettingsFileTest, ReadOnlyFileIsNeitherWrittenNorDeleted) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(128, 9));
    ASSERT_EQ(::chmod("config.bin", 0444), 0);
    const std::u16string reason = u" config.bin: The file is read-only.";
    ExpectRefused([] { testing::ResetConfigToZeros(); }, u"Could not write" + reason);
    ExpectRefused([] { WriteSettingsFile({}, SettingsRecord()); }, u"Could not write" + reason);
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 9));
}

// A link could point anywhere: its target is neither shown nor written over.
TEST(SettingsFileTest, SymbolicLinkIsNoCardFile) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(200, 7));
    std::filesystem::rename("config.bin", "elsewhere.bin");
    std::filesystem::create_symlink("elsewhere.bin", "config.bin");
    const std::u16string reason = u" config.bin: It is not a regular file.";
    SettingsRecord record;
    ExpectRefused([&] { ReadSettingsFile({}, record); }, u"Could not read" + reason);
    ExpectRefused([] { WriteSettingsFile({}, SettingsRecord()); }, u"Could not write" + reason);
    EXPECT_EQ(record, SettingsRecord());
    std::ifstream target("elsewhere.bin", std::ios::binary);
    EXPECT_EQ(std::vector<char>(std::istreambuf_iterator<char>(target), {}),
              std::vector<char>(200, 7));
}

// Root ignores file permissions, so a size limit in a child process makes the write fail.
TEST(SettingsFileTest, FailedWriteIsReportedWithTheSystemsReason) {
    TempFolder folder;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            WriteSettingsFile({}, SettingsRecord());
        } catch (const SettingsFileError& error) {
            ::_exit(error.message() == u"Could not write config.bin: File too large." ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no error reported, 2: wrong message";
}

}  // namespace
}  // namespace vesko
