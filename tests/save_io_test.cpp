// What a save does to the card, call by call: the card in a dash camera wears, and a user
// may pull it the moment the success box shows.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <string>
#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "settings/defaults.h"
#include "settings/posix_file_calls.h"
#include "temp_folder.h"

namespace vesko {
namespace {

// The real calls, each one noted.
class RecordingCalls final : public PosixFileCalls {
public:
    std::vector<std::string> calls;

    int Open(const char* path, int flags, mode_t mode) override {
        calls.push_back(std::string("open ") + path + ((flags & O_CREAT) != 0 ? " create" : "") +
                        ((flags & O_ACCMODE) == O_RDONLY ? " read" : " read-write"));
        return PosixFileCalls::Open(path, flags, mode);
    }
    int Fstat(int fd, struct stat* info) override {
        calls.emplace_back("stat");
        return PosixFileCalls::Fstat(fd, info);
    }
    int Flock(int fd, int operation) override {
        calls.emplace_back("lock");
        return PosixFileCalls::Flock(fd, operation);
    }
    ssize_t Read(int fd, void* buffer, size_t count) override {
        calls.emplace_back("read");
        return PosixFileCalls::Read(fd, buffer, count);
    }
    ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset) override {
        calls.push_back("write " + std::to_string(count) + " at " + std::to_string(offset));
        return PosixFileCalls::Pwrite(fd, buffer, count, offset);
    }
    int Fsync(int fd) override {
        calls.emplace_back("flush");
        return PosixFileCalls::Fsync(fd);
    }
    int Close(int fd) override {
        calls.emplace_back("close");
        return PosixFileCalls::Close(fd);
    }
    int Unlink(const char* path) override {
        calls.push_back(std::string("delete ") + path);
        return PosixFileCalls::Unlink(path);
    }
    int Rename(const char* from, const char* to) override {
        calls.push_back(std::string("rename ") + from + " " + to);
        return PosixFileCalls::Rename(from, to);
    }
};

using Calls = std::vector<std::string>;

TEST(SaveIoTest, SavingOverAnExistingFileIsOneWriteAndOneFlush) {
    testing::TempFolder folder;
    const SettingsRecord& defaults = FactoryDefaults();
    testing::WriteConfigBytes({defaults.bytes().begin(), defaults.bytes().end()});
    testing::OpenedDialog d;
    RecordingCalls recording;
    {
        const ScopedFileCalls seam(recording);
        d.view.Click(IDOK);
    }
    EXPECT_EQ(recording.calls,
              (Calls{"open . read", "lock", "open config.bin read-write", "stat", "lock", "read",
                     "read", "write 128 at 0", "flush", "close", "close"}));
    EXPECT_EQ(d.view.messages.at(0).caption, u"Success");
}

TEST(SaveIoTest, ANewFileAlsoHasItsFolderEntrySynced) {
    testing::TempFolder folder;
    testing::OpenedDialog d;
    RecordingCalls recording;
    {
        const ScopedFileCalls seam(recording);
        d.view.Click(IDOK);
    }
    // The first three: whether there is a config.bin to ask about.
    EXPECT_EQ(recording.calls,
              (Calls{"open . read", "lock", "close", "open . read", "lock",
                     "open config.bin create read-write", "stat", "lock", "write 128 at 0", "flush",
                     "close", "open . read", "flush", "close", "close"}));
}

// The new file is whole on the card before it takes the old one's name.
TEST(SaveIoTest, DefaultSetWritesANewFileThenRenamesIt) {
    testing::TempFolder folder;
    const SettingsRecord& defaults = FactoryDefaults();
    testing::WriteConfigBytes({defaults.bytes().begin(), defaults.bytes().end()});
    testing::OpenedDialog d;
    RecordingCalls recording;
    {
        const ScopedFileCalls seam(recording);
        d.view.Click(IDC_DEFAULT_SET);
    }
    EXPECT_EQ(recording.calls,
              (Calls{"open . read", "lock", "open config.bin read-write", "stat", "lock", "read",
                     "read", "open config.bin.vesko-new create read-write", "stat", "lock",
                     "write 128 at 0", "flush", "close", "rename config.bin.vesko-new config.bin",
                     "open . read", "flush", "close", "close", "close"}));
}

TEST(SaveIoTest, OpeningTheDialogOnlyReads) {
    testing::TempFolder folder;
    const SettingsRecord& defaults = FactoryDefaults();
    testing::WriteConfigBytes({defaults.bytes().begin(), defaults.bytes().end()});
    RecordingCalls recording;
    const ScopedFileCalls seam(recording);
    testing::OpenedDialog d;
    d.view.Click(IDCANCEL);
    EXPECT_EQ(recording.calls, (Calls{"open . read", "lock", "open config.bin read", "stat", "lock",
                                      "read", "read", "close", "close"}));
}

}  // namespace
}  // namespace vesko
