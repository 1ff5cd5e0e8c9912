// A list's entry as people write it: as the window shows it, in any case and spacing
// ("gmt+2:00"), without its bracketed detail where that leaves one entry ("level 3",
// "1080P"), a time zone as an offset ("+2", "GMT+2", "UTC-03:00"), or the stored byte
// itself, only as "byte:N". A bare number is no entry: "1" might be a byte or a level.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/value_tables.h"

namespace vesko::cli {

inline constexpr std::u16string_view kBytePrefix = u"byte:";

// The byte to store, or nothing when `written` names no entry (or names several).
std::optional<std::uint8_t> ListByte(const ValueTable& table, std::u16string_view written);

// The entry the byte stands for, or "byte:N" for one no entry has.
std::u16string ListEntry(const ValueTable& table, std::uint8_t byte);

}  // namespace vesko::cli
