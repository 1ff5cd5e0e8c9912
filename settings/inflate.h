// Raw deflate (RFC 1951), as Python's zlib writes it: vesko.exe's catalogs are packed so.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vesko {

// The bytes `stream` holds; nothing where it is malformed or would hold more than `limit`.
// `dictionary`: the bytes it was made after (zlib's preset dictionary), which it may repeat.
std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> stream,
                                                 std::span<const std::uint8_t> dictionary,
                                                 std::size_t limit);

}  // namespace vesko
