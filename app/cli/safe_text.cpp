#include "app/cli/safe_text.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "app/cli/cli_errors.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

std::string Hex(const char* format, unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

struct Leading {
    std::size_t length;  // 0: the first byte starts no valid UTF-8 sequence
    char16_t unit;       // the character's first UTF-16 code unit
};

Leading LeadingCharacter(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const auto character =
        length <= text.size() ? DecodeUtf8(text.substr(0, length)) : std::nullopt;
    return character ? Leading{length, character->front()} : Leading{0, u'\0'};
}

// Marks that turn the text after them around, so that a name can look like another.
bool IsDirectionMark(char16_t c) {
    return c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string Safe(std::string_view text) {
    std::string shown;
    while (!text.empty()) {
        const Leading leading = LeadingCharacter(text);
        const std::size_t length = leading.length;
        const char16_t c = leading.unit;
        const auto byte = static_cast<unsigned char>(text[0]);
        if (byte == 0 && length == 1) {
            shown += "\\0";
        } else if (byte == '\t') {
            shown += "\\t";
        } else if (length == 0 || byte < 0x20 || byte == 0x7F) {
            shown += Hex("\\x%02x", byte);
        } else if ((c >= 0x80 && c < 0xA0) || IsDirectionMark(c)) {
            shown += Hex("\\u%04x", c);
        } else {
            shown += text.substr(0, length);
        }
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return shown;
}

std::string Quoted(std::string_view text) {
    // Appended rather than concatenated: g++ 12 at -O2 warns falsely on '"' + string&&.
    std::string quoted(1, '"');
    quoted += Safe(text);
    quoted += '"';
    return quoted;
}

std::string LookAlikeNote(std::string_view text) {
    std::size_t position = 1;
    while (!text.empty()) {
        // Control characters and bytes that are no UTF-8 show escaped already.
        const Leading leading = LeadingCharacter(text);
        if (leading.length > 1) {
            // Beyond the first 65,536 characters, a pair of units is one code point.
            const std::u16string units = DecodeUtf8(text.substr(0, leading.length)).value();
            const unsigned code =
                units.size() == 2 ? 0x10000U + ((units[0] - 0xD800U) << 10) + (units[1] - 0xDC00U)
                                  : units[0];
            return " (" + Hex("U+%04X", code) + " at " + std::to_string(position) + ")";
        }
        text.remove_prefix(1);
        ++position;
    }
    return {};
}

char16_t AsciiLookAlike(char16_t c) {
    if (c == 0x00A0 || c == 0x2007 || c == 0x202F) {
        return u' ';
    }
    if ((c >= 0x2010 && c <= 0x2013) || c == 0x2212) {
        return u'-';
    }
    return c;
}

std::string AsciiLookAlikes(std::string_view text) {
    std::optional<std::u16string> decoded = DecodeUtf8(text);
    if (!decoded) {
        return std::string(text);
    }
    std::transform(decoded->begin(), decoded->end(), decoded->begin(), AsciiLookAlike);
    return ToUtf8(*decoded);
}

std::u16string TypedText(std::string_view text, std::string_view what) {
    std::optional<std::u16string> decoded = DecodeUtf8(text);
    if (!decoded) {
        throw BadInput(std::string(what) + ": not valid UTF-8 text: " + Quoted(text));
    }
    return std::move(*decoded);
}

}  // namespace vesko::cli
