// What a catch-all knows of the exception it caught, for the message that says it.
#pragma once

namespace vesko {

// The exception being handled, in words: its what(), UTF-8 as every message of ours, or that
// it is not one of the standard library's. Only inside a catch block; the text lives as long
// as the exception. Allocates nothing, so it holds even when memory has run out.
const char* WhatWasThrown() noexcept;

}  // namespace vesko
