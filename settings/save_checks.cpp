#include "settings/save_checks.h"

#include <algorithm>

namespace vesko {

namespace {

constexpr std::size_t kPasswordMin = 8;
constexpr std::size_t kTextMax = 20;
constexpr unsigned kSpeedLimitMax = 255;

// The white space C's number conversion skips.
bool IsSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

}  // namespace

PasswordVerdict CheckWifiPassword(std::u16string_view password) {
    if (password.size() < kPasswordMin) {
        return PasswordVerdict::kTooShort;
    }
    return password.size() > kTextMax ? PasswordVerdict::kTooLong : PasswordVerdict::kOk;
}

SsidVerdict CheckWifiSsid(std::u16string_view ssid) {
    if (ssid.empty()) {
        return SsidVerdict::kEmpty;
    }
    return ssid.size() > kTextMax ? SsidVerdict::kTooLong : SsidVerdict::kOk;
}

SpeedLimitVerdict ParseSpeedLimit(std::u16string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsSpace);
    unsigned value = 0;
    for (auto it = first; it != text.end(); ++it) {
        if (*it < u'0' || *it > u'9') {
            return {SpeedLimitVerdict::Kind::kNotDigits, 0};
        }
        // Saturates, so that a long run of digits cannot wrap round into range.
        value = std::min(value * 10 + static_cast<unsigned>(*it - u'0'), kSpeedLimitMax + 1);
    }
    if (value > kSpeedLimitMax) {
        return {SpeedLimitVerdict::Kind::kOver255, 0};
    }
    return {SpeedLimitVerdict::Kind::kOk, static_cast<std::uint8_t>(value)};
}

bool FitsInBytes(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0xFF; });
}

}  // namespace vesko
