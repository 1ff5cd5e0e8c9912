#include <QApplication>

#include <clocale>
#include <filesystem>
#include <vector>

#include "app/launch/command_line.h"
#include "app/qt/desktop_language.h"
#include "app/qt/guarded.h"
#include "app/qt/launch_qt.h"
#include "app/qt/vesko_app.h"

namespace {

// What fails once the application is up is said in the "Error" box.
int OpenWindow(char* program, vesko::DesktopLanguage& language,
               const vesko::LaunchRequest& request) {
    // The options are the program's own: Qt is shown only the program's name.
    int qt_argc = 1;
    char* qt_argv[] = {program, nullptr};
    QApplication application(qt_argc, qt_argv);
    return vesko::GuardedMain([&] {
        language.InstallQtTexts();
        std::filesystem::path folder = request.folder;
        if (request.ask_for_card) {
            const auto chosen = vesko::ChooseCardFolder();
            if (!chosen) {
                return 0;  // cancelled: nothing opened, nothing written
            }
            folder = *chosen;
        }
        vesko::CveskoApp app(folder);
        app.InitInstance();
        return app.ExitInstance();
    });
}

int Start(int argc, char** argv) {
    // The desktop's locale from the start, as Qt would set it: the system's own reasons in a
    // command-line message come in its language too.
    std::setlocale(LC_ALL, "");
    vesko::DesktopLanguage language;  // its command-line messages too
    const std::vector<std::filesystem::path> arguments(argv + 1, argv + argc);
    const vesko::LaunchRequest request = vesko::ReadCommandLine(arguments);
    if (request.action != vesko::LaunchRequest::Action::kOpen) {
        return vesko::PrintLaunchMessage(request);  // no window
    }
    return OpenWindow(argv[0], language, request);
}

}  // namespace

int main(int argc, char** argv) {
    return vesko::GuardedMain([argc, argv] { return Start(argc, argv); });
}
