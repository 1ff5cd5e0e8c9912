// vesko-cli on sample cards: what each command leaves on the card, what it refuses, and that
// it writes what the window writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <nlohmann/json.hpp>

#include "app/cli/cli.h"
#include "dialog/control_ids.h"
#include "fake_dialog_view.h"
#include "settings/defaults.h"
#include "temp_folder.h"

namespace vesko {
namespace {

using testing::OpenedDialog;
using Bytes = std::vector<std::uint8_t>;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    const testing::FixedClock clock(OpenedDialog::kNow);
    const int status = cli::RunCli(arguments, out, err, in, clock);
    return {status, out.str(), err.str()};
}

Bytes Card(const char* folder) {
    std::ifstream in(std::filesystem::path(folder) / "config.bin", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void MakeCard(const char* folder, SettingsRecord record) {
    std::filesystem::create_directory(folder);
    std::ofstream(std::filesystem::path(folder) / "config.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(record.bytes().data()), SettingsRecord::kSize);
}

SettingsRecord RecorderCard(const char* firmware = "QX100-2.01") {
    SettingsRecord record = FactoryDefaults();
    record.SetText(fields::kFirmwareVersion,
                   std::u16string(firmware, firmware + std::char_traits<char>::length(firmware)));
    record.bytes()[120] = 0x5A;  // a recorder's own byte
    return record;
}

class CliTest : public ::testing::Test {
protected:
    testing::TempFolder folder;
};

TEST_F(CliTest, ShowAndGetPrintWhatTheWindowShows) {
    SettingsRecord record = RecorderCard();
    record.SetByte(fields::kTimeZone, 13);
    record.SetByte(fields::kVideoResolution, 7);  // a newer recorder's value
    MakeCard("card", record);
    const CliRun show = Cli({"show", "card"});
    EXPECT_EQ(show.status, 0);
    EXPECT_NE(show.out.find("Time Zone:                  GMT +1:00\n"), std::string::npos);
    EXPECT_NE(show.out.find("Video Resolution:           byte:7\n"), std::string::npos);
    EXPECT_NE(show.out.find("Firmware Version:           QX100-2.01\n"), std::string::npos);
    EXPECT_NE(Cli({"help"}).out.find("stamp-time"), std::string::npos);
    EXPECT_EQ(
        Cli({"get", "card/config.bin", "time-zone", "dst-start-month", "firmware-version"}).out,
        "GMT +1:00\nMar\nQX100-2.01\n");
}

// Entries in any case and spacing, the short forms, and the stored byte only as byte:N.
TEST_F(CliTest, SetTakesTheFormsPeopleWriteAndKeepsTheRecordersBytes) {
    MakeCard("card", RecorderCard());
    const CliRun set =
        Cli({"set", "card", "time-zone= gmt+1:00 ", "speed-limit=255", "dst-start-week=4TH",
             "vehicle-number=AB-12 3", "g-sensor-x=Level 3", "video-resolution=byte:7"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out, "ok card\n");
    SettingsRecord expected = RecorderCard();
    expected.SetByte(fields::kTimeZone, 13);
    expected.SetByte(fields::kSpeedLimit, 255);
    expected.SetByte(fields::kDstStartWeek, 4);
    expected.SetText(fields::kVehicleNumber, u"AB-12 3");
    expected.SetByte(fields::kGSensorX, 3);
    expected.SetByte(fields::kVideoResolution, 7);
    EXPECT_EQ(Card("card"), testing::SavedAt(expected));
    for (const auto& [zone, byte] : {std::pair{"+2", 14},
                                     {"GMT-8", 4},
                                     {"UTC+02:00", 14},
                                     {"-0", 12},
                                     {"gmt -8:00", 4},
                                     {"+12", 24}}) {
        ASSERT_EQ(Cli({"set", "card", std::string("time-zone=") + zone}).status, 0) << zone;
        EXPECT_EQ(Card("card").at(fields::kTimeZone.offset), byte) << zone;
    }
}

// Bad input: a clear message, exit status 2 and the card as it was.
TEST_F(CliTest, RefusalsWriteNothing) {
    const SettingsRecord card = RecorderCard();
    MakeCard("card", card);
    std::ofstream("broken.json") << "{\n  \"time-zone\": \"GMT\",\n  oops\n}";
    std::ofstream("typed.json") << R"({"speed-limit": "60"})";
    std::ofstream("overflow.json") << R"({"speed-limit": 6e999})";
    std::ofstream("locked.json") << R"({"speed-limit": 60})";
    std::ofstream("huge.json") << "{\"vehicle-number\": \"" << std::string(70000, 'A') << "\"}";
    std::ofstream("twice.json") << R"({"audio": "ON", "audio": "OFF"})";
    std::ofstream("empty.json") << "{}";
    std::ofstream("escape.json") << R"({"\u001b]0;PWNED\u0007": 1, "audio": "ON\u0000"})";
    std::ofstream("zero-char.json") << R"({"audio": "ON\u0000"})";
    std::ofstream("big.json") << R"({"speed-limit": 18446744073709551616})";
    std::ofstream("list.json") << R"({"audio": 1})";
    std::ofstream("latin1.json") << "{\"audio\": \"\xE9\"}";
    std::ofstream("no-mark.json") << std::string("{\0\"\0", 4);
    std::ofstream("nothing.txt") << "# no card yet\n";
    std::ofstream("zero.txt") << std::string("card\ncard\0/..\n", 12);
    std::filesystem::create_directories("folder/config.bin");
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"set", "card", "wifi-ssd=x"}, "did you mean \"wifi-ssid\"?"},
        {{"set", "card", "audio=loud"}, "\"ON\", \"OFF\""},
        {{"set", "card", "time-zone=+3", "wifi-password=1234567"}, "Length less than 8."},
        {{"set", "card", "wifi-ssid="}, "Please Enter WiFi SSID."},
        {{"set", "card", "speed-limit=300"}, "speed limit more than 255 MPH."},
        {{"set", "card", "vehicle-number=\xC3\xA9t\xC3\xA9"}, "Please enter 0-9,'_',a-z,A-Z."},
        {{"set", "card", "vehicle-number=AB\nC"}, "Please enter 0-9,'_',a-z,A-Z."},
        {{"apply", "broken.json", "card"}, "line 3, column 3"},
        {{"apply", "overflow.json", "card"}, "malformed JSON: number overflow"},
        {{"apply", "typed.json", "card"}, "expected a whole number"},
        {{"apply", "huge.json", "card"}, "larger than 64 KiB"},
        {{"apply", "locked.json", "locked.json"}, "locked.json is no card"},
        {{"apply", "locked.json", "folder/config.bin"},
         "folder/config.bin: It is not a regular file"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"set", "card", "audio=on", "audio=off"}, "audio is given twice"},
        {{"apply", "twice.json", "card"}, "\"audio\" is given twice"},
        {{"set", "card", "vehicle-number=\xC1\x81\xC1\x82"}, "not valid UTF-8 text: \"\\xc1\\x81"},
        {{"set", "card", "audio=\xC1\x8FN"}, "not valid UTF-8"},
        {{"set", "card", "speed-limit="}, "speed-limit: no value given"},
        {{"set", "card", "audio= "}, "audio: no value given"},
        {{"set", "card", "audio=1"}, "\"1\" is not one of its entries"},
        {{"set", "card", "=ON"}, "unknown key \"\"; vesko-cli keys lists them"},
        {{"set", "card", "last-saved=x"}, "\"last-saved\" is read-only"},
        {{"apply", "empty.json", "card"}, "the profile sets nothing"},
        {{"apply", "escape.json", "card"}, "unknown key \"\\x1b]0;PWNED\\x07\""},
        {{"apply", "zero-char.json", "card"}, "\"ON\\0\" is not one of its entries"},
        {{"apply", "big.json", "card"}, "not 18446744073709551616"},
        {{"apply", "list.json", "card"}, "expected one of its entries, as a string, not 1"},
        {{"apply", "card", "card"}, "card is a folder, not a profile"},
        {{"apply", "no-such.json", "card"}, "no-such.json does not exist"},
        {{"apply", "-", "card"}, "standard input: malformed JSON"},
        {{"set", "audio=off"}, "the card comes first"},
        {{"format"}, "format: CARD is required (. for the current folder)"},
        {{"show", "--bogus"}, "unknown option \"--bogus\"\nRun vesko-cli show --help"},
        {{"-V"}, "unknown option \"-V\""},
        {{"get", "nowhere", "audio"}, "the card nowhere does not exist"},
        {{"show", "card", "nowhere"}, "failed nowhere: the card nowhere does not exist"},
        {{"set", "card",
          "sp\xD0\xB5"
          "ed-limit=5"},
         "(U+0435 at 3); did you mean \"speed-limit\"?"},
        {{"get", "card", "ssid"}, "did you mean \"wifi-ssid\"?"},
        {{"show", "--jsn"}, "did you mean \"--json\"?"},
        {{"apply", "latin1.json", "card"}, "latin1.json is not UTF-8 text (byte 0xe9 at 12)"},
        {{"apply", "no-mark.json", "card"}, "looks like UTF-16 without a byte-order mark; save"},
        {{"show", "--cards-from", "nothing.txt"}, "nothing.txt names no card"},
        {{"set", "--cards-from", "zero.txt", "audio=ON"}, "line 2 holds a NUL character"},
        {{"export", "card", "-o", "card/CONFIG.BIN."}, "is a card's settings file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << "never raw to a terminal";
        EXPECT_EQ(Card("card"), Bytes(card.bytes().begin(), card.bytes().end()));
    }
#ifndef _WIN32
    ASSERT_EQ(::mkfifo("fifo.json", 0600), 0);  // would block a reader for ever
    EXPECT_NE(Cli({"diff", "fifo.json", "card"}).err.find("fifo.json is not a regular file"),
              std::string::npos);
#endif
    EXPECT_TRUE(std::filesystem::is_empty("folder/config.bin"));
    // A name Windows allows but no UTF-8 can carry: refused, not a crash.
    std::ostringstream out;
    std::ostringstream err;
    const testing::FixedClock clock(OpenedDialog::kNow);
    std::istringstream in;
    EXPECT_EQ(cli::RunWindowsCli(u"vesko-cli apply locked.json card\xDC00", out, err, in, clock),
              2);
    EXPECT_EQ(err.str(), "vesko-cli: not valid Unicode text: card\xEF\xBF\xBD\n");
}

// Only the same file is the same card: cards imaged from one master look alike in every
// other way.
TEST_F(CliTest, ACardNamedSeveralWaysIsWrittenOnce) {
    MakeCard("c", RecorderCard());
    MakeCard("twin", RecorderCard());
    const CliRun run = Cli({"stamp-time", "c", "c/CONFIG.BIN", "./c/", "twin"});
    EXPECT_EQ(run.out, "ok c\nok twin\n");
    EXPECT_EQ(run.err,
              "c/CONFIG.BIN and ./c/ are the same card as c; written once\n"
              "2 of 2 cards written, 0 failed\n");
}

// A dry run fails what the write would fail, for the same reason.
TEST_F(CliTest, DryRunMakesEveryCheckOfTheWrite) {
    MakeCard("ro", RecorderCard());
    std::filesystem::permissions("ro/config.bin", std::filesystem::perms::owner_read);
    std::ofstream("p.json") << R"({"audio": "ON"})";
    const CliRun dry = Cli({"apply", "-n", "p.json", "ro"});
    const CliRun real = Cli({"apply", "p.json", "ro"});
    EXPECT_EQ(dry.status, 1);
    EXPECT_EQ(dry.err, "failed ro: Could not write config.bin: The file is read-only.\n");
    EXPECT_EQ(real.err, dry.err);
    std::filesystem::permissions("ro/config.bin", std::filesystem::perms::owner_all);
}

TEST_F(CliTest, RecordersWithoutWifiKeepTheirWifiBytes) {
    SettingsRecord no_ssid = RecorderCard("DV301");
    no_ssid.SetText(fields::kWifiSsid, u"");  // unfixable in the window: its field is locked
    MakeCard("no-ssid", no_ssid);
    ASSERT_EQ(Cli({"set", "no-ssid", "audio=on"}).status, 0);
    no_ssid.SetByte(fields::kAudio, 0);
    EXPECT_EQ(Card("no-ssid"), testing::SavedAt(no_ssid));
    MakeCard("locked", RecorderCard("DV302-1.07"));
    const CliRun set = Cli({"set", "locked", "wifi-ssid=Fleet"});
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(set.err, "locked: no Wi-Fi on this recorder: wifi-ssid kept as it is\n");
    std::ofstream("profile.json") << R"({"wifi-ssid": "Fleet", "audio": "ON"})";
    const CliRun apply = Cli({"apply", "profile.json", "locked"});
    EXPECT_EQ(apply.status, 0);
    EXPECT_EQ(apply.out, "ok locked\n");
    EXPECT_EQ(apply.err, set.err);
    SettingsRecord expected = RecorderCard("DV302-1.07");
    expected.SetByte(fields::kAudio, 0);
    EXPECT_EQ(Card("locked"), testing::SavedAt(expected));
    EXPECT_EQ(Cli({"diff", "profile.json", "locked"}).status, 0) << "apply would change nothing";
}

TEST_F(CliTest, TextsTheWindowWouldShortenAreWrittenShortenedAndSaid) {
    SettingsRecord record = RecorderCard();
    record.SetText(fields::kVehicleNumber, u"AB\u00E9");
    MakeCard("c", record);
    EXPECT_EQ(Cli({"get", "c", "vehicle-number"}).out, "AB\n") << "what the window shows";
    const CliRun run = Cli({"stamp-time", "c"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.err,
        "c: vehicle-number: \"AB\u00E9\" written as \"AB\" (Please enter 0-9,'_',a-z,A-Z.)\n");
    record.SetText(fields::kVehicleNumber, u"AB");
    EXPECT_EQ(Card("c"), testing::SavedAt(record));
}

// What PowerShell's ">" and Notepad write, and a fleet too long for one command line.
TEST_F(CliTest, ProfilesAndCardListsInTheEncodingsWindowsToolsWrite) {
    const auto utf16 = [](std::string_view text, bool little_endian) {
        std::string bytes = little_endian ? "\xFF\xFE" : "\xFE\xFF";
        for (const char c : text) {
            bytes += little_endian ? std::string{c, '\0'} : std::string{'\0', c};
        }
        return bytes;
    };
    MakeCard("a", RecorderCard());
    MakeCard("b", RecorderCard());
    const std::string profile = R"({"speed-limit": 77})";
    for (const std::string& bytes :
         {"\xEF\xBB\xBF" + profile, utf16(profile, true), utf16(profile, false)}) {
        std::ofstream("p.json", std::ios::binary) << bytes;
        std::ofstream("cards.txt", std::ios::binary)
            << utf16("# depot 7\r\na\r\n\r\n  b\r\na/config.bin\r\n", bytes[0] == '\xFF');
        const CliRun run = Cli({"apply", "p.json", "--cards-from", "cards.txt"});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "ok a\nok b\n");
        EXPECT_NE(run.err.find("a/config.bin is the same card as a; written once"),
                  std::string::npos);
        EXPECT_EQ(Card("b").at(fields::kSpeedLimit.offset), 77);
        std::filesystem::remove("a/config.bin");
        MakeCard("a", RecorderCard());
    }
    EXPECT_EQ(Cli({"get", "--cards-from", "-", "speed-limit"}, "a\nb\n").out, "a: 60\nb: 77\n");
}

// The exit status scripts rely on, however the command is spelt.
TEST_F(CliTest, ExitStatusAsDocumented) {
    MakeCard("c1", RecorderCard());
    const struct {
        std::vector<std::string> arguments;
        int status;
    } cases[] = {
        {{"--version"}, 0},
        {{"show", "--version"}, 0},
        {{"show", "c1", "--", "c1"}, 0},
        {{"show", "c1", "--json", "--", "--version"}, 2},  // a card of that name, refused
        {{"show", "--help"}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cli(c.arguments).status, c.status) << c.arguments.back();
        std::ostringstream lost;
        lost.setstate(std::ios::badbit);  // a closed pipe, a full disk
        std::ostringstream err;
        std::istringstream in;
        const testing::FixedClock clock(OpenedDialog::kNow);
        EXPECT_EQ(cli::RunCli(c.arguments, lost, err, in, clock), std::max(c.status, 1))
            << c.arguments.back();
    }
}

TEST_F(CliTest, ExportThenApplyGivesTheSameSettings) {
    SettingsRecord source = RecorderCard();
    source.SetByte(fields::kDstMode, 1);
    source.SetText(fields::kWifiSsid, u"Depot 7");
    MakeCard("a", source);
    MakeCard("b", RecorderCard("DV305-0.01"));
    std::ofstream("profile.json") << Cli({"export", "a"}).out;
    const std::string fleet = Cli({"export", "--except", "wifi-ssid,vehicle-number", "a"}).out;
    EXPECT_EQ(fleet.find("wifi-ssid"), std::string::npos);
    EXPECT_NE(fleet.find("\"dst-mode\": \"Manual\""), std::string::npos);
    EXPECT_EQ(Cli({"diff", "a", "b"}).status, 1);
    const CliRun apply = Cli({"apply", "profile.json", "b", "new"});  // "new" is no card yet
    std::filesystem::create_directory("new");
    EXPECT_EQ(apply.status, 2) << "a card that is no folder stops the command first";
    const CliRun again = Cli({"apply", "profile.json", "b", "new"});
    EXPECT_EQ(again.out, "ok b\n");
    EXPECT_NE(again.err.find("failed new: no config.bin; --create"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("new/config.bin"));
    const CliRun created = Cli({"apply", "--create", "profile.json", "new"});
    EXPECT_EQ(created.out, "ok new\n");
    EXPECT_EQ(created.err, "new: no config.bin; a new one was written\n");
    const CliRun diff = Cli({"diff", "a", "b"});
    EXPECT_EQ(diff.status, 0) << diff.out;
    EXPECT_EQ(Cli({"diff", "profile.json", "new"}).status, 0);
    EXPECT_EQ(Card("b").at(fields::kFirmwareVersion.offset + 4), '5') << "the recorder's own";
}

TEST_F(CliTest, ExportsOnlyWhatAProfileCanSetAndApplyCountsEveryFailure) {
    SettingsRecord odd = RecorderCard();
    odd.SetByte(fields::kVideoResolution, 200);  // a newer recorder's entry
    MakeCard("odd", odd);
    const CliRun exported = Cli({"export", "odd"});
    EXPECT_NE(exported.err.find("video-resolution left out"), std::string::npos);
    std::ofstream("profile.json") << exported.out;

    std::filesystem::create_directories("gone1/config.bin");  // unreadable: not a file
    std::filesystem::create_directories("gone2/config.bin");
    const CliRun apply = Cli({"apply", "profile.json", "gone1", "odd", "gone2"});
    EXPECT_EQ(apply.status, 1);
    EXPECT_EQ(apply.out, "ok odd\n");
    EXPECT_NE(apply.err.find("1 of 3 cards written, 2 failed"), std::string::npos) << apply.err;
    EXPECT_EQ(Card("odd").at(fields::kVideoResolution.offset), 200);

    std::filesystem::create_directory("empty");
    const CliRun none = Cli({"export", "empty"});  // factory settings would reset a fleet
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");
}

// Against a profile only what it holds counts: "would apply change this card?".
TEST_F(CliTest, DiffAndDryRunAnswerWhatApplyWouldChange) {
    SettingsRecord on = RecorderCard();
    on.SetByte(fields::kAudio, 0);
    MakeCard("on", on);
    SettingsRecord off = RecorderCard();  // audio OFF, the factory setting
    off.SetByte(fields::kTimeZone, 13);
    MakeCard("off", off);
    std::ofstream("quiet.json") << R"({"audio": "off", "time-zone": "+1"})";
    EXPECT_EQ(Cli({"diff", "quiet.json", "off"}).status, 0);
    const CliRun diff = Cli({"diff", "on", "-"}, R"({"audio": "OFF"})");
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out, "audio: \"ON\" -> \"OFF\"\n");
    const CliRun dry = Cli({"apply", "--dry-run", "quiet.json", "on", "off"});
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out,
              "on: audio: \"ON\" -> \"OFF\"\non: time-zone: \"GMT -5:00 EST\" -> \"GMT +1:00\"\n"
              "off: no change\n");
    EXPECT_EQ(Card("on"), Bytes(on.bytes().begin(), on.bytes().end()));
}

// show --json gives the settings as a profile takes them, and a card that is not quite
// one is said: its size, or its error.
TEST_F(CliTest, ShowJsonIsAProfileAndOddCardsAreNamed) {
    SettingsRecord source = RecorderCard();
    source.SetByte(fields::kVideoResolution, 9);  // only byte:9 can carry it
    source.SetText(fields::kWifiSsid, u"Depot 7");
    MakeCard("a", source);
    MakeCard("b", FactoryDefaults());
    std::filesystem::create_directory("zero");
    std::ofstream("zero/config.bin").close();
    const CliRun show = Cli({"show", "--json", "a", "zero", "gone"});
    const auto cards = nlohmann::json::parse(show.out);
    EXPECT_EQ(cards[0]["settings"]["speed-limit"], 60);
    EXPECT_EQ(cards[0]["read-only"]["last-saved"], nullptr);
    EXPECT_EQ(cards[1]["note"], "config.bin is 0 bytes, not 128");
    EXPECT_EQ(cards[2]["error"], "the card gone does not exist");
    EXPECT_EQ(show.status, 2) << "no card at all is input refused";
    std::ofstream("profile.json") << cards[0]["settings"].dump();
    ASSERT_EQ(Cli({"apply", "profile.json", "b"}).status, 0);
    EXPECT_EQ(Cli({"diff", "a", "b"}).out, "");

    const CliRun exported = Cli({"export", "zero"});  // read as the window reads it, and said
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.err.rfind("zero: config.bin is 0 bytes, not 128\n", 0), 0u);
    const CliRun set = Cli({"set", "zero", "audio=off"});
    EXPECT_NE(set.err.find("Length less than 8. (config.bin is 0 bytes, not 128)"),
              std::string::npos)
        << set.err;
    EXPECT_EQ(std::filesystem::file_size("zero/config.bin"), 0u);
}

// The window's Default Set, Format SD Card and save, card for card.
TEST_F(CliTest, DefaultsFormatAndStampTimeWriteWhatTheWindowWrites) {
    SettingsRecord record = RecorderCard();
    record.SetByte(fields::kTimeZone, 20);
    record.SetText(fields::kWifiSsid, u"Old");
    MakeCard("cli", record);
    std::filesystem::create_directory("window");
    std::filesystem::copy_file("cli/config.bin", "window/config.bin");
    {
        std::filesystem::current_path("window");
        OpenedDialog d;
        d.view.Click(IDC_DEFAULT_SET);
        std::filesystem::current_path("..");
    }
    EXPECT_EQ(Cli({"defaults", "cli"}).out, "ok cli\n");
    EXPECT_EQ(Card("cli"), Card("window"));

    ASSERT_EQ(Cli({"format", "cli"}).status, 0);
    EXPECT_EQ(Card("cli").at(fields::kFormatSdCard.offset), 1);
    ASSERT_EQ(Cli({"format", "--cancel", "cli"}).status, 0);
    EXPECT_EQ(Card("cli").at(fields::kFormatSdCard.offset), 0);
    std::filesystem::remove("cli/config.bin");
    MakeCard("cli", record);
    ASSERT_EQ(Cli({"stamp-time", "cli"}).status, 0);
    EXPECT_EQ(Card("cli"), testing::SavedAt(record));
}

// A failure nothing foresaw stops the command with what is known of it, writing nothing.
TEST_F(CliTest, AnUnforeseenFailureIsSaidAndWritesNothing) {
    MakeCard("card", RecorderCard());
    const Bytes before = Card("card");
    testing::FixedClock clock(OpenedDialog::kNow);
    clock.Break("Uhr gestört — Zeit unbekannt");
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in;
    EXPECT_EQ(cli::RunCli({"stamp-time", "card"}, out, err, in, clock), 1);
    EXPECT_EQ(err.str(), "vesko-cli: Uhr gestört — Zeit unbekannt\n");
    EXPECT_EQ(Card("card"), before);
}

}  // namespace
}  // namespace vesko
