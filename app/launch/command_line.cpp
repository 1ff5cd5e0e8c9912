#include "app/launch/command_line.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "app/launch/folder_status.h"
#include "app/launch/launch_texts.h"
#include "app/launch/windows_arguments.h"
#include "settings/file_problems.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"
#include "version.h"

namespace vesko {

namespace {

// Only the Linux program has a desktop menu entry to start it with a folder chooser.
#ifdef _WIN32
constexpr bool kHasChooser = false;
#else
constexpr bool kHasChooser = true;
#endif

using namespace launch_texts;

std::string Usage() {
    std::string usage = ToUtf8(Tr(kUsage)) + "\n\n";
    if (kHasChooser) {
        usage += "  --choose-card [FOLDER]  " + ToUtf8(Tr(kChooseCardHelp)) + "\n";
    }
    return usage + "  --help                  " + ToUtf8(Tr(kHelpHelp)) +
           "\n  --version               " + ToUtf8(Tr(kVersionHelp));
}

// Every refusal is one line that starts with the program's name.
std::string Line(const std::string& text) {
    return "vesko: " + text;
}

LaunchRequest Refuse(std::string message) {
    return {LaunchRequest::Action::kError, {}, false, std::move(message)};
}

// "E:\config.BIN" or "card/config.bin" names the card by its file, as vesko-cli takes it:
// the folder holding it, which the file need not be in yet. Nothing for any other argument.
std::optional<Folder> FolderOfSettingsFile(const Folder& argument) {
#ifdef _WIN32
    using Char = char16_t;
    std::u16string_view path = argument;
    const auto separator = [](Char c) { return c == u'/' || c == u'\\' || c == u':'; };
    // "E:\" is a root; "E:" a drive's current folder.
    const auto root = [](std::u16string_view folder) {
        return folder.size() <= 1 || folder.back() == u':' ||
               (folder.size() == 3 && folder[1] == u':');
    };
#else
    using Char = char;
    std::string_view path = argument.native();
    const auto separator = [](Char c) { return c == '/'; };
    const auto root = [](std::string_view folder) { return folder.size() <= 1; };
#endif
    if (!path.empty() && separator(path.back()) && !root(path)) {
        path.remove_suffix(1);
    }
    std::size_t start = path.size();
    while (start > 0 && !separator(path[start - 1])) {
        --start;
    }
    if (!IsSettingsFileName(path.substr(start))) {
        return std::nullopt;
    }
    std::basic_string_view<Char> parent = path.substr(0, start);
    if (!root(parent)) {
        parent.remove_suffix(1);  // "card/" is "card"
    }
    return Folder(std::basic_string<Char>(parent));
}

// Why `folder` cannot be the card's folder; empty when it can.
std::string FolderProblem(const Folder& folder) {
    const FolderStatus status = StatusOf(folder);
    switch (status.kind) {
        case FolderStatus::Kind::kMissing:
            return Line(TrFillUtf8(kNoSuchFolder, {FolderText(folder)}));
        case FolderStatus::Kind::kUnreadable:
            return Line(TrFillUtf8(kCannotOpenFolder, {FolderText(folder), status.reason}));
        case FolderStatus::Kind::kNotAFolder:
            return Line(TrFillUtf8(kNotAFolder, {FolderText(folder)}));
        case FolderStatus::Kind::kFolder:
            break;
    }
    return {};
}

}  // namespace

LaunchRequest ParseCommandLine(std::span<const Folder> arguments) {
    // Asked for help or the version, the program answers whatever else the line holds.
    for (const Folder& argument : arguments) {
        const std::string text = FolderText(argument);
        if (text == "--") {
            break;
        }
        if (text == "--help" || text == "-h") {
            return {LaunchRequest::Action::kHelp, {}, false, Usage()};
        }
        if (text == "--version") {
            return {LaunchRequest::Action::kVersion, {}, false, "vesko " VESKO_VERSION_TEXT};
        }
    }

    LaunchRequest request;
    bool options_ended = false;
    bool have_folder = false;
    for (const Folder& argument : arguments) {
        const std::string text = FolderText(argument);
        if (!options_ended && text.size() > 1 && text.front() == '-') {
            if (kHasChooser && text == kChooseCardOption) {
                request.ask_for_card = true;
            } else if (text == "--") {
                options_ended = true;
            } else {
                return Refuse(Line(TrFillUtf8(kUnknownOption, {text})));
            }
            continue;
        }
        if (have_folder) {
            return Refuse(Line(TrFillUtf8(kSecondFolder, {text})));
        }
        const std::optional<Folder> holding = FolderOfSettingsFile(argument);
        if (holding && StatusOf(argument).kind == FolderStatus::Kind::kFolder) {
            // No recorder reads a config.bin inside a folder of that name.
            return Refuse(Line(text + ": " + ToUtf8(Tr(ReasonFor(FileProblem::kNotAFile)))));
        }
        const Folder& folder = holding ? *holding : argument;
        // An empty folder is the current one, which is there.
        if (!folder.empty()) {
            if (std::string problem = FolderProblem(folder); !problem.empty()) {
                return Refuse(holding ? Line(TrFillUtf8(kNoSuchFolder, {text}))
                                      : std::move(problem));
            }
        }
        request.folder = folder;
        have_folder = true;
    }
    // A folder already given (by "Open With") is the card: nothing to ask.
    request.ask_for_card = request.ask_for_card && !have_folder;
    return request;
}

LaunchRequest ParseWindowsCommandLine(std::u16string_view command_line) {
    const WindowsArguments arguments = ReadWindowsArguments(command_line);
    if (!arguments.problem.empty()) {
        return Refuse(Line(arguments.problem));
    }
    std::vector<Folder> folders(arguments.words.size());
    std::transform(arguments.words.begin(), arguments.words.end(), folders.begin(),
                   [](const std::string& word) { return FolderFromUtf8(word); });
    return ParseCommandLine(folders);
}

}  // namespace vesko
