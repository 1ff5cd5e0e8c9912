#include "settings/time_text.h"

#include <cstdio>

namespace vesko {

namespace {

template <typename... Args>
std::u16string Format(const char* format, Args... args) {
    char buffer[64] = {};
    const int length = std::snprintf(buffer, sizeof buffer, format, args...);
    std::u16string text;
    for (int i = 0; i < length && i < static_cast<int>(sizeof buffer) - 1; ++i) {
        text.push_back(static_cast<char16_t>(buffer[i]));  // digits, '-' and ':' only
    }
    return text;
}

}  // namespace

std::u16string DateText(const LocalTime& time) {
    return Format("%4d-%.2d-%.2d", time.year, time.month, time.day);
}

std::u16string TimeText(const LocalTime& time) {
    return Format("%.2d:%.2d:%.2d", time.hour, time.minute, time.second);
}

}  // namespace vesko
