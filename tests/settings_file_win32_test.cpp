// Windows file sharing: config.bin opened by another program without sharing.
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

TEST(SettingsFileWin32Test, FileHeldByAnotherProgram) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(128, 9));
    HANDLE other = ::CreateFileW(L"config.bin", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);

    SettingsRecord record;
    EXPECT_FALSE(ReadSettingsFile(record));
    DeleteSettingsFile();
    EXPECT_TRUE(std::filesystem::exists("config.bin"));
    try {
        WriteSettingsFile(record);
        ADD_FAILURE() << "the write did not report";
    } catch (const SettingsFileError& error) {
        // The system's own words for a sharing violation follow, in the system's language.
        EXPECT_EQ(error.message().rfind(u"Could not write config.bin: ", 0), 0u);
        EXPECT_GT(error.message().size(), 30u);
    }
    ::CloseHandle(other);

    EXPECT_EQ(ReadConfigBytes(), std::vector<std::uint8_t>(128, 9));
    DeleteSettingsFile();
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
}

}  // namespace
}  // namespace vesko
