#include <windows.h>

#include "app/win32/vesko_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int /*show*/) {
    vesko::CveskoApp app(instance);
    app.InitInstance();
    return 0;
}
