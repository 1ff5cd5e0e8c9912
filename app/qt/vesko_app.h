// Start-up of the Linux program: runs the settings dialog modally and ends when it closes.
#pragma once

namespace vesko {

class CveskoApp {
public:
    // False: the program ends once the dialog is closed.
    bool InitInstance();
};

}  // namespace vesko
