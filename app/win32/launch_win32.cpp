#include "app/win32/launch_win32.h"

#include <cstdlib>
#include <string>

#include "app/win32/win32_text.h"
#include "dialog/messages.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

void ShowBox(std::string_view text, const wchar_t* caption, UINT icon) {
    ::MessageBoxW(nullptr, ToWide(FromUtf8(text)).c_str(), caption, MB_OK | icon);
}

}  // namespace

int ShowLaunchMessage(const LaunchRequest& request) {
    if (request.action == LaunchRequest::Action::kError) {
        ShowErrorBox(request.message);
        return kUsageExitStatus;
    }
    ShowBox(request.message, L"vesko", MB_ICONINFORMATION);
    return EXIT_SUCCESS;
}

void ShowErrorBox(std::string_view text) {
    ShowBox(text, ToWide(Tr(messages::kErrorCaption)).c_str(), MB_ICONERROR);
}

}  // namespace vesko
