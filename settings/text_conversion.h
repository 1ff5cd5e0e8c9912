// Moving text between the dialog (UTF-16) and the record (one byte per character).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vesko {

// Each byte becomes the code unit of the same value; the text ends at the earliest zero byte.
std::u16string BytesToText(std::span<const std::uint8_t> bytes);

// Zero-fills `target`, then stores the low 8 bits of each code unit, as many as fit.
void TextToBytes(std::u16string_view text, std::span<std::uint8_t> target);

// How the firmware version is shown: up to its earliest zero byte, decoded as Windows-1252,
// the stand-in for the system's ANSI code page where there is none.
std::u16string FirmwareVersionText(std::span<const std::uint8_t> bytes);

// Text people typed, as UTF-8: nothing unless every sequence is valid (no overlong forms,
// stray or missing continuation bytes, encoded surrogates).
std::optional<std::u16string> DecodeUtf8(std::string_view text);
// For the system's own texts (error reasons), which come as UTF-8: what is not valid
// becomes U+FFFD rather than other characters.
std::u16string FromUtf8(std::string_view text);
// For texts going to a terminal or a JSON file. An unpaired surrogate, which Windows names
// may hold but UTF-8 cannot carry, becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Whether ToUtf8 would have to replace a character of `text`.
bool HasUnpairedSurrogate(std::u16string_view text);

}  // namespace vesko
