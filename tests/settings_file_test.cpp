#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "settings/folder_path.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::ReadConfigBytes;
using testing::TempFolder;
using testing::WriteConfigBytes;

SettingsRecord RandomRecord(unsigned seed) {
    std::mt19937 random(seed);
    SettingsRecord record;
    std::generate(record.bytes().begin(), record.bytes().end(),
                  [&random] { return static_cast<std::uint8_t>(random()); });
    return record;
}

TEST(SettingsFileTest, MissingFileLeavesTheRecordAndWriteCreatesIt) {
    TempFolder folder;
    SettingsRecord record = RandomRecord(1);
    const SettingsRecord before = record;
    EXPECT_FALSE(ReadSettingsFile(FolderOf(folder.path()), record));
    EXPECT_EQ(record, before);

    WriteSettingsFile(FolderOf(folder.path()), record);
    const auto bytes = ReadConfigBytes();
    ASSERT_EQ(bytes.size(), 128u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), record.bytes().begin()));
}

TEST(SettingsFileTest, RandomRecordRoundTrips) {
    TempFolder folder;
    for (unsigned seed = 0; seed < 20; ++seed) {
        const SettingsRecord written = RandomRecord(seed);
        WriteSettingsFile(FolderOf(folder.path()), written);
        SettingsRecord read;
        ASSERT_TRUE(ReadSettingsFile(FolderOf(folder.path()), read));
        EXPECT_EQ(read, written) << "seed " << seed;
    }
}

TEST(SettingsFileTest, ShortFileReadsAsZerosAfterItsEnd) {
    TempFolder folder;
    WriteConfigBytes(std::vector<std::uint8_t>(10, 0x55));
    SettingsRecord record = RandomRecord(2);
    ASSERT_TRUE(ReadSettingsFile(FolderOf(folder.path()), record));
    for (std::size_t i = 0; i < 128; ++i) {
        EXPECT_EQ(record.bytes()[i], i < 10 ? 0x55 : 0) << "byte " << i;
    }
}

TEST(SettingsFileTest, LongerFileKeepsItsLengthAndTail) {
    TempFolder folder;
    std::vector<std::uint8_t> original(200);
    for (std::size_t i = 0; i < original.size(); ++i) {
        original[i] = static_cast<std::uint8_t>(i * 7);
    }
    WriteConfigBytes(original);
    SettingsRecord record;
    ASSERT_TRUE(ReadSettingsFile(FolderOf(folder.path()), record));
    EXPECT_TRUE(std::equal(record.bytes().begin(), record.bytes().end(), original.begin()));

    const SettingsRecord changed = RandomRecord(3);
    WriteSettingsFile(FolderOf(folder.path()), changed);
    const auto bytes = ReadConfigBytes();
    ASSERT_EQ(bytes.size(), 200u);
    EXPECT_TRUE(std::equal(changed.bytes().begin(), changed.bytes().end(), bytes.begin()));
    EXPECT_TRUE(std::equal(bytes.begin() + 128, bytes.end(), original.begin() + 128));
}

TEST(SettingsFileTest, FolderNamedConfigBinIsUnreadableAndUnwritable) {
    TempFolder folder;
    std::filesystem::create_directory("config.bin");
    SettingsRecord record;
    EXPECT_THROW(ReadSettingsFile(FolderOf(folder.path()), record), SettingsFileError);
    EXPECT_THROW(testing::ResetConfigToZeros(folder.path()), SettingsFileError);
    EXPECT_TRUE(std::filesystem::is_directory("config.bin"));
    try {
        WriteSettingsFile(FolderOf(folder.path()), record);
        FAIL() << "the write did not report";
    } catch (const SettingsFileError& error) {
        const std::u16string& message = error.message();
        EXPECT_EQ(message.rfind(u"Could not write config.bin: ", 0), 0u);
        EXPECT_GT(message.size(), 30u) << "with the system's reason";
        EXPECT_EQ(message.back(), u'.');
    }
}

// A catch-all that prints what() says the message whole.
TEST(SettingsFileTest, WhatIsTheMessageInUtf8) {
    const SettingsFileError error(u"Could not read config.bin: Zugriff verweigert – 読めません.");
    EXPECT_STREQ(error.what(), "Could not read config.bin: Zugriff verweigert – 読めません.");
}

// A write decided on bytes that are no longer the file's writes nothing and tells what the
// file holds now: another program's save, or the same bytes in another file.
TEST(SettingsFileTest, WriteGoesOnlyOntoTheFileItWasDecidedOn) {
    TempFolder folder;
    const Folder here = FolderOf(folder.path());
    WriteSettingsFile(here, SettingsRecord());
    SettingsRecord mine;
    mine.bytes()[0] = 1;
    SettingsRecord theirs;
    theirs.bytes()[1] = 2;
    const FoundSettings read = ReadSettingsFile(here);
    WriteSettingsFile(here, theirs);
    WriteOutcome outcome = WriteIfUnchanged(here, read, mine, SaveKind::kUpdate);
    EXPECT_FALSE(outcome.done);
    ASSERT_TRUE(outcome.now.has_value());
    EXPECT_EQ(outcome.now->Record(), theirs);

    const FoundSettings theirs_read = ReadSettingsFile(here);
    std::filesystem::copy_file("config.bin", "copy.bin");
    std::filesystem::rename("copy.bin", "config.bin");
    outcome = WriteIfUnchanged(here, theirs_read, mine, SaveKind::kReset);
    EXPECT_FALSE(outcome.done) << "moved in with the same bytes";
    EXPECT_TRUE(WriteIfUnchanged(here, outcome.now, mine, SaveKind::kUpdate).done);
    EXPECT_EQ(ReadConfigBytes().at(0), 1);
}

// FAT shows short names in capitals, and a copy of a card may sit on a case-sensitive disk:
// one spelling is the file, kept as it is; two are refused, naming both, with nothing written.
TEST(SettingsFileTest, ConfigBinIsFoundInAnyCase) {
    TempFolder folder;
    const Folder here = FolderOf(folder.path());
    std::ofstream("CONFIG.BIN") << "FAT";
    SettingsRecord read;
    ASSERT_TRUE(ReadSettingsFile(here, read));
    EXPECT_EQ(read.Text({0, 3}), u"FAT");
    WriteSettingsFile(here, RandomRecord(6));
    ASSERT_TRUE(testing::ResetConfigToZeros(folder.path()));
    std::vector<std::string> names;
    std::transform(std::filesystem::directory_iterator(folder.path()), {},
                   std::back_inserter(names),
                   [](const auto& entry) { return entry.path().filename().string(); });
    EXPECT_EQ(names, std::vector<std::string>{"CONFIG.BIN"});
#ifndef _WIN32  // Windows itself never shows two
    WriteConfigBytes({1, 2, 3});
    const std::u16string both =
        u"config.bin: The folder holds both CONFIG.BIN and config.bin, which the recorder takes "
        u"for one file; delete one of them.";
    try {
        WriteSettingsFile(here, RandomRecord(7));
        ADD_FAILURE() << "written";
    } catch (const SettingsFileError& error) {
        EXPECT_EQ(error.message(), u"Could not write " + both);
    }
    EXPECT_THROW(ReadSettingsFile(here, read), SettingsFileError);
    EXPECT_EQ(ReadConfigBytes(), (std::vector<std::uint8_t>{1, 2, 3}));
#endif
}

// Card folders are named by people, in their own languages.
TEST(SettingsFileTest, FolderWithNonAsciiName) {
    TempFolder folder;
    const std::filesystem::path card = folder.path() / std::filesystem::path(u8"Kärtchen Ω");
    std::filesystem::create_directory(card);
    const SettingsRecord written = RandomRecord(4);
    WriteSettingsFile(FolderOf(card), written);
    EXPECT_TRUE(std::filesystem::exists(card / "config.bin"));
    EXPECT_FALSE(std::filesystem::exists("config.bin")) << "not in the current folder";
    SettingsRecord read;
    ASSERT_TRUE(ReadSettingsFile(FolderOf(card), read));
    EXPECT_EQ(read, written);
    ASSERT_TRUE(testing::ResetConfigToZeros(card));
    ASSERT_TRUE(ReadSettingsFile(FolderOf(card), read));
    EXPECT_EQ(read, SettingsRecord());
}

// A card pulled out takes its folder along: that is no "absent" file to show defaults for.
TEST(SettingsFileTest, VanishedFolderIsACardThatIsGone) {
    TempFolder folder;
    const std::filesystem::path gone = folder.path() / "pulled-out";
    const std::u16string reason =
        u" config.bin: The card is not there any more; insert it and try again.";
    SettingsRecord record;
    const std::vector<std::pair<std::u16string, std::function<void()>>> accesses{
        {u"Could not read", [&] { ReadSettingsFile(FolderOf(gone), record); }},
        {u"Could not write", [&] { WriteSettingsFile(FolderOf(gone), record); }},
        {u"Could not write", [&] { testing::ResetConfigToZeros(gone); }},
    };
    for (const auto& [action, access] : accesses) {
        try {
            access();
            ADD_FAILURE() << "no error reported";
        } catch (const SettingsFileError& error) {
            EXPECT_EQ(error.message(), action + reason);
        }
    }
}

}  // namespace
}  // namespace vesko
