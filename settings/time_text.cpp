#include "settings/time_text.h"

#include <cstdlib>
#include <string>

namespace vesko {

namespace {

// A number as printf's "%W.Pd" writes it: at least `precision` digits, zero-padded after
// any sign, then blanks in front up to `width`. Written out because the C library's printf
// is, in the one-file Windows program, a tenth of its size.
std::u16string Number(int value, std::size_t width, std::size_t precision) {
    const std::string digits = std::to_string(std::llabs(value));
    std::u16string text(digits.size() < precision ? precision - digits.size() : 0, u'0');
    text.insert(text.end(), digits.begin(), digits.end());
    if (value < 0) {
        text.insert(text.begin(), u'-');
    }
    if (text.size() < width) {
        text.insert(text.begin(), width - text.size(), u' ');
    }
    return text;
}

}  // namespace

std::u16string DateText(const LocalTime& time) {
    return Number(time.year, 4, 1) + u'-' + Number(time.month, 0, 2) + u'-' +
           Number(time.day, 0, 2);
}

std::u16string TimeText(const LocalTime& time) {
    return Number(time.hour, 0, 2) + u':' + Number(time.minute, 0, 2) + u':' +
           Number(time.second, 0, 2);
}

}  // namespace vesko
