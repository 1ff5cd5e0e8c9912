// Where Qt calls us (slots, event handlers) and main: no exception may unwind through Qt's
// event loop. What a handler lets out ends the settings window in the "Error" box.
#pragma once

#include <QWidget>

#include <cstdlib>
#include <type_traits>
#include <utility>

#include "settings/what_was_thrown.h"

namespace vesko {

// Says `what` (UTF-8) in the "Error" box of the settings window that holds `where`, which
// then ends, writing nothing; another window of ours closes after the box.
void FailWindowOf(QWidget& where, const char* what);
// What main did not foresee: in the "Error" box while the application is up, else on
// standard error.
void SayUnforeseen(const char* what);

// Runs `action` for Qt. Should saying the failure fail as well, the program ends there.
template <typename Action>
void CallGuarded(QWidget& where, Action&& action) noexcept {
    try {
        std::forward<Action>(action)();
    } catch (...) {
        FailWindowOf(where, WhatWasThrown());
    }
}

// A slot takes the signal's arguments, or none.
template <typename Slot, typename... Arguments>
void CallSlot(Slot& slot, const Arguments&... arguments) {
    if constexpr (std::is_invocable_v<Slot&, const Arguments&...>) {
        slot(arguments...);
    } else {
        slot();
    }
}

// `slot`, for connect.
template <typename Slot>
auto Guarded(QWidget& where, Slot slot) {
    return [&where, slot = std::move(slot)](const auto&... arguments) mutable noexcept -> void {
        CallGuarded(where, [&] { CallSlot(slot, arguments...); });
    };
}

// main's: exit status 1 for what the program did not foresee.
template <typename Body>
int GuardedMain(Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        SayUnforeseen(WhatWasThrown());
        return EXIT_FAILURE;
    }
}

}  // namespace vesko
