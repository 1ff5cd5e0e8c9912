// The system's folder chooser, for the card's folder.
#pragma once

#include <windows.h>

#include <optional>

#include "settings/folder.h"

namespace vesko {

// The folder the user picks, owned by `owner`; nothing when cancelled or unavailable.
std::optional<Folder> ChooseFolder(HWND owner);

}  // namespace vesko
