#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/guarded.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "app/cli/console_output.h"
#include "app/win32/win32_text.h"

namespace {

int ConsoleWidth() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!::GetConsoleScreenBufferInfo(::GetStdHandle(STD_OUTPUT_HANDLE), &info)) {
        return vesko::cli::kDefaultWidth;
    }
    return info.srWindow.Right - info.srWindow.Left + 1;
}

}  // namespace

// The command line itself rather than the runtime's split of it, so that a card is named the
// same way as to vesko.exe. The program works in UTF-8 throughout; a console gets UTF-16,
// and its code page is left as it was.
// What fails before the console's streams are there goes to the runtime's own.
int wmain() {
    return vesko::cli::Guarded(std::cerr, [] {
        _setmode(_fileno(stdin), _O_BINARY);  // a profile on standard input, byte for byte
        const std::unique_ptr<vesko::cli::OutputDevice> out_device = vesko::cli::StandardOutput();
        const std::unique_ptr<vesko::cli::OutputDevice> err_device = vesko::cli::StandardError();
        vesko::cli::DeviceBuffer out_buffer(*out_device);
        vesko::cli::DeviceBuffer err_buffer(*err_device);
        std::ostream out(&out_buffer);
        std::ostream err(&err_buffer);
        const vesko::SystemClock clock;
        const int status = vesko::cli::RunWindowsCli(vesko::FromWide(::GetCommandLineW()), out, err,
                                                     std::cin, clock, ConsoleWidth());
        err.flush();
        return status;
    });
}
#else
#include <sys/ioctl.h>
#include <unistd.h>

#include <csignal>

int main(int argc, char** argv) {
    // A reader that goes away (| head) must not end a fleet's run part-way: the cards are
    // written all the same, and the lost output is said on standard error.
    std::signal(SIGPIPE, SIG_IGN);
    return vesko::cli::Guarded(std::cerr, [argc, argv] {
        winsize size{};
        const int width = ::isatty(STDOUT_FILENO) &&
                                  ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0
                              ? size.ws_col
                              : vesko::cli::kDefaultWidth;
        const vesko::SystemClock clock;
        return vesko::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr, std::cin, clock, width);
    });
}
#endif
