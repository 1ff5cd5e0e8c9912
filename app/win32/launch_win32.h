// The Windows program's side of its command line: splitting it, and showing what a console
// program would print.
#pragma once

#include <windows.h>

#include <filesystem>
#include <vector>

#include "app/launch/command_line.h"

namespace vesko {

// The arguments after the program's name, split by the system's rules (quotes, backslashes).
std::vector<std::filesystem::path> CommandLineArguments(const wchar_t* command_line);

// Shows the help, the version or a refusal in a message box; returns the exit status.
int ShowLaunchMessage(const LaunchRequest& request);

}  // namespace vesko
