#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "app/win32/win32_text.h"

// The command line itself rather than the runtime's split of it, so that a card is named the
// same way as to vesko.exe. The program works in UTF-8 throughout.
int wmain() {
    ::SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdin), _O_BINARY);  // a profile on standard input, byte for byte
    const vesko::SystemClock clock;
    return vesko::cli::RunWindowsCli(vesko::FromWide(::GetCommandLineW()), std::cout, std::cerr,
                                     std::cin, clock);
}
#else
#include <csignal>

int main(int argc, char** argv) {
    // A reader that goes away (| head) must not end a fleet's run part-way: the cards are
    // written all the same, and the lost output is said on standard error.
    std::signal(SIGPIPE, SIG_IGN);
    const vesko::SystemClock clock;
    return vesko::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                              std::cin, clock);
}
#endif
