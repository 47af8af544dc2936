// Finding a text inside another the way a left-to-right scan does that steps
// over two-byte characters: a comparison is tried only where a character
// begins, never at the second byte of a two-byte character.
//
// Instead of trying every character, the scanner jumps to places where the
// first two bytes of the needle stand, and only there works out whether the
// place begins a character, by looking back: a byte below 0x80 always ends a
// character (it is either one on its own or the second byte of a pair), so
// the position after it is a character start, and a run of bytes of 0x80 or
// more that follows a character start pairs up from its first byte.
//
// The places are found in one of three ways, whichever the text makes
// cheapest: memchr on the first byte where they are sparse (fastest, but a
// fixed cost per call); a test of 16 bytes at a time where they come often
// (a fixed cost per byte); and plain stepping from character to character
// where they crowd so that nearly every character must be compared anyway.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace nalvic {

class MatchScanner {
public:
    static constexpr std::size_t none = std::string_view::npos;

    // With foldCase, the bytes 'A'..'Z' compare equal to 'a'..'z'.
    MatchScanner(std::string_view text, std::string_view needle, bool foldCase);

    // The first position at or after `from` where a match starts, or `none`.
    // `from` must be a character start: the beginning of the text or the
    // position right after an earlier match. Calls use rising `from`.
    std::size_t next(std::size_t from);

private:
    // 16 bytes as one vector value (a compiler extension that GCC and Clang
    // map to the machine's vector registers, or emulate).
    using Block = unsigned char __attribute__((vector_size(16)));
    static constexpr std::size_t blockSize = sizeof(Block);

    static unsigned char lower(unsigned char byte) {
        return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 0x20) : byte;
    }
    static unsigned char upper(unsigned char byte) {
        return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 0x20) : byte;
    }
    Block load(std::size_t at) const {
        Block block;
        std::memcpy(&block, text_.data() + at, blockSize);
        return block;
    }
    bool byteFits(std::size_t at, std::size_t index) const {
        const auto byte = static_cast<unsigned char>(text_[at + index]);
        return byte == small_[index] || byte == capital_[index];
    }
    std::size_t nextCandidate(std::size_t from);
    std::size_t nextSparse(std::size_t from);
    std::size_t nextDense(std::size_t from) const;
    std::size_t find(unsigned char byte, std::size_t from) const;
    // The first match at a character start from `from` (itself one) below
    // `until`, stepping character by character; else the character start
    // at which the stepping stopped.
    std::size_t nextByStepping(std::size_t from, std::size_t until) const;
    bool matchesAt(std::size_t at) const;
    bool beginsCharacter(std::size_t at, std::size_t knownStart) const;

    std::string_view text_;
    std::string_view needle_;
    bool foldCase_;
    std::size_t lastStart_;  // the last position a match can start at, plus one
    // The first two needle bytes in small and capital form (the same byte
    // twice when case does not matter for it); the second is unused for a
    // one-byte needle.
    unsigned char small_[2] = {0, 0};
    unsigned char capital_[2] = {0, 0};
    // 0x20 where the two differ: a byte ORed with it equals small_ exactly
    // when it is one of the two forms, so one compare tests both.
    unsigned char caseBit_[2] = {0, 0};
    std::size_t knownStart_ = 0;  // the latest position known to begin a character
    // Cached next places of the needle's first byte in either form; each is
    // the first at or after a point not beyond any later `from`.
    std::size_t nextSmall_ = 0;
    std::size_t nextCapital_ = 0;
    std::size_t closeCalls_ = 0;   // memchr calls in a row that found a place close by
    std::size_t denseUntil_ = 0;   // the vector test is used below this position
    std::size_t steppedUntil_ = 0;  // plain stepping is used below this position
    std::size_t crowdedMatches_ = 0;  // matches in a row found close behind the last
};

}  // namespace nalvic
