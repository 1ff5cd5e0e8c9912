// Where Windows calls us (window and dialog procedures, subclass procedures, COM methods,
// wWinMain): no exception may unwind through the system's frames, which know nothing of C++.
#pragma once

#include <utility>

#include "settings/what_was_thrown.h"

namespace vesko {

// `handler`'s answer; should it throw, `failed` hears what is known of the exception (UTF-8)
// and the call answers `otherwise`. Should `failed` throw as well, the program ends there.
template <typename Result, typename Handler, typename Failed>
Result CallGuarded(Result otherwise, Handler&& handler, Failed&& failed) noexcept {
    try {
        return std::forward<Handler>(handler)();
    } catch (...) {
        std::forward<Failed>(failed)(WhatWasThrown());
        return otherwise;
    }
}

// For a caller that hears no more than the answer: a screen reader's question.
inline void Unsaid(const char* /*what*/) {}

}  // namespace vesko
