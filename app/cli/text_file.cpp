#include "app/cli/text_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/cli/cli_errors.h"
#include "app/cli/safe_text.h"
#include "settings/folder_path.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

[[noreturn]] void Refuse(std::string_view name, const std::string& problem) {
    throw BadInput(Safe(name) + " " + problem + "; save it as UTF-8");
}

std::string FromUtf16(std::string_view bytes, bool little_endian, std::string_view name) {
    if (bytes.size() % 2 != 0) {
        Refuse(name, "is UTF-16 cut off in the middle of a character");
    }
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<char16_t>(little_endian ? first | second << 8 : first << 8 | second);
    }
    if (HasUnpairedSurrogate(text)) {
        Refuse(name, "is not valid UTF-16 text");
    }
    return ToUtf8(text);
}

// Where valid UTF-8 ends, or npos.
std::size_t FirstInvalid(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const auto lead = static_cast<unsigned char>(text[start]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (start + length > text.size() || !DecodeUtf8(text.substr(start, length))) {
            return start;
        }
        start += length;
    }
    return std::string_view::npos;
}

std::string ReadAtMostLimit(std::istream& in, const std::string& name, const TextFileKind& kind) {
    std::string bytes(kind.limit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        throw BadInput("cannot read the " + std::string(kind.noun) + " " + name);
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kind.limit) {
        throw BadInput("the " + std::string(kind.noun) + " " + name + " is larger than " +
                       std::string(kind.limit_text));
    }
    return bytes;
}

std::string ReadBytes(const std::string& path, std::istream& standard_input,
                      const TextFileKind& kind) {
    if (path == "-") {
        return ReadAtMostLimit(standard_input, "on standard input", kind);
    }
    const std::filesystem::path file = PathFromUtf8(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    const std::string name = Safe(path);
    const std::string instead = std::string(kind.is) + ", or - for standard input";
    if (status.type() == std::filesystem::file_type::not_found) {
        throw BadInput(name + " does not exist");
    }
    if (std::filesystem::is_directory(status)) {
        throw BadInput(name + " is a folder, not a " + std::string(kind.noun) + " (" + instead +
                       ")");
    }
    if (!error && !std::filesystem::is_regular_file(status)) {
        throw BadInput(name + " is not a regular file; a " + std::string(kind.noun) + " is " +
                       instead);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        const int reason = errno;
        throw BadInput("cannot read the " + std::string(kind.noun) + " " + name + ": " +
                       std::generic_category().message(reason ? reason : EIO));
    }
    return ReadAtMostLimit(in, name, kind);
}

}  // namespace

std::string ReadTextFile(const std::string& path, std::istream& standard_input,
                         const TextFileKind& kind) {
    return TextAsUtf8(ReadBytes(path, standard_input, kind), path == "-" ? "standard input" : path);
}

std::string TextAsUtf8(std::string_view bytes, std::string_view name) {
    std::size_t skipped = 0;  // for the byte's place in the file
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
        skipped = kUtf8Mark.size();
    } else if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        return FromUtf16(bytes.substr(2), bytes.starts_with(kUtf16LeMark), name);
    }
    // Every other byte zero: UTF-16 that lost its mark.
    if (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0')) {
        Refuse(name, "looks like UTF-16 without a byte-order mark");
    }
    const std::size_t invalid = FirstInvalid(bytes);
    if (invalid != std::string_view::npos) {
        char where[64];
        std::snprintf(where, sizeof where, "(byte 0x%02x at %zu)",
                      static_cast<unsigned>(static_cast<unsigned char>(bytes[invalid])),
                      skipped + invalid + 1);
        Refuse(name, std::string("is not UTF-8 text ") + where);
    }
    return std::string(bytes);
}

}  // namespace vesko::cli
