// Start-up of the Linux program: runs the settings dialog modally and ends when it closes.
#pragma once

#include <filesystem>
#include <utility>

namespace vesko {

class CveskoApp {
public:
    // `card`: the folder holding config.bin; empty for the current folder.
    explicit CveskoApp(std::filesystem::path card) : card_(std::move(card)) {}
    // False: the program ends once the dialog is closed.
    bool InitInstance();
    // The program's exit status then: 1 where the dialog failed.
    int ExitInstance() const { return exit_status_; }

private:
    std::filesystem::path card_;
    int exit_status_ = 0;
};

}  // namespace vesko
