// The Linux program's side of its command line: what it prints, the folder chooser of a
// start from the desktop menu, and entering the card's folder.
#pragma once

#include <filesystem>
#include <optional>

#include "app/launch/command_line.h"

namespace vesko {

// Prints the help, the version or a refusal; returns the exit status.
int PrintLaunchMessage(const LaunchRequest& request);

// Asks for the card's folder in the desktop's folder chooser; nothing on cancel.
std::optional<std::filesystem::path> ChooseCardFolder();

// Makes `folder` the one config.bin is read from and written to. On failure says why (on
// standard error, and in a box when `in_box`) and returns false.
bool OpenCard(const std::filesystem::path& folder, bool in_box);

}  // namespace vesko
