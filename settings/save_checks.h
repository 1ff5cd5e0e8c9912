// The checks a text must pass before it is saved. Plain functions, so that any front end
// can give the same verdicts.
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
// that (a sign, a letter, a space among the digits) is refused.
SpeedLimitVerdict ParseSpeedLimit(std::u16string_view text);

// Whether every character has a code of at most 0xFF, so that its one byte keeps it.
bool FitsInBytes(std::u16string_view text);

}  // namespace vesko
