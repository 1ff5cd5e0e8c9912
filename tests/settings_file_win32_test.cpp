// Windows file sharing: config.bin opened by another program.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

#include "settings/settings_file.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::ReadConfigBytes;
using testing::TempFolder;
using testing::WriteConfigBytes;

class OtherProgramHolding {
public:
    OtherProgramHolding(DWORD access, DWORD share)
        : handle_(::CreateFileW(L"config.bin", access, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
    }
    OtherProgramHolding(const OtherProgramHolding&) = delete;
    OtherProgramHolding& operator=(const OtherProgramHolding&) = delete;
    ~OtherProgramHolding() { ::CloseHandle(handle_); }

private:
    HANDLE handle_;
};

TEST(SettingsFileWin32Test, OtherReadersAreWelcomeAWriterIsNot) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(128, 9));
    SettingsRecord record;
    {
        const OtherProgramHolding reader(GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(ReadSettingsFile({}, record));
        EXPECT_EQ(record.bytes()[0], 9);
    }
    for (const DWORD share : {DWORD{0}, DWORD{FILE_SHARE_READ}}) {
        const OtherProgramHolding writer(GENERIC_READ | GENERIC_WRITE, share);
        const std::u16string reason = u" config.bin: The file is in use by another program.";
        try {
            ReadSettingsFile({}, record);
            ADD_FAILURE() << "the read did not report";
        } catch (const SettingsFileError& error) {
            EXPECT_EQ(error.message(), u"Could not read" + reason);
        }
        EXPECT_THROW(testing::ResetConfigToZeros(), SettingsFileError);
        EXPECT_THROW(WriteSettingsFile({}, record), SettingsFileError);
    }
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 9));
    testing::ResetConfigToZeros();
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 0));
}

// The reset the user confirmed must not quietly leave the old values in place.
TEST(SettingsFileWin32Test, ReadOnlyFileIsNotReplacedAndSaysSo) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(128, 9));
    ASSERT_TRUE(::SetFileAttributesW(L"config.bin", FILE_ATTRIBUTE_READONLY));
    try {
        testing::ResetConfigToZeros();
        ADD_FAILURE() << "the reset did not report";
    } catch (const SettingsFileError& error) {
        EXPECT_EQ(error.message(), u"Could not write config.bin: The file is read-only.");
    }
    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 9));
    EXPECT_TRUE(std::filesystem::exists("config.bin"));
    ::SetFileAttributesW(L"config.bin", FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace vesko
