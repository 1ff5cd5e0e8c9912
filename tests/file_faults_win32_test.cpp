// Every Win32 call of config.bin access failing in turn, as a worn or pulled card makes it:
// what the user sees and what is left on the card; and what a save costs, call by call.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "file_fault_checks.h"
#include "settings/defaults.h"
#include "settings/win32_file_calls.h"
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
    kCreate,
    kCreateNew,  // only the open that makes a new file
    kQuery,
    kRead,
    kWrite,
    kShortWrite,
    kFlush,
    kClose,
    kMove
};

bool IsConfig(const wchar_t* path) {
    return std::wstring_view(path).ends_with(L"config.bin");
}

// config.bin, or the new file a reset writes beside it.
bool IsConfigOrNew(const wchar_t* path) {
    return std::wstring_view(path).find(L"config.bin") != std::wstring_view::npos;
}

// The real calls, but for one step, which fails with `error`.
class FailingCalls final : public Win32FileCalls {
public:
    FailingCalls(Step step, DWORD error) : step_(step), error_(error) {}

    HANDLE Create(const wchar_t* path, DWORD access, DWORD share, DWORD disposition,
                  DWORD flags) override {
        // A file that is not there stays so: only opens that would find or make one fail.
        const bool absent = ::GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES;
        if (((IsConfig(path) && step_ == Step::kCreate &&
              !(absent && disposition == OPEN_EXISTING)) ||
             (step_ == Step::kCreateNew && disposition == CREATE_NEW)) &&
            IsConfigOrNew(path)) {
            return Fail<HANDLE>(INVALID_HANDLE_VALUE);
        }
        return Win32FileCalls::Create(path, access, share, disposition, flags);
    }
    BOOL QueryInformation(HANDLE file, BY_HANDLE_FILE_INFORMATION* info) override {
        return step_ == Step::kQuery ? Fail(FALSE) : Win32FileCalls::QueryInformation(file, info);
    }
    BOOL Read(HANDLE file, void* buffer, DWORD count, DWORD* done) override {
        return step_ == Step::kRead ? Fail(FALSE) : Win32FileCalls::Read(file, buffer, count, done);
    }
    BOOL Write(HANDLE file, const void* buffer, DWORD count, DWORD* done, DWORD offset) override {
        if (step_ == Step::kWrite) {
            return Fail(FALSE);
        }
        if (step_ == Step::kShortWrite) {
            // Some bytes go, then nothing more fits.
            *done = 0;
            return offset == 0 ? Win32FileCalls::Write(file, buffer, count / 2, done, offset)
                               : TRUE;
        }
        return Win32FileCalls::Write(file, buffer, count, done, offset);
    }
    BOOL Flush(HANDLE file) override {
        return step_ == Step::kFlush ? Fail(FALSE) : Win32FileCalls::Flush(file);
    }
    BOOL Close(HANDLE file) override {
        const BOOL closed = Win32FileCalls::Close(file);  // the handle is gone either way
        return step_ == Step::kClose ? Fail(FALSE) : closed;
    }
    BOOL Move(const wchar_t* from, const wchar_t* to) override {
        return step_ == Step::kMove ? Fail(FALSE) : Win32FileCalls::Move(from, to);
    }

private:
    template <typename T>
    T Fail(T result) const {
        ::SetLastError(error_);
        return result;
    }

    Step step_;
    DWORD error_;
};

TEST(FileFaultsWin32Test, FailedSaveStepsAreReportedOnceAndTheNextSaveWorks) {
    const struct {
        Step step;
        DWORD error;
        const char16_t* reason;
        bool file_untouched;  // the write never began, or the file it created is gone again
        bool new_file;        // no config.bin before the save
    } cases[] = {
        {Step::kCreate, ERROR_WRITE_PROTECT, kWriteProtected, true, false},
        {Step::kCreate, ERROR_SHARING_VIOLATION, kInUse, true, false},
        {Step::kQuery, ERROR_NOT_READY, kCardGone, true, false},
        {Step::kWrite, ERROR_DEVICE_NOT_CONNECTED, kCardGone, true, false},
        {Step::kShortWrite, ERROR_SUCCESS, kCardFull, false, false},
        {Step::kFlush, ERROR_DEV_NOT_EXIST, kCardGone, false, false},
        {Step::kClose, ERROR_HANDLE_DISK_FULL, kCardFull, false, false},
        {Step::kCreate, ERROR_DISK_FULL, kCardFull, true, true},
        {Step::kWrite, ERROR_NOT_READY, kCardGone, true, true},
        {Step::kFlush, ERROR_DISK_FULL, kCardFull, true, true},
        {Step::kClose, ERROR_DISK_FULL, kCardFull, true, true},
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

TEST(FileFaultsWin32Test, UnreadableFileIsSaidBeforeTheDefaultsShow) {
    for (const Step step : {Step::kCreate, Step::kQuery, Step::kRead}) {
        TempFolder folder;
        testing::WriteConfigBytes(RecorderFile());
        FailingCalls failing(step, ERROR_NOT_READY);
        const ScopedFileCalls seam(failing);
        OpenedDialog d;
        EXPECT_EQ(d.view.SelectedEntry(IDC_TIME_ZONE), u"GMT -5:00 EST");
        ASSERT_EQ(d.view.messages.size(), 1u);
        EXPECT_EQ(d.view.messages[0].text, Report(u"Could not read", kCardGone));
    }
}

TEST(FileFaultsWin32Test, FailedDefaultSetLeavesTheOldFileAsItWas) {
    const struct {
        Step step;
        DWORD error;
        const char16_t* reason;
    } cases[] = {
        {Step::kCreateNew, ERROR_CRC, testing::kIoError},
        {Step::kWrite, ERROR_DISK_FULL, kCardFull},
        {Step::kFlush, ERROR_NOT_READY, kCardGone},
        {Step::kMove, ERROR_WRITE_PROTECT, kWriteProtected},
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

// The real calls, each one noted.
class RecordingCalls final : public Win32FileCalls {
public:
    std::vector<std::string> calls;

    HANDLE Create(const wchar_t* path, DWORD access, DWORD share, DWORD disposition,
                  DWORD flags) override {
        calls.push_back(std::string("create ") + (IsConfig(path) ? "config.bin" : "?") +
                        ((access & GENERIC_WRITE) != 0 ? " read-write" : " read"));
        return Win32FileCalls::Create(path, access, share, disposition, flags);
    }
    BOOL QueryInformation(HANDLE file, BY_HANDLE_FILE_INFORMATION* info) override {
        calls.emplace_back("query");
        return Win32FileCalls::QueryInformation(file, info);
    }
    BOOL Read(HANDLE file, void* buffer, DWORD count, DWORD* done) override {
        calls.emplace_back("read");
        return Win32FileCalls::Read(file, buffer, count, done);
    }
    BOOL Write(HANDLE file, const void* buffer, DWORD count, DWORD* done, DWORD offset) override {
        calls.push_back("write " + std::to_string(count) + " at " + std::to_string(offset));
        return Win32FileCalls::Write(file, buffer, count, done, offset);
    }
    BOOL Flush(HANDLE file) override {
        calls.emplace_back("flush");
        return Win32FileCalls::Flush(file);
    }
    BOOL Close(HANDLE file) override {
        calls.emplace_back("close");
        return Win32FileCalls::Close(file);
    }
    BOOL MarkForDeletion(HANDLE file) override {
        calls.emplace_back("mark for deletion");
        return Win32FileCalls::MarkForDeletion(file);
    }
    BOOL Move(const wchar_t* from, const wchar_t* to) override {
        calls.emplace_back("move");
        return Win32FileCalls::Move(from, to);
    }
};

TEST(FileFaultsWin32Test, SavingOverAnExistingFileIsOneWriteAndOneFlush) {
    TempFolder folder;
    testing::WriteConfigBytes(RecorderFile());
    OpenedDialog d;
    RecordingCalls recording;
    {
        const ScopedFileCalls seam(recording);
        d.view.Click(IDOK);
    }
    EXPECT_EQ(recording.calls,
              (std::vector<std::string>{"create config.bin read-write", "query", "read", "read",
                                        "write 128 at 0", "flush", "close"}));
    EXPECT_EQ(d.view.messages.at(0).caption, u"Success");
}

}  // namespace
}  // namespace vesko
