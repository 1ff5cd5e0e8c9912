#include "app/win32/launch_win32.h"

#include <shellapi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace vesko {

namespace {

struct LocalFreer {
    void operator()(LPWSTR* block) const { ::LocalFree(block); }
};

std::wstring FromUtf8(const std::string& text) {
    const int size =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          size);
    return wide;
}

void ShowBox(const std::string& text, const wchar_t* caption, UINT icon) {
    ::MessageBoxW(nullptr, FromUtf8(text).c_str(), caption, MB_OK | icon);
}

}  // namespace

std::vector<std::filesystem::path> CommandLineArguments(const wchar_t* command_line) {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> words(::CommandLineToArgvW(command_line, &count));
    std::vector<std::filesystem::path> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        std::wstring word = words.get()[i];
        // "E:\" names a drive's root, but the system's rules read its \" as a quote; no file
        // name holds a quote, so it can only have been that backslash.
        if (word.ends_with(L'"')) {
            word.back() = L'\\';
        }
        arguments.emplace_back(std::move(word));
    }
    return arguments;
}

int ShowLaunchMessage(const LaunchRequest& request) {
    if (request.action == LaunchRequest::Action::kError) {
        ShowBox(request.message, L"Error", MB_ICONERROR);
        return kUsageExitStatus;
    }
    ShowBox(request.message, L"vesko", MB_ICONINFORMATION);
    return EXIT_SUCCESS;
}

}  // namespace vesko
