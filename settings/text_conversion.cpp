#include "settings/text_conversion.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

#include <utf8.h>

#include "settings/folder.h"

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

std::optional<std::u16string> DecodeUtf8(std::string_view text) {
    if (!utf8::is_valid(text.begin(), text.end())) {
        return std::nullopt;
    }
    std::u16string out;
    utf8::utf8to16(text.begin(), text.end(), std::back_inserter(out));
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    std::string valid;
    utf8::replace_invalid(text.begin(), text.end(), std::back_inserter(valid));
    return *DecodeUtf8(valid);
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        utf8::append(NextCharacter(text, i).value_or(U'\uFFFD'), std::back_inserter(out));
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

Folder FolderFromUtf8(std::string_view text) {
#ifdef _WIN32
    return FromUtf8(text);
#else
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#endif
}

std::string FolderText(const Folder& folder) {
#ifdef _WIN32
    return ToUtf8(folder);
#else
    const std::u8string text = folder.u8string();
    return {text.begin(), text.end()};
#endif
}

}  // namespace vesko
