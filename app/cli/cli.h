// vesko-cli: reads, changes and provisions recorder cards from the command line, over the
// same settings core as the window.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "settings/clock.h"

namespace vesko::cli {

// Runs one command line (without the program's name): 0 done, 1 a card failed (or `diff`
// found differences), 2 input it cannot act on, with nothing written.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const Clock& clock);

}  // namespace vesko::cli
