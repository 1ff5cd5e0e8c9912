#include "settings/save_checks.h"

#include <algorithm>

#include "settings/settings_schema.h"

namespace vesko {

namespace {

// The white space C's number conversion skips.
bool IsSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

const Setting& Row(std::string_view key) {
    return *FindSetting(key);
}

}  // namespace

PasswordVerdict CheckWifiPassword(std::u16string_view password) {
    const Setting& setting = Row("wifi-password");
    if (password.size() < setting.min_length) {
        return PasswordVerdict::kTooShort;
    }
    return password.size() > setting.max_saved ? PasswordVerdict::kTooLong : PasswordVerdict::kOk;
}

SsidVerdict CheckWifiSsid(std::u16string_view ssid) {
    const Setting& setting = Row("wifi-ssid");
    if (ssid.size() < setting.min_length) {
        return SsidVerdict::kEmpty;
    }
    return ssid.size() > setting.max_saved ? SsidVerdict::kTooLong : SsidVerdict::kOk;
}

SpeedLimitVerdict ParseNumber(std::u16string_view text, unsigned max) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsSpace);
    unsigned value = 0;
    for (auto it = first; it != text.end(); ++it) {
        if (*it < u'0' || *it > u'9') {
            return {SpeedLimitVerdict::Kind::kNotDigits, 0};
        }
        // Saturates, so that a long run of digits cannot wrap round into range.
        value = std::min(value * 10 + static_cast<unsigned>(*it - u'0'), max + 1);
    }
    if (value > max) {
        return {SpeedLimitVerdict::Kind::kOver255, 0};
    }
    return {SpeedLimitVerdict::Kind::kOk, static_cast<std::uint8_t>(value)};
}

SpeedLimitVerdict ParseSpeedLimit(std::u16string_view text) {
    return ParseNumber(text, Row("speed-limit").max_value);
}

bool FitsInBytes(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= 0xFF; });
}

}  // namespace vesko
