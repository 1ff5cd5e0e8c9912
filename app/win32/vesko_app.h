// Start-up of the Windows program: runs the settings dialog modally and ends when it closes.
#pragma once

#include <windows.h>

#include <utility>

#include "settings/folder.h"

namespace vesko {

class CveskoApp {
public:
    // `card`: the folder holding config.bin; empty for the current folder.
    CveskoApp(HINSTANCE instance, Folder card) : instance_(instance), card_(std::move(card)) {}
    // FALSE: the program ends once the dialog is closed.
    BOOL InitInstance();
    // The program's exit status then: 1 where the dialog failed.
    int ExitInstance() const { return exit_status_; }

private:
    HINSTANCE instance_;
    Folder card_;
    int exit_status_ = 0;
};

}  // namespace vesko
