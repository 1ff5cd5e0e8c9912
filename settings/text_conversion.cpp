#include "settings/text_conversion.h"

#include <algorithm>
#include <array>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vesko {

namespace {

// Windows-1252 at 0x80 to 0x9F. The five bytes it leaves undefined map to the control
// character of the same value, as Windows itself does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::span<const std::uint8_t> UpToZero(std::span<const std::uint8_t> bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes.first(static_cast<std::size_t>(end - bytes.begin()));
}

// The character at `i`, moving `i` past it; nothing for an unpaired surrogate.
std::optional<char32_t> NextCharacter(std::u16string_view text, std::size_t& i) {
    const char32_t c = text[i++];
    const bool high = c >= 0xD800 && c < 0xDC00;
    if (high && i < text.size() && text[i] >= 0xDC00 && text[i] < 0xE000) {
        return 0x10000 + ((c - 0xD800) << 10) + (text[i++] - 0xDC00u);
    }
    if (c >= 0xD800 && c < 0xE000) {
        return std::nullopt;
    }
    return c;
}

}  // namespace

std::u16string BytesToText(std::span<const std::uint8_t> bytes) {
    const auto text = UpToZero(bytes);
    return {text.begin(), text.end()};
}

void TextToBytes(std::u16string_view text, std::span<std::uint8_t> target) {
    std::fill(target.begin(), target.end(), std::uint8_t{0});
    const std::size_t count = std::min(text.size(), target.size());
    for (std::size_t i = 0; i < count; ++i) {
        target[i] = static_cast<std::uint8_t>(text[i] & 0xFFu);
    }
}

#ifdef _WIN32
std::u16string FirmwareVersionText(std::span<const std::uint8_t> bytes) {
    const auto version = UpToZero(bytes);
    if (version.empty()) {
        return {};
    }
    const auto* narrow = reinterpret_cast<const char*>(version.data());
    const int length = static_cast<int>(version.size());
    std::wstring wide(static_cast<std::size_t>(length) * 2, L'\0');
    const int count = ::MultiByteToWideChar(CP_ACP, 0, narrow, length, wide.data(),
                                            static_cast<int>(wide.size()));
    return std::u16string(wide.begin(), wide.begin() + std::max(count, 0));
}
#else
std::u16string FirmwareVersionText(std::span<const std::uint8_t> bytes) {
    const auto version = UpToZero(bytes);
    std::u16string text(version.size(), u'\0');
    std::transform(version.begin(), version.end(), text.begin(), [](std::uint8_t byte) {
        return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80u]
                                            : static_cast<char16_t>(byte);
    });
    return text;
}
#endif

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? lead : lead & (0x3Fu >> extra);
        for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k) {
            c = (c << 6) |
                (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCharacter(text, i).value_or(U'\uFFFD');
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool HasUnpairedSurrogate(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!NextCharacter(text, i)) {
            return true;
        }
    }
    return false;
}

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace vesko
