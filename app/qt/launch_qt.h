// The Linux program's side of its command line: what it prints, the folder chooser of a
// start from the desktop menu.
#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "app/launch/command_line.h"

namespace vesko {

// The command line, its messages in the desktop's language. The catalogs are UTF-8: a
// terminal in another encoding (KOI8-R, EUC-JP) gets them in English, as it always did, and
// the catalog is put away, for the program then only prints.
LaunchRequest ReadCommandLine(std::span<const std::filesystem::path> arguments);

// Prints the help, the version or a refusal; returns the exit status.
int PrintLaunchMessage(const LaunchRequest& request);

// Asks for the card's folder in the desktop's folder chooser; nothing on cancel.
std::optional<std::filesystem::path> ChooseCardFolder();

}  // namespace vesko
