#include "settings/packed_catalog.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "settings/inflate.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kLargest = std::size_t{1} << 20;  // far more than any language needs

std::uint32_t Word(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = value << 8 | bytes[offset + i];
    }
    return value;
}

// `text` in the catalog's encoding (UTF-16 in the machine's order, little-endian wherever
// vesko runs).
std::string Encoded(std::u16string_view text, bool utf16) {
    static_assert(std::endian::native == std::endian::little);
    return utf16 ? std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2)
                 : ToUtf8(text);
}

// The texts ended by zeros in `text`; nothing where it holds other than `count`.
std::vector<std::u16string> Split(std::u16string_view text, std::size_t count) {
    std::vector<std::u16string> texts;
    std::size_t start = 0;
    for (std::size_t end = text.find(u'\0'); end != std::u16string_view::npos;
         end = text.find(u'\0', start)) {
        texts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (texts.size() != count || start != text.size()) {
        texts.clear();
    }
    return texts;
}

}  // namespace

std::uint32_t ListHash(std::span<const std::u16string> keys) {
    std::uint32_t hash = 2166136261u;
    const auto mix = [&hash](char16_t unit) { hash = (hash ^ unit) * 16777619u; };
    for (const std::u16string& key : keys) {
        std::for_each(key.begin(), key.end(), mix);
        mix(u'\0');
    }
    return hash;
}

PackedCatalog::PackedCatalog(std::span<const std::uint8_t> packed,
                             std::vector<std::u16string> keys) {
    if (packed.size() < kHeaderSize || Word(packed, 0, 4) != ListHash(keys) ||
        Word(packed, 4, 2) != keys.size() || Word(packed, 6, 2) > 1) {
        return;
    }
    const bool utf16 = Word(packed, 6, 2) == 1;
    std::u16string joined;  // what the translations were deflated after
    for (const std::u16string& key : keys) {
        joined.append(key).push_back(u'\0');
    }
    const std::string dictionary = Encoded(joined, utf16);
    const std::optional<std::vector<std::uint8_t>> bytes = Inflate(
        packed.subspan(kHeaderSize),
        {reinterpret_cast<const std::uint8_t*>(dictionary.data()), dictionary.size()}, kLargest);
    if (!bytes || (utf16 && bytes->size() % 2 != 0)) {
        return;
    }
    std::u16string texts;
    if (utf16) {
        texts.resize(bytes->size() / 2);
        std::memcpy(texts.data(), bytes->data(), bytes->size());
    } else {
        texts = FromUtf8({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
    }
    translated_ = Split(texts, keys.size());
    if (!translated_.empty()) {
        keys_ = std::move(keys);
    }
}

std::optional<std::u16string> PackedCatalog::Find(std::u16string_view key) const {
    const auto found = std::find(keys_.begin(), keys_.end(), key);
    if (found == keys_.end()) {
        return std::nullopt;
    }
    const std::u16string& translated = translated_[static_cast<std::size_t>(found - keys_.begin())];
    return translated.empty() ? std::nullopt : std::optional<std::u16string>(translated);
}

void UsePackedCatalog(std::span<const std::uint8_t> packed, std::vector<std::u16string> keys) {
    UseCatalog([catalog = PackedCatalog(packed, std::move(keys))](std::u16string_view key) {
        return catalog.Find(key);
    });
}

}  // namespace vesko
