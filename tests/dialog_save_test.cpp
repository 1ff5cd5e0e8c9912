#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "settings/defaults.h"
#include "settings/folder_path.h"
#include "settings/text_conversion.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::OpenedDialog;
using testing::ReadConfigBytes;
using testing::TempFolder;
using Bytes = std::vector<std::uint8_t>;

constexpr std::u16string_view kSuccess =
    u"SUCCESS:\n\nPlease click the Driver Event Button to update time.";

Bytes ToBytes(const SettingsRecord& record) {
    return {record.bytes().begin(), record.bytes().end()};
}

// A file as a recorder leaves it: its firmware version and reserved bytes set, 200 long.
Bytes RecorderFile() {
    SettingsRecord record = FactoryDefaults();
    record.SetText(fields::kFirmwareVersion, u"QX100-2.31");
    record.SetByte(fields::kVideoResolution, 0);
    record.SetByte(fields::kSpeedLimitEvent, 1);
    record.SetByte(fields::kSpeedLimit, 45);
    record.SetText(fields::kVehicleNumber, u"CAR_7");
    for (std::size_t i = 96; i < 100; ++i) {
        record.bytes()[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    for (std::size_t i = 112; i < 128; ++i) {
        record.bytes()[i] = static_cast<std::uint8_t>(0x30 + i);
    }
    Bytes bytes = ToBytes(record);
    for (std::size_t i = 128; i < 200; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(i));
    }
    return bytes;
}

// The time words of a save at OpenedDialog::kNow, little-endian.
void StampNow(Bytes& bytes) {
    const LocalTime t = OpenedDialog::kNow;
    const int words[] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
    for (std::size_t i = 0; i < 6; ++i) {
        bytes[100 + 2 * i] = static_cast<std::uint8_t>(words[i] & 0xFF);
        bytes[101 + 2 * i] = static_cast<std::uint8_t>(words[i] >> 8);
    }
}

class DialogSaveTest : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(DialogSaveTest, RefusalsShowTheirMessageAndWriteNothing) {
    struct Case {
        const char* name;
        void (*edit)(testing::FakeDialogView&);
        std::u16string_view message;  // empty: refused without a message
    };
    const Case cases[] = {
        {"password of 7", [](auto& v) { v.Replace(IDC_WIFI_PASSWORD, u"1234567"); },
         u"Length less than 8."},
        {"password of 21 put there by program",
         [](auto& v) { v.SetText(IDC_WIFI_PASSWORD, u"123456789012345678901"); }, u""},
        {"empty SSID", [](auto& v) { v.Replace(IDC_WIFI_SSID, u""); }, u"Please Enter WiFi SSID."},
        {"SSID of 21 put there by program",
         [](auto& v) { v.SetText(IDC_WIFI_SSID, u"123456789012345678901"); },
         u"Length more than 20."},
        {"speed 300", [](auto& v) { v.Replace(IDC_SPEED_LIMIT, u"300"); },
         u"speed limit more than 255 MPH."},
        {"speed -5", [](auto& v) { v.Replace(IDC_SPEED_LIMIT, u"-5"); }, u"Please enter 0-9."},
        {"speed 1a0", [](auto& v) { v.Replace(IDC_SPEED_LIMIT, u"1a0"); }, u"Please enter 0-9."},
        {"vehicle number with a character no byte holds",
         [](auto& v) { v.Replace(IDC_VEHICLE_NUMBER, u"A\u0141B"); },
         u"Please enter 0-9,'_',a-z,A-Z."},
        {"password with a character no byte holds",
         [](auto& v) { v.Replace(IDC_WIFI_PASSWORD, u"1234\u4E2D5678"); },
         u"Please enter 0-9, a-z, A-Z."},
        {"SSID with a character no byte holds",
         [](auto& v) { v.Replace(IDC_WIFI_SSID, u"\u0141A"); }, u"Please enter 0-9, a-z, A-Z."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::WriteConfigBytes(RecorderFile());
        OpenedDialog d;
        c.edit(d.view);
        d.view.messages.clear();
        d.view.Click(IDOK);
        if (c.message.empty()) {
            EXPECT_TRUE(d.view.messages.empty());
        } else {
            ASSERT_EQ(d.view.messages.size(), 1u);
            EXPECT_EQ(d.view.messages[0].text, c.message);
            EXPECT_EQ(d.view.messages[0].caption, u"Error");
            EXPECT_EQ(d.view.messages[0].icon, MessageIcon::kError);
            EXPECT_EQ(d.view.messages[0].buttons, MessageButtons::kOk);
        }
        EXPECT_FALSE(d.view.ended().has_value());
        EXPECT_EQ(ReadConfigBytes(), RecorderFile());
    }
}

TEST_F(DialogSaveTest, RefusedPasswordLeavesTheEarlierFieldsInTheRecord) {
    OpenedDialog d;
    d.view.Type(IDC_VEHICLE_NUMBER, u"NEW_1");
    d.view.Replace(IDC_WIFI_PASSWORD, u"short");
    EXPECT_EQ(d.dialog.SaveSettings(), -1);
    EXPECT_EQ(d.dialog.record().Text(fields::kVehicleNumber), u"NEW_1");
    EXPECT_EQ(d.dialog.record().Text(fields::kWifiPassword), u"");
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
}

TEST_F(DialogSaveTest, SpeedLimitValues) {
    const std::pair<std::u16string_view, int> cases[] = {{u"", 0}, {u"255", 255}, {u" 7", 7}};
    for (const auto& [text, value] : cases) {
        OpenedDialog d;
        d.view.SetText(IDC_SPEED_LIMIT, text);
        ASSERT_EQ(d.dialog.SaveSettings(), 0);
        EXPECT_EQ(ReadConfigBytes().at(19), value);
    }
}

TEST_F(DialogSaveTest, FullSaveWritesEveryByte) {
    testing::WriteConfigBytes(RecorderFile());
    OpenedDialog d;
    d.view.Choose(IDC_TIME_ZONE, 13);
    d.view.Type(IDC_VEHICLE_NUMBER, u"9\u00E9");   // U+00E9 at the end is refused as typed...
    d.view.Replace(IDC_WIFI_SSID, u"Caf\u00E9X");  // ...but inside a text it keeps its byte
    d.view.Replace(IDC_SPEED_LIMIT, u"70");
    d.view.Click(IDOK);

    Bytes expected = RecorderFile();
    expected[8] = 13;
    expected[19] = 70;
    const std::uint8_t vehicle[15] = {'C', 'A', 'R', '_', '7', '9'};
    std::copy(std::begin(vehicle), std::end(vehicle), expected.begin() + 20);
    const std::uint8_t ssid[20] = {'C', 'a', 'f', 0xE9, 'X'};
    std::copy(std::begin(ssid), std::end(ssid), expected.begin() + 55);
    StampNow(expected);
    EXPECT_EQ(ReadConfigBytes(), expected);

    EXPECT_EQ(d.view.GetText(IDC_DATE), u"2026-12-07");
    EXPECT_EQ(d.view.GetText(IDC_TIME), u"09:05:03");
    ASSERT_EQ(d.view.messages.size(), 2u);  // the refused character, then success
    EXPECT_EQ(d.view.messages[1].text, kSuccess);
    EXPECT_EQ(d.view.messages[1].caption, u"Success");
    EXPECT_EQ(d.view.messages[1].icon, MessageIcon::kNone);
    EXPECT_EQ(d.view.ended(), DialogResult::kOk);
}

TEST_F(DialogSaveTest, ExitWritesNothing) {
    OpenedDialog d;
    d.view.Choose(IDC_AUDIO, 0);
    d.view.Click(IDCANCEL);
    EXPECT_EQ(d.view.ended(), DialogResult::kCancel);
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
    EXPECT_TRUE(d.view.messages.empty());
}

TEST_F(DialogSaveTest, FormatRequestReachesTheFileOnlyWithASave) {
    testing::WriteConfigBytes(RecorderFile());
    {
        OpenedDialog d;
        d.view.answers = {MessageResult::kOk};
        d.view.Click(IDC_FORMAT_SD);
        ASSERT_EQ(d.view.messages.size(), 1u);
        EXPECT_EQ(d.view.messages[0].caption, u"Format SD Card");
        EXPECT_EQ(d.view.messages[0].buttons, MessageButtons::kOkCancel);
        EXPECT_EQ(d.view.messages[0].icon, MessageIcon::kExclamation);
        EXPECT_EQ(d.view.messages[0].text,
                  u"Warning: formatting will erase all data in SD card.\n\n\"Ok\":Format( Click "
                  u"DVR \"PANIC KEY\" after \"OK(Save)\" button ).\n\n\"Cancel\":Quit.");
        d.view.Click(IDCANCEL);
        EXPECT_EQ(ReadConfigBytes().at(75), 0);
    }
    {
        OpenedDialog d;
        d.view.answers = {MessageResult::kOk};
        d.view.Click(IDC_FORMAT_SD);
        d.view.Click(IDOK);
        EXPECT_EQ(ReadConfigBytes().at(75), 1);
    }
    {
        OpenedDialog d;
        d.view.answers = {MessageResult::kCancel};
        d.view.Click(IDC_FORMAT_SD);
        d.view.Click(IDOK);
        EXPECT_EQ(ReadConfigBytes().at(75), 0);
    }
}

TEST_F(DialogSaveTest, DefaultSetWritesTheDefaultsAndKeepsTheRecordersBytes) {
    Bytes file = RecorderFile();
    file[75] = 1;
    testing::WriteConfigBytes(file);
    OpenedDialog d;
    d.view.Choose(IDC_DST, 1);  // the defaults must switch the DST controls back
    d.view.answers = {MessageResult::kOk};
    d.view.Click(IDC_DEFAULT_SET);

    SettingsRecord expected_record = FactoryDefaults();
    for (const Field f : {fields::kFormatSdCard, fields::kFirmwareVersion, fields::kReserved1,
                          fields::kReserved2}) {
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(f.offset), f.size,
                    expected_record.bytes().begin() + static_cast<std::ptrdiff_t>(f.offset));
    }
    Bytes expected = testing::SavedAt(expected_record);
    expected.insert(expected.end(), file.begin() + 128, file.end());
    EXPECT_EQ(ReadConfigBytes(), expected) << "the bytes past 128 too";
    ASSERT_EQ(d.view.messages.size(), 1u) << "no success box";
    EXPECT_EQ(d.view.messages[0].caption, u"Default Set");
    EXPECT_EQ(d.view.messages[0].icon, MessageIcon::kExclamation);
    EXPECT_FALSE(d.view.ended().has_value());
    EXPECT_TRUE(d.view.control(IDC_DST_MODE).enabled);
    EXPECT_FALSE(d.view.control(IDC_DST_START_WEEK).enabled);
    EXPECT_EQ(d.view.GetText(IDC_WIFI_SSID), u"QEM-T");
}

TEST_F(DialogSaveTest, DefaultSetWithoutAFileAndCancelled) {
    {
        OpenedDialog d;
        d.view.answers = {MessageResult::kCancel};
        d.view.Click(IDC_DEFAULT_SET);
        EXPECT_FALSE(std::filesystem::exists("config.bin"));
        d.view.Click(IDC_DEFAULT_SET);  // answered OK
        EXPECT_EQ(ReadConfigBytes(), testing::SavedAt(FactoryDefaults()));
    }
    testing::WriteConfigBytes(RecorderFile());
    OpenedDialog d;
    d.view.Choose(IDC_AUDIO, 0);
    d.view.answers = {MessageResult::kCancel};
    d.view.Click(IDC_DEFAULT_SET);
    EXPECT_EQ(ReadConfigBytes(), RecorderFile());
    EXPECT_EQ(d.view.SelectedEntry(IDC_AUDIO), u"ON");
}

// A window opened beside no config.bin (vesko.exe double-clicked in Downloads) asks before
// it makes one; Yes holds for the window, No writes nothing and offers the chooser.
TEST_F(DialogSaveTest, AFolderWithoutConfigBinIsAskedAboutBeforeTheFirstWrite) {
    const auto asked = [](const testing::FakeDialogView& view) {
        return std::count_if(view.messages.begin(), view.messages.end(),
                             [](const auto& m) { return m.caption == u"New config.bin"; });
    };
    OpenedDialog d;
    d.view.answers = {MessageResult::kCancel};
    d.view.Click(IDOK);
    ASSERT_EQ(d.view.messages.size(), 1u);
    EXPECT_EQ(d.view.messages[0].text,
              u"There is no config.bin in " + FromUtf8(std::filesystem::current_path().string()) +
                  u". Is this the recorder's SD card? Yes writes a new config.bin there.");
    EXPECT_EQ(d.view.messages[0].buttons, MessageButtons::kYesNo);
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
    EXPECT_EQ(d.view.chooser_offers, 1);
    EXPECT_FALSE(d.view.ended());
    d.view.Click(IDC_DEFAULT_SET);  // the warning, then the question: both answered Yes
    EXPECT_EQ(ReadConfigBytes(), testing::SavedAt(FactoryDefaults()));
    d.view.Click(IDOK);
    EXPECT_EQ(asked(d.view), 2);
    EXPECT_EQ(d.view.ended(), DialogResult::kOk);

    std::filesystem::remove("config.bin");
    OpenedDialog chosen;
    chosen.view.answers = {MessageResult::kCancel};
    chosen.view.chosen_folder = FolderOf("card");
    chosen.view.Click(IDOK);
    EXPECT_EQ(chosen.dialog.reopen_on(), FolderOf("card"));
    EXPECT_EQ(chosen.view.ended(), DialogResult::kCancel);
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
}

// A recorder without Wi-Fi keeps whatever its Wi-Fi bytes hold, an empty SSID included, and
// its other settings save; Default Set still puts the factory values there.
TEST_F(DialogSaveTest, WifiLockedFileKeepsItsWifiBytes) {
    SettingsRecord record = FactoryDefaults();
    record.SetText(fields::kFirmwareVersion, u"DV302");
    record.SetText(fields::kWifiSsid, u"");
    record.SetText(fields::kWifiPassword, u"short");
    testing::WriteConfigBytes(ToBytes(record));
    OpenedDialog d;
    EXPECT_FALSE(d.view.control(IDC_WIFI_SSID).enabled);
    d.view.Choose(IDC_AUDIO, 0);
    ASSERT_EQ(d.dialog.SaveSettings(), 0);
    record.SetByte(fields::kAudio, 0);
    EXPECT_EQ(ReadConfigBytes(), testing::SavedAt(record));

    // A window that showed a card with Wi-Fi, saving over one without: that card's bytes stay.
    testing::WriteConfigBytes(ToBytes(FactoryDefaults()));
    OpenedDialog other;
    testing::WriteConfigBytes(ToBytes(record));
    ASSERT_EQ(other.dialog.SaveSettings(), 0) << "asked, and answered Yes";
    EXPECT_EQ(other.dialog.record().Text(fields::kWifiSsid), u"");
    EXPECT_EQ(other.dialog.record().Text(fields::kWifiPassword), u"short");

    d.view.Click(IDC_DEFAULT_SET);
    const SettingsRecord written = d.dialog.record();
    EXPECT_EQ(written.Text(fields::kWifiSsid), u"QEM-T");
    EXPECT_EQ(written.Text(fields::kWifiPassword), u"58031946");
    EXPECT_EQ(written.Text(fields::kFirmwareVersion), u"DV302");
    EXPECT_EQ(ReadConfigBytes(), ToBytes(written));
    EXPECT_FALSE(d.view.control(IDC_WIFI_SSID).enabled) << "the lock stays";
}

TEST_F(DialogSaveTest, GetPcTimeChangesTheFieldsAndASaveWritesTheLaterTime) {
    OpenedDialog d;
    d.clock.Set({2027, 1, 2, 3, 4, 5});
    d.view.Click(IDC_GET_PC_TIME);
    EXPECT_EQ(d.view.GetText(IDC_DATE), u"2027-01-02");
    EXPECT_EQ(d.view.GetText(IDC_TIME), u"03:04:05");
    EXPECT_TRUE(d.view.control(IDC_DATE).caret_at_end);
    EXPECT_TRUE(d.view.control(IDC_TIME).caret_at_end);
    EXPECT_EQ(d.dialog.record().Word(fields::kSaveYear), 0);

    d.clock.Set({2027, 1, 2, 3, 5, 9});
    d.view.Click(IDOK);
    const Bytes bytes = ReadConfigBytes();
    EXPECT_EQ(bytes.at(100) | bytes.at(101) << 8, 2027);
    EXPECT_EQ(bytes.at(108), 5);
    EXPECT_EQ(bytes.at(110), 9);
    EXPECT_EQ(d.view.GetText(IDC_TIME), u"03:05:09");
}

// Another card, or another program's save, under the open window: asked first. "No" writes
// nothing; "Yes" writes the window's settings and keeps everything else as the card holds
// it now, the format request included.
TEST_F(DialogSaveTest, FileChangedUnderTheWindowIsAskedAbout) {
    Bytes other_card = RecorderFile();
    other_card[76] = 'Z';
    other_card[97] = 0x11;
    Bytes other_program = RecorderFile();
    other_program[8] = 20;
    other_program[75] = 1;
    const struct {
        Bytes now;
        std::u16string_view line;
    } cases[] = {
        {other_card,
         u"Its firmware version is now \"ZX100-2.31\", not \"QX100-2.31\"; this may "
         u"be another recorder's card."},
        {other_program, u"Another program has changed: Time Zone, the format request."},
    };
    for (const auto& c : cases) {
        testing::WriteConfigBytes(RecorderFile());
        OpenedDialog d;
        d.view.Choose(IDC_AUDIO, 0);
        testing::WriteConfigBytes(c.now);
        d.view.answers = {MessageResult::kCancel};
        d.view.Click(IDOK);
        ASSERT_EQ(d.view.messages.size(), 1u);
        EXPECT_EQ(d.view.messages[0].caption, u"config.bin has changed");
        EXPECT_NE(d.view.messages[0].text.find(c.line), std::u16string::npos);
        EXPECT_EQ(d.view.messages[0].buttons, MessageButtons::kYesNo);
        EXPECT_EQ(ReadConfigBytes(), c.now);
        EXPECT_FALSE(d.view.ended().has_value());

        d.view.Click(IDOK);
        EXPECT_EQ(d.view.messages.back().caption, u"Success");
        Bytes expected = c.now;
        const Bytes window = RecorderFile();
        std::copy_n(window.begin(), 75, expected.begin());
        expected[7] = 0;
        StampNow(expected);
        EXPECT_EQ(ReadConfigBytes(), expected);
    }
}

// Nothing is held while the user is asked: what they answered about must still be the file
// when the write happens, else they are asked again, and "No" writes nothing.
TEST_F(DialogSaveTest, FileChangedAgainWhileAskedIsAskedAboutAgain) {
    testing::WriteConfigBytes(RecorderFile());
    OpenedDialog d;
    Bytes first = RecorderFile();
    first[8] = 20;
    Bytes second = RecorderFile();
    second.resize(60);
    testing::WriteConfigBytes(first);
    d.view.while_asking = [&second] { testing::WriteConfigBytes(second); };
    d.view.answers = {MessageResult::kOk, MessageResult::kCancel};
    d.view.Click(IDOK);
    ASSERT_EQ(d.view.messages.size(), 2u);
    EXPECT_NE(d.view.messages[1].text.find(u"It is only 60 bytes long now"), std::u16string::npos);
    EXPECT_EQ(ReadConfigBytes(), second);
    EXPECT_FALSE(d.view.ended().has_value());
}

// Format SD Card answered for one card, then another card put in: Default Set (or a save)
// asks, names the format request, and writes it only on "Yes".
TEST_F(DialogSaveTest, FormatAnswerStaysWithItsCardUnlessAskedAbout) {
    testing::WriteConfigBytes(RecorderFile());
    OpenedDialog d;
    d.view.Click(IDC_FORMAT_SD);  // answered OK
    Bytes other = RecorderFile();
    std::copy_n("DV777-9.99", 10, other.begin() + 76);
    testing::WriteConfigBytes(other);
    d.view.answers = {MessageResult::kOk, MessageResult::kCancel};
    d.view.Click(IDC_DEFAULT_SET);
    ASSERT_EQ(d.view.messages.size(), 3u);
    EXPECT_NE(d.view.messages[2].text.find(u"\"Yes\" also asks the recorder of this card to "
                                           u"format it, erasing its videos."),
              std::u16string::npos);
    EXPECT_NE(d.view.messages[2].text.find(u"Restore the default values anyway?"),
              std::u16string::npos);
    EXPECT_EQ(ReadConfigBytes(), other);

    d.view.Click(IDC_DEFAULT_SET);  // answered OK, then Yes
    const Bytes written = ReadConfigBytes();
    EXPECT_EQ(written.at(75), 1);
    ASSERT_EQ(written.size(), other.size());
    EXPECT_TRUE(std::equal(other.begin() + 76, other.begin() + 100, written.begin() + 76));
    EXPECT_TRUE(std::equal(other.begin() + 112, other.end(), written.begin() + 112));
}

// A save that wrote nothing leaves nothing of its own on the card: a file put there after it,
// even one with the same bytes, is still another card to ask about, format request and all.
TEST_F(DialogSaveTest, CardSwappedAfterARefusedSaveIsAskedAbout) {
    namespace fs = std::filesystem;
    testing::WriteConfigBytes(RecorderFile());
    fs::permissions("config.bin", fs::perms::owner_read);
    OpenedDialog d;
    d.view.Click(IDC_FORMAT_SD);
    d.view.Click(IDOK);
    EXPECT_EQ(d.view.messages.back().text, u"Could not write config.bin: The file is read-only.");
    fs::permissions("config.bin", fs::perms::owner_all);
    fs::copy_file("config.bin", "twin.bin");
    fs::remove("config.bin");
    fs::rename("twin.bin", "config.bin");
    d.view.answers = {MessageResult::kCancel};
    d.view.Click(IDOK);
    EXPECT_NE(d.view.messages.back().text.find(u"Another file with the same settings"),
              std::u16string::npos);
    EXPECT_NE(d.view.messages.back().text.find(u"format it"), std::u16string::npos);
    EXPECT_EQ(ReadConfigBytes(), RecorderFile());
}

TEST_F(DialogSaveTest, FailedWriteShowsOneErrorAndKeepsTheWindowOpen) {
    OpenedDialog d;
    std::filesystem::create_directory("config.bin");
    d.view.Click(IDOK);
    ASSERT_EQ(d.view.messages.size(), 1u);
    const std::u16string report = d.view.messages[0].text;
    EXPECT_EQ(report.rfind(u"Could not write config.bin: ", 0), 0u) << "names the file";
    EXPECT_GT(report.size(), 30u) << "and gives the system's reason";
    EXPECT_EQ(d.view.messages[0].caption, u"Error");
    EXPECT_EQ(d.view.messages[0].icon, MessageIcon::kError);
    EXPECT_FALSE(d.view.ended().has_value());

    d.view.Click(IDC_DEFAULT_SET);  // nor to put a new file in the place of
    ASSERT_EQ(d.view.messages.size(), 3u);
    EXPECT_EQ(d.view.messages[2].text, u"Could not write config.bin: It is not a regular file.");

    std::filesystem::remove("config.bin");
    d.view.Click(IDOK);
    EXPECT_EQ(d.view.messages.back().caption, u"Success") << "the next save works";
    EXPECT_EQ(ReadConfigBytes().size(), 128u);
}

}  // namespace
}  // namespace vesko
