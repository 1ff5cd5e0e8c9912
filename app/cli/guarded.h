// The last word on what vesko-cli did not foresee: "vesko-cli: WHAT" on standard error and
// exit status 1. Whatever the command had not written by then stays unwritten.
#pragma once

#include <ostream>
#include <utility>

#include "settings/what_was_thrown.h"

namespace vesko::cli {

// Should saying it fail as well, the program ends there.
template <typename Run>
int Guarded(std::ostream& err, Run&& run) noexcept {
    try {
        return std::forward<Run>(run)();
    } catch (...) {
        err << "vesko-cli: " << WhatWasThrown() << '\n' << std::flush;
        return 1;
    }
}

}  // namespace vesko::cli
