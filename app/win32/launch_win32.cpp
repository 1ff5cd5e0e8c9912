#include "app/win32/launch_win32.h"

#include <cstdlib>
#include <string>

namespace vesko {

namespace {

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

int ShowLaunchMessage(const LaunchRequest& request) {
    if (request.action == LaunchRequest::Action::kError) {
        ShowBox(request.message, L"Error", MB_ICONERROR);
        return kUsageExitStatus;
    }
    ShowBox(request.message, L"vesko", MB_ICONINFORMATION);
    return EXIT_SUCCESS;
}

}  // namespace vesko
