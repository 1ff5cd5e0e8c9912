#include "app/launch/command_line.h"

#include <algorithm>
#include <system_error>
#include <vector>

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

// Paths are shown as UTF-8 (on POSIX: their bytes as they are).
std::string Shown(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// Every refusal is one line that starts with the program's name.
std::string Line(const std::string& text) {
    return "vesko: " + text;
}

LaunchRequest Refuse(std::string message) {
    return {LaunchRequest::Action::kError, {}, false, std::move(message)};
}

std::string CannotOpenFolderMessage(const std::filesystem::path& folder,
                                    const std::error_code& error) {
    return Line("cannot open folder " + Shown(folder) + ": " + error.message());
}

// Why `folder` cannot be the card's folder; empty when it can.
std::string FolderProblem(const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return Line("no such folder: " + Shown(folder));
    }
    if (error) {
        return CannotOpenFolderMessage(folder, error);
    }
    if (status.type() != std::filesystem::file_type::directory) {
        return Line("not a folder: " + Shown(folder));
    }
    return {};
}

}  // namespace

LaunchRequest ParseCommandLine(std::span<const std::filesystem::path> arguments) {
    // Asked for help or the version, the program answers whatever else the line holds.
    for (const std::filesystem::path& argument : arguments) {
        const std::string text = Shown(argument);
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
    for (const std::filesystem::path& argument : arguments) {
        const std::string text = Shown(argument);
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
    std::vector<std::filesystem::path> paths(arguments.words.size());
    std::transform(arguments.words.begin(), arguments.words.end(), paths.begin(),
                   [](const std::string& word) { return PathFromUtf8(word); });
    return ParseCommandLine(paths);
}

std::filesystem::path ChooserStartFolder(const std::filesystem::path& home, std::string_view user,
                                         std::span<const std::filesystem::path> media_roots) {
    if (!user.empty()) {
        for (const std::filesystem::path& root : media_roots) {
            std::error_code error;
            std::filesystem::path media = root / user;
            if (std::filesystem::is_directory(media, error)) {
                return media;
            }
        }
    }
    return home;
}

}  // namespace vesko
