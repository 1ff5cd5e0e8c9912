#include "settings/what_was_thrown.h"

#include <exception>

namespace vesko {

const char* WhatWasThrown() noexcept {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "unknown error";
    }
}

}  // namespace vesko
