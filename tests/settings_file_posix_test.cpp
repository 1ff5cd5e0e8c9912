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
    OtherProgramHolding() : fd_(::open("config.bin", O_RDWR)) {
        EXPECT_GE(fd_, 0);
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
    }
    ~OtherProgramHolding() { ::close(fd_); }

private:
    int fd_;
};

TEST(SettingsFileTest, NamedPipeNeitherHangsNorCountsAsAFile) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo("config.bin", 0600), 0);
    ::alarm(10);  // a hang ends the test program instead of the CI run
    SettingsRecord record;
    EXPECT_FALSE(ReadSettingsFile(record));
    DeleteSettingsFile();
    EXPECT_THROW(WriteSettingsFile(record), SettingsFileError);
    ::alarm(0);
    EXPECT_TRUE(std::filesystem::is_fifo("config.bin"));
}

TEST(SettingsFileTest, FileHeldByAnotherProgram) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(128, 9));
    {
        OtherProgramHolding other;
        SettingsRecord record;
        EXPECT_FALSE(ReadSettingsFile(record));
        DeleteSettingsFile();
        EXPECT_TRUE(std::filesystem::exists("config.bin"));
        try {
            WriteSettingsFile(record);
            FAIL() << "the write did not report";
        } catch (const SettingsFileError& error) {
            EXPECT_EQ(error.message(),
                      u"Could not write config.bin: The file is in use by another program.");
        }
    }
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 9));
    DeleteSettingsFile();
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
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
            WriteSettingsFile(SettingsRecord());
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
