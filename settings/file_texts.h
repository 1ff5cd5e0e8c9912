// What a failed access to config.bin says: %1 is the file's name, %2 the reason.
#pragma once

#include <array>
#include <string_view>

#include "settings/text_literal.h"

namespace vesko::file_texts {

inline constexpr std::u16string_view kCouldNotRead = kText<u"Could not read %1: %2.">;
inline constexpr std::u16string_view kCouldNotWrite = kText<u"Could not write %1: %2.">;
// After "Could not write": what the card holds now.
inline constexpr std::u16string_view kPartlyWritten =
    kText<u"The card may hold part of the new settings; saving again is safe.">;
// The reason when a folder holds config.bin under two spellings: %1 and %2 are the names.
inline constexpr std::u16string_view kSeveralFiles = kText<
    u"The folder holds both %1 and %2, which the recorder takes for one file; delete one of "
    u"them">;

// The reason where Windows has no words for its error: %1 is the error's number.
inline constexpr std::u16string_view kSystemError = kText<u"System error %1">;

inline constexpr std::array kAll = {kCouldNotRead, kCouldNotWrite, kPartlyWritten, kSeveralFiles,
                                    kSystemError};

}  // namespace vesko::file_texts
