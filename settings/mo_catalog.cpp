#include "settings/mo_catalog.h"

#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

// msgfmt writes the machine's byte order, which is little-endian wherever we build.
constexpr std::uint32_t kMagic = 0x950412deu;
constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kEntrySize = 8;  // length, then offset

}  // namespace

MoCatalog::MoCatalog(std::span<const std::uint8_t> bytes) : bytes_(bytes) {
    if (bytes_.size() < kHeaderSize || Word(0) != kMagic) {
        return;
    }
    const std::uint32_t count = Word(8);
    originals_ = Word(12);
    translations_ = Word(16);
    const auto fits = [this, count](std::uint32_t table) {
        return table <= bytes_.size() && count <= (bytes_.size() - table) / kEntrySize;
    };
    count_ = fits(originals_) && fits(translations_) ? count : 0;
}

std::uint32_t MoCatalog::Word(std::size_t offset) const {
    return static_cast<std::uint32_t>(bytes_[offset]) |
           static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
}

std::optional<std::string_view> MoCatalog::Text(std::uint32_t table, std::uint32_t index) const {
    const std::size_t entry = table + static_cast<std::size_t>(index) * kEntrySize;
    const std::size_t length = Word(entry);
    const std::size_t offset = Word(entry + 4);
    if (offset > bytes_.size() || length >= bytes_.size() - offset) {
        return std::nullopt;  // each text is followed by its terminating zero
    }
    return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + offset, length);
}

// msgfmt sorts the English texts byte by byte, so a binary search finds one.
std::optional<std::string> MoCatalog::Find(std::string_view english) const {
    std::uint32_t low = 0;
    std::uint32_t high = count_;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const std::optional<std::string_view> original = Text(originals_, middle);
        if (!original) {
            return std::nullopt;
        }
        if (*original == english) {
            const std::optional<std::string_view> translated = Text(translations_, middle);
            if (!translated || translated->empty()) {
                return std::nullopt;
            }
            return std::string(*translated);
        }
        if (*original < english) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return std::nullopt;
}

void UseMoCatalog(std::span<const std::uint8_t> bytes) {
    UseCatalog(
        [catalog = MoCatalog(bytes)](std::u16string_view english) -> std::optional<std::u16string> {
            const std::optional<std::string> found = catalog.Find(ToUtf8(english));
            return found ? std::optional<std::u16string>(FromUtf8(*found)) : std::nullopt;
        });
}

}  // namespace vesko
