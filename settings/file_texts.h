// What a failed access to config.bin says: %1 is the file's name, %2 the reason.
#pragma once

#include <array>
#include <string_view>

namespace vesko::file_texts {

inline constexpr std::u16string_view kCouldNotRead = u"Could not read %1: %2.";
inline constexpr std::u16string_view kCouldNotWrite = u"Could not write %1: %2.";
inline constexpr std::u16string_view kCouldNotDelete = u"Could not delete %1: %2.";
// After "Could not write": what the card holds now.
inline constexpr std::u16string_view kPartlyWritten =
    u"The card may hold part of the new settings; saving again is safe.";
inline constexpr std::u16string_view kResetNotWritten =
    u"The old config.bin was deleted and the factory settings were not written; save again "
    u"to write them.";

// The reason where Windows has no words for its error: %1 is the error's number.
inline constexpr std::u16string_view kSystemError = u"System error %1";

inline constexpr std::array kAll = {kCouldNotRead,  kCouldNotWrite,   kCouldNotDelete,
                                    kPartlyWritten, kResetNotWritten, kSystemError};

}  // namespace vesko::file_texts
