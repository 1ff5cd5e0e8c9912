// vesko-cli: reads, changes and provisions recorder cards from the command line, over the
// same settings core as the window.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/wrap.h"
#include "settings/clock.h"

namespace vesko::cli {

// Runs one command line (without the program's name): 0 done, 1 a card failed (or `diff`
// found differences), 2 input it cannot act on, with nothing written (or `diff` could not
// read one side).
// A profile given as "-" comes from `in`.
// `width`: of the terminal, for text people read.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           std::istream& in, const Clock& clock, int width = kDefaultWidth);

// The same from a Windows command line as the system hands it over, the program's name
// first, read as vesko.exe reads its own.
int RunWindowsCli(std::u16string_view command_line, std::ostream& out, std::ostream& err,
                  std::istream& in, const Clock& clock, int width = kDefaultWidth);

}  // namespace vesko::cli
