// What went wrong with config.bin, in words a driver understands. Each system's file layer
// sorts its own error codes into these; any other error keeps the system's own words.
#pragma once

#include <string_view>
#include <vector>

namespace vesko {

enum class FileProblem {
    kWriteProtected,
    kCardGone,
    kCardFull,
    kInUse,
    kNotAFile,
    kReadOnly,
    kIoError,
    kTooLarge,
};

std::u16string_view ReasonFor(FileProblem problem);

// Every reason, for the translators' catalogs.
std::vector<std::u16string_view> AllReasons();

}  // namespace vesko
