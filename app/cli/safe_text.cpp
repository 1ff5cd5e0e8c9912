#include "app/cli/safe_text.h"

#include <cstdio>

#include "app/cli/cli_errors.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

std::string Hex(const char* format, unsigned value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return length <= text.size() && DecodeUtf8(text.substr(0, length)) ? length : 0;
}

}  // namespace

std::string Safe(std::string_view text) {
    std::string shown;
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        const auto byte = static_cast<unsigned char>(text[0]);
        if (length == 0) {
            shown += Hex("\\x%02x", byte);
        } else if (byte == 0) {
            shown += "\\0";
        } else if (byte == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            shown += Hex("\\x%02x", byte);
        } else if (byte == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0) {  // C1 controls
            shown += Hex("\\u%04x", static_cast<unsigned char>(text[1]));
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

std::u16string TypedText(std::string_view text, std::string_view what) {
    std::optional<std::u16string> decoded = DecodeUtf8(text);
    if (!decoded) {
        throw BadInput(std::string(what) + ": not valid UTF-8 text: " + Quoted(text));
    }
    return std::move(*decoded);
}

}  // namespace vesko::cli
