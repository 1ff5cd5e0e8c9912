#include "app/launch/command_line.h"

#include <algorithm>
#include <vector>

#include "app/launch/folder_status.h"
#include "app/launch/windows_arguments.h"
#include "settings/text_conversion.h"
#include "version.h"

namespace vesko {

namespace {

// Only the Linux program has a desktop menu entry to start it with a folder chooser.
#ifdef _WIN32
constexpr bool kHasChooser = false;
#else
constexpr bool kHasChooser = true;
#endif

constexpr std::string_view kUsage =
    "Usage: vesko [FOLDER]\n"
    "Edits the settings of a dash camera in FOLDER/config.bin, FOLDER being the top folder\n"
    "of the recorder's SD card (default: the current folder).\n"
    "\n"
#ifndef _WIN32
    "  --choose-card [FOLDER]  ask for the card's folder first, unless FOLDER is given\n"
#endif
    "  --help                  show this help and end\n"
    "  --version               show the version and end";

// Every refusal is one line that starts with the program's name.
std::string Line(const std::string& text) {
    return "vesko: " + text;
}

LaunchRequest Refuse(std::string message) {
    return {LaunchRequest::Action::kError, {}, false, std::move(message)};
}

// Why `folder` cannot be the card's folder; empty when it can.
std::string FolderProblem(const Folder& folder) {
    const FolderStatus status = StatusOf(folder);
    switch (status.kind) {
        case FolderStatus::Kind::kMissing:
            return Line("no such folder: " + FolderText(folder));
        case FolderStatus::Kind::kUnreadable:
            return Line("cannot open folder " + FolderText(folder) + ": " + status.reason);
        case FolderStatus::Kind::kNotAFolder:
            return Line("not a folder: " + FolderText(folder));
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
            return {LaunchRequest::Action::kHelp, {}, false, std::string(kUsage)};
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
                return Refuse(Line("unknown option: " + text + " (see vesko --help)"));
            }
            continue;
        }
        if (have_folder) {
            return Refuse(Line("one card folder only, but also given: " + text));
        }
        if (std::string problem = FolderProblem(argument); !problem.empty()) {
            return Refuse(std::move(problem));
        }
        request.folder = argument;
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
