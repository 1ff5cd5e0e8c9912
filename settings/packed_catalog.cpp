#include "settings/packed_catalog.h"

#include <algorithm>
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

// The translations, one per text; empty where the bytes do not hold exactly `count`.
std::vector<std::u16string> Translations(std::span<const std::uint8_t> texts, bool utf16,
                                         std::size_t count) {
    const std::size_t unit = utf16 ? 2 : 1;
    std::vector<std::u16string> translated;
    std::size_t start = 0;
    for (std::size_t end = 0; end + unit <= texts.size(); end += unit) {
        if (Word(texts, end, unit) != 0) {
            continue;
        }
        const std::span<const std::uint8_t> text = texts.subspan(start, end - start);
        if (utf16) {
            std::u16string& units = translated.emplace_back(text.size() / 2, u'\0');
            for (std::size_t i = 0; i < units.size(); ++i) {
                units[i] = static_cast<char16_t>(Word(text, 2 * i, 2));
            }
        } else {
            translated.push_back(FromUtf8(
                std::string_view(reinterpret_cast<const char*>(text.data()), text.size())));
        }
        start = end + unit;
    }
    if (translated.size() != count || start != texts.size()) {
        translated.clear();
    }
    return translated;
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
    const std::optional<std::vector<std::uint8_t>> bytes = Inflate(packed, kLargest);
    if (!bytes || bytes->size() < kHeaderSize || Word(*bytes, 0, 4) != ListHash(keys) ||
        Word(*bytes, 4, 2) != keys.size() || Word(*bytes, 6, 2) > 1) {
        return;
    }
    translated_ =
        Translations(std::span(*bytes).subspan(kHeaderSize), Word(*bytes, 6, 2) == 1, keys.size());
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
