#include <QApplication>

#include "app/qt/vesko_app.h"

int main(int /*argc*/, char** argv) {
    // The program takes no options: Qt is shown only the program's name.
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QApplication application(qt_argc, qt_argv);
    vesko::CveskoApp app;
    app.InitInstance();
    return 0;
}
