#include <QApplication>

#include <clocale>
#include <filesystem>
#include <vector>

#include "app/launch/command_line.h"
#include "app/qt/desktop_language.h"
#include "app/qt/launch_qt.h"
#include "app/qt/vesko_app.h"

int main(int argc, char** argv) {
    // The desktop's locale from the start, as Qt would set it: the system's own reasons in a
    // command-line message come in its language too.
    std::setlocale(LC_ALL, "");
    vesko::DesktopLanguage language;  // its command-line messages too
    const std::vector<std::filesystem::path> arguments(argv + 1, argv + argc);
    const vesko::LaunchRequest request = vesko::ReadCommandLine(arguments);
    if (request.action != vesko::LaunchRequest::Action::kOpen) {
        return vesko::PrintLaunchMessage(request);  // no window
    }

    // The options are the program's own: Qt is shown only the program's name.
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QApplication application(qt_argc, qt_argv);
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
    return 0;
}
