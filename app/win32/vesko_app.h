// Start-up of the Windows program: runs the settings dialog modally and ends when it closes.
#pragma once

#include <windows.h>

namespace vesko {

class CveskoApp {
public:
    explicit CveskoApp(HINSTANCE instance) : instance_(instance) {}
    // FALSE: the program ends once the dialog is closed.
    BOOL InitInstance();

private:
    HINSTANCE instance_;
};

}  // namespace vesko
