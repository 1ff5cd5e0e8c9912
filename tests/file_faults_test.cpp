// Every step of config.bin access failing in turn, as a worn or pulled card makes it: what
// the user sees and what is left on the card.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "file_fault_checks.h"
#include "settings/defaults.h"
#include "settings/posix_file_calls.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::kCardFull;
using testing::kCardGone;
using testing::kInUse;
using testing::kWriteProtected;
using testing::OpenedDialog;
using testing::ReadConfigBytes;
using testing::RecorderFile;
using testing::Report;
using testing::TempFolder;
using Bytes = std::vector<std::uint8_t>;

enum class Step {
    kOpen,
    kCreate,  // only the open that makes a new file
    kStat,
    kLock,
    kRead,
    kWrite,
    kShortWrite,
    kFsync,
    kClose,
    kFolderSync,
    kRename
};

// The real calls, but for one step on config.bin, which fails with `error`.
class FailingCalls final : public PosixFileCalls {
public:
    FailingCalls(Step step, int error) : step_(step), error_(error) {}

    int Open(const char* path, int flags, mode_t mode) override {
        const std::string_view name = path;
        if ((step_ == Step::kOpen && name == "config.bin") ||
            (step_ == Step::kCreate && name.starts_with("config.bin") && (flags & O_CREAT) != 0)) {
            return Fail(-1);
        }
        const int fd = PosixFileCalls::Open(path, flags, mode);
        if (std::strcmp(path, ".") == 0) {
            folder_fd_ = fd;
        }
        return fd;
    }
    int Fstat(int fd, struct stat* info) override {
        return step_ == Step::kStat ? Fail(-1) : PosixFileCalls::Fstat(fd, info);
    }
    int Flock(int fd, int operation) override {
        return step_ == Step::kLock ? Fail(-1) : PosixFileCalls::Flock(fd, operation);
    }
    ssize_t Read(int fd, void* buffer, size_t count) override {
        return step_ == Step::kRead ? Fail(-1) : PosixFileCalls::Read(fd, buffer, count);
    }
    ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset) override {
        if (step_ == Step::kWrite) {
            return Fail(-1);
        }
        if (step_ == Step::kShortWrite) {
            // Some bytes go, then the card is full.
            return offset == 0 ? PosixFileCalls::Pwrite(fd, buffer, count / 2, offset) : Fail(-1);
        }
        return PosixFileCalls::Pwrite(fd, buffer, count, offset);
    }
    int Fsync(int fd) override {
        const bool fails = fd == folder_fd_ ? step_ == Step::kFolderSync : step_ == Step::kFsync;
        return fails ? Fail(-1) : PosixFileCalls::Fsync(fd);
    }
    int Close(int fd) override {
        const int result = PosixFileCalls::Close(fd);  // the descriptor is gone either way
        return step_ == Step::kClose && fd != folder_fd_ ? Fail(-1) : result;
    }
    int Rename(const char* from, const char* to) override {
        return step_ == Step::kRename ? Fail(-1) : PosixFileCalls::Rename(from, to);
    }

private:
    int Fail(int result) const {
        errno = error_;
        return result;
    }

    Step step_;
    int error_;
    int folder_fd_ = -2;
};

TEST(FileFaultsTest, FailedSaveStepsAreReportedOnceAndTheNextSaveWorks) {
    const struct {
        Step step;
        int error;
        const char16_t* reason;
        bool file_untouched;  // the write never began, or the file it created is gone again
        bool new_file;        // no config.bin before the save
    } cases[] = {
        {Step::kOpen, EROFS, kWriteProtected, true, false},
        {Step::kStat, EACCES, u"Permission denied", true, false},
        {Step::kLock, EWOULDBLOCK, kInUse, true, false},
        {Step::kWrite, EIO, testing::kIoError, true, false},
        {Step::kShortWrite, ENOSPC, kCardFull, false, false},
        {Step::kFsync, ENODEV, kCardGone, false, false},
        {Step::kClose, EDQUOT, kCardFull, false, false},
        {Step::kOpen, ENOSPC, kCardFull, true, true},
        {Step::kWrite, ENXIO, kCardGone, true, true},
        {Step::kFolderSync, EIO, testing::kIoError, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        testing::ExpectFailedSaveThenSuccess(
            c.new_file ? Bytes{} : RecorderFile(),
            [&c](const std::function<void()>& save) {
                FailingCalls failing(c.step, c.error);
                const ScopedFileCalls seam(failing);
                save();
            },
            testing::SaveFailure(c.reason, !c.new_file && c.step >= Step::kWrite),
            c.file_untouched);
    }
}

// Half written, then a save that could not even begin: what the card holds is still the
// window's own doing, nothing to ask about.
TEST(FileFaultsTest, HalfWrittenThenRefusedSaveIsNoChangeByAnother) {
    TempFolder folder;
    testing::WriteConfigBytes(RecorderFile());
    OpenedDialog d;
    d.view.Choose(IDC_TIME_ZONE, 3);
    for (const Step step : {Step::kShortWrite, Step::kLock}) {
        FailingCalls failing(step, step == Step::kLock ? EWOULDBLOCK : ENOSPC);
        const ScopedFileCalls seam(failing);
        d.view.Click(IDOK);
    }
    d.view.Click(IDOK);
    ASSERT_EQ(d.view.messages.size(), 3u);
    EXPECT_EQ(d.view.messages[2].caption, u"Success");
}

TEST(FileFaultsTest, ShortWritesThatGoOnSucceed) {
    class HalfAtATime final : public PosixFileCalls {
        ssize_t Pwrite(int fd, const void* buffer, size_t count, off_t offset) override {
            return PosixFileCalls::Pwrite(fd, buffer, (count + 1) / 2, offset);
        }
    } half;
    TempFolder folder;
    OpenedDialog d;
    {
        const ScopedFileCalls seam(half);
        d.view.Click(IDOK);
    }
    testing::TakeNewFileQuestions(d.view);
    EXPECT_EQ(d.view.messages.at(0).caption, u"Success");
    EXPECT_EQ(ReadConfigBytes(), testing::SavedAt(FactoryDefaults()));
}

// Nobody should save over a card they never saw: the defaults come with a word first, and
// while the file still cannot be read neither a save nor a reset touches it.
TEST(FileFaultsTest, UnreadableFileIsSaidBeforeTheDefaultsShow) {
    for (const Step step : {Step::kOpen, Step::kStat, Step::kLock, Step::kRead}) {
        TempFolder folder;
        testing::WriteConfigBytes(RecorderFile());
        FailingCalls failing(step, EACCES);
        const ScopedFileCalls seam(failing);
        OpenedDialog d;
        EXPECT_EQ(d.view.SelectedEntry(IDC_TIME_ZONE), u"GMT -5:00 EST");
        EXPECT_EQ(d.view.GetText(IDC_FIRMWARE_VERSION), u"") << "the record was left alone";
        ASSERT_EQ(d.view.messages.size(), 1u);
        EXPECT_EQ(d.view.messages[0].text, Report(u"Could not read", u"Permission denied"));
        EXPECT_EQ(d.view.messages[0].caption, u"Error");

        d.view.Click(IDOK);
        d.view.Click(IDC_DEFAULT_SET);
        ASSERT_EQ(d.view.messages.size(), 4u) << "refused, confirmed, refused";
        EXPECT_EQ(d.view.messages[1].caption, u"Error");
        EXPECT_EQ(d.view.messages[3].caption, u"Error");
        EXPECT_FALSE(d.view.ended().has_value());
        EXPECT_EQ(ReadConfigBytes(), RecorderFile());
    }
}

// Readable again at the save (another program let go): the user is asked, and the
// recorder's bytes stay.
TEST(FileFaultsTest, SaveAfterAnUnreadableStartAsksAndKeepsTheRecordersBytes) {
    for (const MessageResult answer : {MessageResult::kCancel, MessageResult::kOk}) {
        TempFolder folder;
        testing::WriteConfigBytes(RecorderFile());
        std::optional<OpenedDialog> d;
        {
            FailingCalls failing(Step::kLock, EWOULDBLOCK);
            const ScopedFileCalls seam(failing);
            d.emplace();
        }
        d->view.answers = {answer};
        d->view.Click(IDOK);
        ASSERT_EQ(d->view.messages.size(), answer == MessageResult::kOk ? 3u : 2u);
        EXPECT_EQ(d->view.messages[1].buttons, MessageButtons::kYesNo);
        EXPECT_NE(d->view.messages[1].text.find(u"(firmware version \"QX100\")"),
                  std::u16string::npos);
        if (answer != MessageResult::kOk) {
            EXPECT_EQ(ReadConfigBytes(), RecorderFile()) << "No writes nothing";
            EXPECT_FALSE(d->view.ended().has_value());
            continue;
        }
        EXPECT_EQ(ReadConfigBytes(), testing::SavedAt(testing::RecorderDefaults()));
    }
}

TEST(FileFaultsTest, DefaultSetReadsACardNotReadAtTheStart) {
    TempFolder folder;
    testing::WriteConfigBytes(RecorderFile());
    std::optional<OpenedDialog> d;
    {
        FailingCalls failing(Step::kLock, EWOULDBLOCK);  // another program was writing
        const ScopedFileCalls seam(failing);
        d.emplace();
    }
    d->view.Click(IDC_DEFAULT_SET);
    EXPECT_EQ(ReadConfigBytes(), testing::SavedAt(testing::RecorderDefaults()));
}

TEST(FileFaultsTest, FailedDefaultSetLeavesTheOldFileAsItWas) {
    const struct {
        Step step;
        int error;
        const char16_t* reason;
    } cases[] = {
        {Step::kCreate, EIO, testing::kIoError}, {Step::kWrite, ENOSPC, kCardFull},
        {Step::kFsync, EIO, testing::kIoError},  {Step::kClose, EDQUOT, kCardFull},
        {Step::kRename, EROFS, kWriteProtected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        testing::ExpectFailedDefaultSetChangesNothing(
            [&c](const std::function<void()>& reset) {
                FailingCalls failing(c.step, c.error);
                const ScopedFileCalls seam(failing);
                reset();
            },
            c.reason);
    }
}

}  // namespace
}  // namespace vesko
