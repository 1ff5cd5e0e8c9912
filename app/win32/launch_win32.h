// The Windows program's side of its command line: showing what a console program would print.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/launch/command_line.h"

namespace vesko {

// Shows the help, the version or a refusal in a message box; returns the exit status.
int ShowLaunchMessage(const LaunchRequest& request);

// The "Error" box with no window to own it; `text` is UTF-8.
void ShowErrorBox(std::string_view text);

}  // namespace vesko
