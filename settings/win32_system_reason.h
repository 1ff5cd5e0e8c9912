// The system's own words for a Win32 error code, for messages.
#pragma once

#include <windows.h>

#include <string>

namespace vesko {

// Without the full stop and line break the system ends them with.
std::u16string SystemReason(DWORD error);

}  // namespace vesko
