// Whether a folder given on the command line can be a card's folder, asked of each system
// its own way.
#pragma once

#include <string>

#include "settings/folder.h"

namespace vesko {

struct FolderStatus {
    enum class Kind { kFolder, kMissing, kNotAFolder, kUnreadable };
    Kind kind;
    std::string reason = {};  // kUnreadable: the system's words, UTF-8
};

FolderStatus StatusOf(const Folder& folder);

}  // namespace vesko
