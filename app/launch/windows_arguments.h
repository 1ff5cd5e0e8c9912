// The one reading of a Windows command line, which vesko.exe and vesko-cli.exe share so that
// a card is named the same way to both. Plain code: the rules are checked on every system.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vesko {

struct WindowsArguments {
    std::vector<std::string> words;  // UTF-8, without the program's name
    // Empty, or why an argument cannot be used (it names the argument); no words then.
    std::string problem;
};

// `command_line` as the system hands it over (GetCommandLineW), the program's name first.
WindowsArguments ReadWindowsArguments(std::u16string_view command_line);

}  // namespace vesko
