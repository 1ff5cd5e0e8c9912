// The checks a typed value must pass before it is saved. Plain functions, so that any front
// end gives the same verdicts; the limits are the settings schema's.
#pragma once

#include <cstdint>
#include <string_view>

namespace vesko {

enum class PasswordVerdict { kOk, kTooShort, kTooLong };
PasswordVerdict CheckWifiPassword(std::u16string_view password);  // 8 to 20 characters

enum class SsidVerdict { kOk, kEmpty, kTooLong };
SsidVerdict CheckWifiSsid(std::u16string_view ssid);  // 1 to 20 characters

struct SpeedLimitVerdict {
    enum class Kind { kOk, kNotDigits, kOver255 };
    Kind kind;
    std::uint8_t value;  // when kOk
};
// White space before the digits is skipped; an empty text is 0; anything but digits after
// that (a sign, a letter, a space among the digits) is refused, and so is a value above
// `max` (at most 255: one byte holds it).
SpeedLimitVerdict ParseNumber(std::u16string_view text, unsigned max);
SpeedLimitVerdict ParseSpeedLimit(std::u16string_view text);  // 0 to 255

// Whether every character has a code of at most 0xFF, so that its one byte keeps it.
bool FitsInBytes(std::u16string_view text);

}  // namespace vesko
