// A language's translations as vesko.exe carries them: packed at build time from the
// language's .mo file (po/pack_catalog.py) without the English, which the program holds
// already, each translation in the place its English has in the list of every text the
// windows show, keyed as catalogs key them (a context before the English where it has one).
//
// Packed: the list's ListHash (32 bits, little-endian), its number of texts (16 bits), the
// encoding (16 bits: 0 UTF-8, 1 UTF-16LE), then, deflated, one translation per text, each
// ended by a zero, an empty one where the catalog has none. The deflate starts from the keys
// in the same form, which the translations often repeat in part ("config.bin", "%1").
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesko {

// FNV-1a over the keys' UTF-16 code units, each key followed by a zero unit.
std::uint32_t ListHash(std::span<const std::u16string> keys);

class PackedCatalog {
public:
    // `keys`: every text's in the list's order. A catalog packed for another list, or
    // malformed, translates nothing.
    PackedCatalog(std::span<const std::uint8_t> packed, std::vector<std::u16string> keys);

    // The translation of the text with `key`, or nothing.
    std::optional<std::u16string> Find(std::u16string_view key) const;

private:
    std::vector<std::u16string> keys_;
    std::vector<std::u16string> translated_;  // in the same places
};

// The window's texts from here on in the language of `packed`, for `keys`.
void UsePackedCatalog(std::span<const std::uint8_t> packed, std::vector<std::u16string> keys);

}  // namespace vesko
