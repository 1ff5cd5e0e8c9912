#include "app/launch/command_line.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "app/launch/folder_status.h"
#include "app/launch/launch_texts.h"
#include "app/launch/windows_arguments.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"
#include "version.h"

namespace vesko {

namespace {

// Only the Linux program has a desktop menu entry to start it with a folder chooser.
#ifdef _WIN32
constexpr bool kHasChooser = false;
constexpr bool kWindowsPaths = true;
#else
constexpr bool kHasChooser = true;
constexpr bool kWindowsPaths = false;
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
// the folder holding it, which the file need not be in yet. Nothing for any other argument,
// and for a folder that happens to be named config.bin.
std::optional<Folder> FolderOfSettingsFile(const Folder& argument) {
#ifdef _WIN32
    using Char = char16_t;
    std::u16string_view path = argument;
#else
    using Char = char;
    std::string_view path = argument.native();
#endif
    const auto separator = [](Char c) {
        return c == '/' || (kWindowsPaths && (c == '\\' || c == ':'));
    };
    if (!path.empty() && separator(path.back()) && path.back() != ':') {
        path.remove_suffix(1);
    }
    std::size_t start = path.size();
    while (start > 0 && !separator(path[start - 1])) {
        --start;
    }
    if (!IsSettingsFileName(path.substr(start)) ||
        StatusOf(argument).kind == FolderStatus::Kind::kFolder) {
        return std::nullopt;
    }
    std::basic_string_view<Char> parent = path.substr(0, start);
    // "card/" is "card", but "/" and "E:\" are roots and "E:" is a drive's current folder.
    if (parent.size() > 1 && separator(parent.back()) && parent.back() != ':' &&
        !(kWindowsPaths && parent.size() == 3 && parent[1] == ':')) {
        parent.remove_suffix(1);
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
