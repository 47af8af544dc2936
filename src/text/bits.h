// Counting and finding set bits in 64-bit words, branch-free and portable
// (the popcount instruction is not part of the baseline x86-64 target, and
// the library fallback is a call).
#pragma once

#include <array>
#include <cstdint>

namespace nalvic::bits {

inline constexpr uint64_t ones8 = 0x0101010101010101u;
inline constexpr uint64_t highs8 = 0x8080808080808080u;

// Each byte of the result holds the number of set bits in that byte of x.
constexpr uint64_t perByte(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    return (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
}

constexpr unsigned count(uint64_t x) { return static_cast<unsigned>((perByte(x) * ones8) >> 56); }

// selectInByte[byte][r]: the position of the (r+1)-th set bit of byte.
inline constexpr auto selectInByte = [] {
    std::array<std::array<uint8_t, 8>, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned rank = 0;
        for (unsigned bit = 0; bit < 8; ++bit)
            if (byte & (1u << bit)) table[byte][rank++] = static_cast<uint8_t>(bit);
    }
    return table;
}();

// The position of the (rank+1)-th set bit of word; rank < count(word).
// Byte-wise running totals locate the byte, a table the bit in it.
constexpr unsigned select(uint64_t word, unsigned rank) {
    const uint64_t totals = perByte(word) * ones8;  // byte i: set bits in bytes 0..i
    // The high bit of byte i stays set where total i <= rank; those bytes
    // come first, and their number is the byte sought.
    const uint64_t before = ((rank * ones8 | highs8) - totals) & highs8;
    const unsigned byte = static_cast<unsigned>(((before >> 7) * ones8) >> 56);
    const unsigned shift = byte * 8;
    const unsigned skipped = static_cast<unsigned>((totals << 8 >> shift) & 0xFF);
    return shift + selectInByte[(word >> shift) & 0xFF][rank - skipped];
}

}  // namespace nalvic::bits
