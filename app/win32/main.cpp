#include <windows.h>

#include <cstdlib>

#include "app/win32/call_guarded.h"
#include "app/win32/launch_win32.h"
#include "app/win32/user_language.h"
#include "app/win32/vesko_app.h"
#include "app/win32/win32_text.h"

namespace {

int Run(HINSTANCE instance) {
    vesko::UseUserLanguage(instance);  // its command-line messages too
    // The whole command line: the one handed to wWinMain lacks the program's name, which
    // the system's splitting rules treat differently from the arguments.
    const vesko::LaunchRequest request =
        vesko::ParseWindowsCommandLine(vesko::FromWide(::GetCommandLineW()));
    if (request.action != vesko::LaunchRequest::Action::kOpen) {
        return vesko::ShowLaunchMessage(request);
    }
    // A folder dropped on the program arrives as its argument. No chooser here: the program
    // is started from the card itself.
    vesko::CveskoApp app(instance, request.folder);
    app.InitInstance();
    return app.ExitInstance();
}

}  // namespace

// What nothing foresaw ends the program in the "Error" box, with exit status 1.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show*/) {
    return vesko::CallGuarded(
        EXIT_FAILURE, [instance] { return Run(instance); }, vesko::ShowErrorBox);
}
