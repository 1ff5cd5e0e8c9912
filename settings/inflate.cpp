#include "settings/inflate.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vesko {

namespace {

constexpr int kLongestCode = 15;
constexpr int kEndOfBlock = 256;
constexpr std::size_t kMostSymbols = 288;  // literals and lengths, of which 286 are used
constexpr std::size_t kMostLengths = kMostSymbols + 32;  // and distances

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                         4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                         9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which a dynamic block gives the lengths of its code-length code.
constexpr std::array<std::uint8_t, 19> kLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                       11, 4,  12, 3, 13, 2, 14, 1, 15};

class BitReader {
public:
    explicit BitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // The next `count` bits, the first the lowest; past the end, zeros and failed().
    std::uint32_t Take(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            if (position_ / 8 >= bytes_.size()) {
                failed_ = true;
                return 0;
            }
            const unsigned bit =
                (static_cast<unsigned>(bytes_[position_ / 8]) >> (position_ % 8)) & 1u;
            value |= static_cast<std::uint32_t>(bit) << static_cast<unsigned>(i);
            ++position_;
        }
        return value;
    }

    void SkipToByte() { position_ = (position_ + 7) / 8 * 8; }

    bool failed() const { return failed_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

// A canonical Huffman code: how many codes each length has, and the symbols in code order.
struct Code {
    std::array<int, kLongestCode + 1> counts{};
    std::array<std::uint16_t, kMostSymbols> symbols{};
};

// The code with these lengths per symbol (0: unused); false where they over-fill it.
bool MakeCode(std::span<const std::uint8_t> lengths, Code& code) {
    code.counts.fill(0);
    for (const std::uint8_t length : lengths) {
        ++code.counts[length];
    }
    code.counts[0] = 0;
    std::array<int, kLongestCode + 2> first{};
    int left = 1;
    for (std::size_t length = 1; length <= kLongestCode; ++length) {
        left = left * 2 - code.counts[length];
        if (left < 0) {
            return false;
        }
        first[length + 1] = first[length] + code.counts[length];
    }
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
        if (lengths[symbol] != 0) {
            code.symbols[static_cast<std::size_t>(first[lengths[symbol]]++)] =
                static_cast<std::uint16_t>(symbol);
        }
    }
    return true;
}

// The next symbol, or -1.
int Decode(BitReader& bits, const Code& code) {
    int value = 0;
    int first = 0;  // the first code of the length
    int index = 0;  // its symbol's place
    for (int length = 1; length <= kLongestCode; ++length) {
        value |= static_cast<int>(bits.Take(1));
        const int count = code.counts[static_cast<std::size_t>(length)];
        if (value - first < count) {
            return code.symbols[static_cast<std::size_t>(index + value - first)];
        }
        index += count;
        first = (first + count) << 1;
        value <<= 1;
    }
    return -1;
}

bool Stored(BitReader& bits, std::vector<std::uint8_t>& out, std::size_t limit) {
    bits.SkipToByte();
    const std::uint32_t length = bits.Take(16);
    if ((bits.Take(16) ^ length) != 0xffffu || length > limit - out.size()) {
        return false;
    }
    for (std::uint32_t i = 0; i < length && !bits.failed(); ++i) {
        out.push_back(static_cast<std::uint8_t>(bits.Take(8)));
    }
    return true;
}

bool Symbols(BitReader& bits, const Code& literals, const Code& distances,
             std::vector<std::uint8_t>& out, std::size_t limit) {
    for (;;) {
        const int symbol = Decode(bits, literals);
        if (symbol == kEndOfBlock) {
            return true;
        }
        if (symbol < 0 || bits.failed() || out.size() >= limit) {
            return false;
        }
        if (symbol < kEndOfBlock) {
            out.push_back(static_cast<std::uint8_t>(symbol));
            continue;
        }
        const auto length_code = static_cast<std::size_t>(symbol - kEndOfBlock - 1);
        if (length_code >= kLengthBase.size()) {
            return false;
        }
        const std::size_t length = kLengthBase[length_code] + bits.Take(kLengthExtra[length_code]);
        const auto distance_code = static_cast<std::size_t>(Decode(bits, distances));
        if (distance_code >= kDistanceBase.size()) {
            return false;  // also -1
        }
        const std::size_t distance =
            kDistanceBase[distance_code] + bits.Take(kDistanceExtra[distance_code]);
        if (distance > out.size() || length > limit - out.size()) {
            return false;
        }
        for (std::size_t i = 0; i < length; ++i) {
            const std::uint8_t byte = out[out.size() - distance];
            out.push_back(byte);
        }
    }
}

// The lengths of a block's codes: `literals` for literals and lengths, then the distances'.
struct CodeLengths {
    std::array<std::uint8_t, kMostLengths> lengths{};
    std::size_t literals = 0;
    std::size_t count = 0;
};

CodeLengths FixedLengths() {
    CodeLengths fixed{.literals = 288, .count = 288 + 30};
    std::fill_n(fixed.lengths.begin(), 144, 8);
    std::fill_n(fixed.lengths.begin() + 144, 112, 9);
    std::fill_n(fixed.lengths.begin() + 256, 24, 7);
    std::fill_n(fixed.lengths.begin() + 280, 8, 8);
    std::fill_n(fixed.lengths.begin() + 288, 30, 5);
    return fixed;
}

bool DynamicLengths(BitReader& bits, CodeLengths& dynamic) {
    dynamic.literals = bits.Take(5) + 257;
    dynamic.count = dynamic.literals + bits.Take(5) + 1;
    const std::size_t length_count = bits.Take(4) + 4;
    std::array<std::uint8_t, kLengthOrder.size()> length_lengths{};
    for (std::size_t i = 0; i < length_count; ++i) {
        length_lengths[kLengthOrder[i]] = static_cast<std::uint8_t>(bits.Take(3));
    }
    Code length_code;
    if (!MakeCode(length_lengths, length_code)) {
        return false;
    }
    for (std::size_t filled = 0; filled < dynamic.count;) {
        const int symbol = Decode(bits, length_code);
        if (symbol < 0 || bits.failed() || (symbol == 16 && filled == 0)) {
            return false;  // 16 repeats the length before
        }
        const std::size_t times = symbol < 16    ? 1
                                  : symbol == 16 ? 3 + bits.Take(2)
                                  : symbol == 17 ? 3 + bits.Take(3)
                                                 : 11 + bits.Take(7);
        const std::uint8_t length = symbol < 16    ? static_cast<std::uint8_t>(symbol)
                                    : symbol == 16 ? dynamic.lengths[filled - 1]
                                                   : 0;
        if (times > dynamic.count - filled) {
            return false;
        }
        std::fill_n(dynamic.lengths.begin() + static_cast<std::ptrdiff_t>(filled), times, length);
        filled += times;
    }
    return dynamic.lengths[kEndOfBlock] != 0;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> stream,
                                                 std::span<const std::uint8_t> dictionary,
                                                 std::size_t limit) {
    BitReader bits(stream);
    std::vector<std::uint8_t> out(dictionary.begin(), dictionary.end());
    limit += out.size();
    Code literals;
    Code distances;
    bool last = false;
    while (!last) {
        last = bits.Take(1) == 1;
        const std::uint32_t type = bits.Take(2);
        bool read = false;
        if (type == 0) {
            read = Stored(bits, out, limit);
        } else if (type <= 2) {
            CodeLengths lengths = type == 1 ? FixedLengths() : CodeLengths{};
            const std::span<const std::uint8_t> all(lengths.lengths);
            read = (type == 1 || DynamicLengths(bits, lengths)) &&
                   MakeCode(all.first(lengths.literals), literals) &&
                   MakeCode(all.subspan(lengths.literals, lengths.count - lengths.literals),
                            distances) &&
                   Symbols(bits, literals, distances, out, limit);
        }
        if (!read || bits.failed()) {
            return std::nullopt;
        }
    }
    out.erase(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(dictionary.size()));
    return out;
}

}  // namespace vesko
