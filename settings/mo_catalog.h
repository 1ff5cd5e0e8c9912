// A catalog compiled by gettext's msgfmt (a .mo file), read where it lies in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vesko {

class MoCatalog {
public:
    // `bytes` must outlive the catalog. A malformed file translates nothing.
    explicit MoCatalog(std::span<const std::uint8_t> bytes);

    // The translation of `english` (UTF-8), or nothing.
    std::optional<std::string> Find(std::string_view english) const;

private:
    std::optional<std::string_view> Text(std::uint32_t table, std::uint32_t index) const;
    std::uint32_t Word(std::size_t offset) const;

    std::span<const std::uint8_t> bytes_;
    std::uint32_t count_ = 0;
    std::uint32_t originals_ = 0;
    std::uint32_t translations_ = 0;
};

// The window's texts from here on in the language of `bytes`, a .mo file that must outlive
// every text looked up.
void UseMoCatalog(std::span<const std::uint8_t> bytes);

}  // namespace vesko
