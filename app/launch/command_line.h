// What the program was asked to do on its command line. Toolkit-free, so that both shells
// follow one set of rules and only show the outcome their own way.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "settings/folder.h"

namespace vesko {

// Given only by the desktop entry: a start from a menu, which asks for the card first.
inline constexpr std::string_view kChooseCardOption = "--choose-card";

// Exit status of a refused command line.
inline constexpr int kUsageExitStatus = 2;

struct LaunchRequest {
    enum class Action {
        kOpen,     // open the settings window on `folder`
        kHelp,     // show `message` (the usage) and end
        kVersion,  // show `message` (the version) and end
        kError,    // show `message` (one line naming the argument) and end with status 2
    };
    Action action = Action::kOpen;
    // kOpen: the card's folder; empty means the current folder.
    Folder folder;
    // kOpen without a folder: ask for the card's folder before opening.
    bool ask_for_card = false;
    std::string message;  // UTF-8, without a final line break
};

// `arguments` exclude the program's own name. A folder argument must name an existing folder.
LaunchRequest ParseCommandLine(std::span<const Folder> arguments);

// The Windows program's: its command line as the system hands it over, read by the rules
// both Windows programs share.
LaunchRequest ParseWindowsCommandLine(std::u16string_view command_line);

}  // namespace vesko
