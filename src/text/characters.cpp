#include "text/characters.h"

#include <array>

#include "text/large_buffer.h"

namespace nalvic {

namespace {

// For each second byte, the single byte that the pair with lead 0xA3 or 0xA1
// folds to, or 0 when the pair stays as it is.
constexpr std::array<unsigned char, 256> foldTableFor(unsigned char lead) {
    std::array<unsigned char, 256> table{};
    if (lead == 0xA3) {
        // The full-width forms of printable ASCII.
        for (int trail = 0xA1; trail <= 0xFE; ++trail)
            table[static_cast<std::size_t>(trail)] = static_cast<unsigned char>(trail & 0x7F);
    } else {
        table[0xA1] = ' ';  // ideographic space
        table[0xAB] = '~';  // full-width tilde
        table[0xEE] = '*';  // white star
        table[0xEF] = '*';  // black star
    }
    return table;
}

constexpr auto foldA1 = foldTableFor(0xA1);
constexpr auto foldA3 = foldTableFor(0xA3);

}  // namespace

Text foldToHalfWidth(std::string_view text) {
    Text out;
    reserveMore(out, text.size());
    out.resize(text.size());
    char* write = out.data();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            *write++ = static_cast<char>(lead);
            ++i;
            continue;
        }
        if (i + 1 == size) break;  // a lone lead byte at the very end is dropped
        const unsigned char trail = bytes[i + 1];
        const unsigned char folded = lead == 0xA3 ? foldA3[trail] : lead == 0xA1 ? foldA1[trail] : 0;
        if (folded != 0) {
            *write++ = static_cast<char>(folded);
        } else {
            *write++ = static_cast<char>(lead);
            *write++ = static_cast<char>(trail);
        }
        i += 2;
    }
    out.resize(static_cast<std::size_t>(write - out.data()));
    return out;
}

void segmentCharacters(Text& text, TextArray& characters) {
    characters.reset();
    text = foldToHalfWidth(text);
    // After folding, every byte of 0x80 or more has a second byte.
    characters.appendCharacters(text);
}

}  // namespace nalvic
