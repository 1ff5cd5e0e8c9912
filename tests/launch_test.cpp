// The command-line rules both programs share.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#ifndef _WIN32
#include "app/launch/chooser_start_folder.h"
#endif
#include "app/launch/command_line.h"
#include "app/launch/windows_arguments.h"
#include "settings/folder_path.h"
#include "temp_folder.h"
#include "version.h"

namespace vesko {
namespace {

using Action = LaunchRequest::Action;
namespace fs = std::filesystem;

LaunchRequest Parse(const std::vector<fs::path>& arguments) {
    std::vector<Folder> folders(arguments.size());
    std::transform(arguments.begin(), arguments.end(), folders.begin(), FolderOf);
    return ParseCommandLine(folders);
}

TEST(LaunchTest, NoArgumentOrOneFolderOpensTheWindow) {
    const testing::TempFolder here;
    fs::create_directory("card");
    const fs::path card = here.path() / "card";

    const LaunchRequest plain = Parse({});
    EXPECT_EQ(plain.action, Action::kOpen);
    EXPECT_TRUE(plain.folder.empty());
    EXPECT_FALSE(plain.ask_for_card);

    EXPECT_EQ(Parse({card}).folder, FolderOf(card));
    EXPECT_EQ(Parse({"card"}).folder, FolderOf("card"));
#ifndef _WIN32
    // The desktop entry's option: ask, unless "Open With" already named the folder.
    EXPECT_TRUE(Parse({kChooseCardOption}).ask_for_card);
    const LaunchRequest open_with = Parse({kChooseCardOption, card});
    EXPECT_EQ(open_with.action, Action::kOpen);
    EXPECT_EQ(open_with.folder, FolderOf(card));
    EXPECT_FALSE(open_with.ask_for_card);
#endif
    // A folder whose name looks like an option, after "--".
    fs::create_directory("-card");
    EXPECT_EQ(Parse({"--", "-card"}).folder, FolderOf("-card"));
    // The card named by its file, as vesko-cli takes it, there yet or not.
    EXPECT_EQ(Parse({"card/CONFIG.BIN"}).folder, FolderOf("card"));
#ifdef _WIN32
    EXPECT_EQ(ParseWindowsCommandLine(u"vesko.exe card\\config.BIN\\").folder, u"card");
#endif
    EXPECT_EQ(Parse({"config.bin"}).folder, Folder());
}

TEST(LaunchTest, BadArgumentsAreRefusedInOneLineNamingThem) {
    const testing::TempFolder here;
    fs::create_directories("card/sub/config.bin");
    fs::create_directory("other");
    std::ofstream("notes.txt") << "not a card";
    const struct {
        std::vector<fs::path> arguments;
        const char* named;
    } cases[] = {
        {{"missing"}, "no such folder: missing"},
        {{"notes.txt"}, "not a folder: notes.txt"},
        {{"card", "other"}, "also given: other"},
        {{"--verbose"}, "unknown option: --verbose"},
        {{"-card"}, "unknown option: -card"},
        {{"missing/config.bin"}, "no such folder: missing/config.bin"},
        {{"card/sub/config.bin"}, "card/sub/config.bin: It is not a regular file"},
#ifdef _WIN32
        {{"--choose-card"}, "unknown option: --choose-card"},  // no menu entry to pass it
#else
        {{"--choose-card", "missing"}, "no such folder: missing"},
#endif
    };
    for (const auto& bad : cases) {
        const LaunchRequest request = Parse(bad.arguments);
        EXPECT_EQ(request.action, Action::kError) << bad.named;
        EXPECT_EQ(request.message.rfind("vesko: ", 0), 0U) << request.message;
        EXPECT_NE(request.message.find(bad.named), std::string::npos) << request.message;
        EXPECT_EQ(request.message.find('\n'), std::string::npos) << request.message;
    }
    EXPECT_FALSE(fs::exists("config.bin"));
    EXPECT_FALSE(fs::exists("card/config.bin"));
}

TEST(LaunchTest, HelpAndVersionWinOverEverythingElse) {
    const LaunchRequest version = Parse({"missing", "--version"});
    EXPECT_EQ(version.action, Action::kVersion);
    EXPECT_EQ(version.message, "vesko " VESKO_VERSION_TEXT);
    const LaunchRequest help = Parse({"--help", "--bogus"});
    EXPECT_EQ(help.action, Action::kHelp);
    EXPECT_NE(help.message.find("Usage: vesko [FOLDER]"), std::string::npos);
}

// Both Windows programs read their command line this way; the rules are checked everywhere.
TEST(LaunchTest, WindowsCommandLinesNameCardsAsTyped) {
    const std::u16string bad_name = u"vesko.exe \"E:\\Caf\xD800\"";
    const struct {
        std::u16string line;
        std::vector<std::string> words;
        const char* problem;
    } cases[] = {
        {uR"(vesko.exe E:)", {R"(E:\)"}, ""},  // the root, not E:'s current folder
        {uR"(vesko.exe "E:\")", {R"(E:\)"}, ""},
        {uR"("C:\Program Files\vesko.exe" "E:\" --help)", {R"(E:\)", "--help"}, ""},
        {uR"(vesko-cli apply "My p.json" "E:\" f: "C:\My Card\" "D:\A\\" "")",
         {"apply", "My p.json", R"(E:\)", R"(f:\)", R"(C:\My Card\)", R"(D:\A\)", ""},
         ""},
        {uR"(vesko-cli get E:\CONFIG.BIN time-zone)", {"get", R"(E:\CONFIG.BIN)", "time-zone"}, ""},
        {bad_name, {}, "not valid Unicode text: E:\\Caf\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const WindowsArguments read = ReadWindowsArguments(c.line);
        EXPECT_EQ(read.words, c.words);
        EXPECT_EQ(read.problem, c.problem);
    }
    const LaunchRequest refused = ParseWindowsCommandLine(bad_name);
    EXPECT_EQ(refused.action, Action::kError);  // a box and exit status 2, no crash
    EXPECT_EQ(refused.message, "vesko: not valid Unicode text: E:\\Caf\xEF\xBF\xBD");
}

#ifndef _WIN32
TEST(LaunchTest, ChooserStartsWhereRemovableMediaAreMounted) {
    const testing::TempFolder here;
    const fs::path home = here.path() / "home";
    const std::vector<fs::path> roots = {here.path() / "run-media", here.path() / "media"};
    EXPECT_EQ(ChooserStartFolder(home, "ana", roots), home);
    fs::create_directories(roots[1] / "ana");
    EXPECT_EQ(ChooserStartFolder(home, "ana", roots), roots[1] / "ana");
    fs::create_directories(roots[0] / "ana");
    EXPECT_EQ(ChooserStartFolder(home, "ana", roots), roots[0] / "ana");
    EXPECT_EQ(ChooserStartFolder(home, "", roots), home);
}
#endif

}  // namespace
}  // namespace vesko
