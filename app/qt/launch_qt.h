// The Linux program's side of its command line: what it prints, the folder chooser of a
// start from the desktop menu.
#pragma once

#include <filesystem>
#include <optional>

#include "app/launch/command_line.h"

namespace vesko {

// Prints the help, the version or a refusal; returns the exit status.
int PrintLaunchMessage(const LaunchRequest& request);

// Asks for the card's folder in the desktop's folder chooser; nothing on cancel.
std::optional<std::filesystem::path> ChooseCardFolder();

}  // namespace vesko
