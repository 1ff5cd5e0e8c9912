#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli.h"

#ifdef _WIN32
#include <windows.h>

#include "settings/text_conversion.h"

// Arguments arrive as UTF-16 on Windows; the program works in UTF-8 throughout.
int wmain(int argc, wchar_t** argv) {
    ::SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        arguments.push_back(vesko::ToUtf8(std::u16string(wide.begin(), wide.end())));
    }
#else
int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
#endif
    const vesko::SystemClock clock;
    return vesko::cli::RunCli(arguments, std::cout, std::cerr, clock);
}
