// Finding a text inside another the way a left-to-right scan does that steps
// over two-byte characters: a comparison is tried only where a character
// begins, never at the second byte of a two-byte character.
//
// Instead of trying every character, the scanner jumps to places where the
// first two bytes of the needle stand, and only there works out whether the
// place begins a character. Where such places are sparse it finds them with
// memchr on the first byte, which is fastest but pays a fixed cost per call;
// where they crowd together it switches for a while to testing 16 bytes at a
// time, whose cost per byte is fixed. That is decided by looking
// back: a byte below 0x80 always ends a character (it is either one on its
// own or the second byte of a pair), so the position after it is a character
// start, and a run of bytes of 0x80 or more that follows a character start
// pairs up from its first byte.
#pragma once

#include <bit>
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

inline MatchScanner::MatchScanner(std::string_view text, std::string_view needle, bool foldCase)
    : text_(text),
      needle_(needle),
      foldCase_(foldCase),
      lastStart_(needle.empty() || needle.size() > text.size() ? 0
                                                               : text.size() - needle.size() + 1) {
    for (std::size_t i = 0; i < 2 && i < needle.size(); ++i) {
        const auto byte = static_cast<unsigned char>(needle[i]);
        small_[i] = foldCase ? lower(byte) : byte;
        capital_[i] = foldCase ? upper(byte) : byte;
    }
    nextSmall_ = find(small_[0], 0);
    nextCapital_ = capital_[0] == small_[0] ? nextSmall_ : find(capital_[0], 0);
}

inline std::size_t MatchScanner::find(unsigned char byte, std::size_t from) const {
    if (from >= lastStart_) return none;
    const void* hit = std::memchr(text_.data() + from, byte, lastStart_ - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : none;
}

// The next position at or after `from` whose first one or two bytes fit the
// needle's; the rest is checked by matchesAt.
inline std::size_t MatchScanner::nextCandidate(std::size_t from) {
    return from < denseUntil_ ? nextDense(from) : nextSparse(from);
}

inline std::size_t MatchScanner::nextSparse(std::size_t from) {
    constexpr std::size_t close = 128;        // a memchr call that found its place this near...
    constexpr std::size_t closeInARow = 16;  // ...this many times in a row...
    constexpr std::size_t denseStretch = 4096;  // ...hands this many bytes to the vector test
    for (std::size_t at = from;;) {
        if (nextSmall_ < at) nextSmall_ = find(small_[0], at);
        if (nextCapital_ < at) nextCapital_ = capital_[0] == small_[0] ? nextSmall_ : find(capital_[0], at);
        const std::size_t hit = nextSmall_ < nextCapital_ ? nextSmall_ : nextCapital_;
        if (hit == none) return none;
        closeCalls_ = hit - at < close ? closeCalls_ + 1 : 0;
        if (needle_.size() < 2 || byteFits(hit, 1)) {
            if (closeCalls_ >= closeInARow) {
                closeCalls_ = 0;
                denseUntil_ = hit + denseStretch;
            }
            return hit;
        }
        if (closeCalls_ >= closeInARow) {
            closeCalls_ = 0;
            denseUntil_ = hit + 1 + denseStretch;
            return nextDense(hit + 1);
        }
        at = hit + 1;
    }
}

inline std::size_t MatchScanner::nextDense(std::size_t from) const {
    const bool pair = needle_.size() >= 2;
    // A block test reads the bytes at p .. p + 16 when it tests pairs.
    const std::size_t blockReach = blockSize + (pair ? 1 : 0);
    const auto fitsAt = [&](std::size_t at) {
        const Block first = load(at);
        auto fits = (first == small_[0]) | (first == capital_[0]);
        if (pair) {
            const Block second = load(at + 1);
            fits &= (second == small_[1]) | (second == capital_[1]);
        }
        return fits;
    };
    std::size_t p = from;
    // Four blocks per test while no candidate shows, then block by block.
    for (; p < lastStart_ && p + 3 * blockSize + blockReach <= text_.size(); p += 4 * blockSize) {
        const auto any = fitsAt(p) | fitsAt(p + blockSize) | fitsAt(p + 2 * blockSize) | fitsAt(p + 3 * blockSize);
        uint64_t low = 0;
        uint64_t high = 0;
        std::memcpy(&low, &any, 8);
        std::memcpy(&high, reinterpret_cast<const char*>(&any) + 8, 8);
        if ((low | high) != 0) break;
    }
    for (; p < lastStart_ && p + blockReach <= text_.size(); p += blockSize) {
        const auto fits = fitsAt(p);
        uint64_t low = 0;
        uint64_t high = 0;
        std::memcpy(&low, &fits, 8);
        std::memcpy(&high, reinterpret_cast<const char*>(&fits) + 8, 8);
        if ((low | high) == 0) continue;
        // Lanes are 0x00 or 0xFF; the lowest set lane is the candidate.
        const std::size_t lane = low != 0 ? static_cast<std::size_t>(std::countr_zero(low)) / 8
                                          : 8 + static_cast<std::size_t>(std::countr_zero(high)) / 8;
        return p + lane < lastStart_ ? p + lane : none;
    }
    for (; p < lastStart_; ++p)
        if (byteFits(p, 0) && (!pair || byteFits(p, 1))) return p;
    return none;
}

// The first two bytes already fit (nextCandidate); this checks the rest.
inline bool MatchScanner::matchesAt(std::size_t at) const {
    const char* here = text_.data() + at;
    if (!foldCase_ && needle_.size() > 16)
        return std::memcmp(here + 2, needle_.data() + 2, needle_.size() - 2) == 0;
    for (std::size_t i = 2; i < needle_.size(); ++i) {
        const auto byte = static_cast<unsigned char>(here[i]);
        const auto wanted = static_cast<unsigned char>(needle_[i]);
        if (foldCase_ ? lower(byte) != lower(wanted) : byte != wanted) return false;
    }
    return true;
}

inline bool MatchScanner::beginsCharacter(std::size_t at, std::size_t knownStart) const {
    std::size_t runStart = at;
    if constexpr (std::endian::native == std::endian::little) {
        // Eight bytes at a time: the byte just before runStart is the top
        // byte of the word, so the leading zero bits of the "below 0x80"
        // marks count the run's bytes in that word.
        constexpr uint64_t highBits = 0x8080808080808080u;
        while (runStart - knownStart >= 8) {
            uint64_t word = 0;
            std::memcpy(&word, text_.data() + runStart - 8, 8);
            if (const uint64_t plain = ~word & highBits; plain != 0) {
                runStart -= static_cast<std::size_t>(std::countl_zero(plain)) / 8;
                return (at - runStart) % 2 == 0;
            }
            runStart -= 8;
        }
    }
    while (runStart > knownStart && static_cast<unsigned char>(text_[runStart - 1]) >= 0x80)
        --runStart;
    return (at - runStart) % 2 == 0;
}

inline std::size_t MatchScanner::nextByStepping(std::size_t from, std::size_t until) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text_.data());
    std::size_t at = from;
    for (; at < until && at < lastStart_; at += bytes[at] >= 0x80 && at + 1 < text_.size() ? 2 : 1)
        if (byteFits(at, 0) && (needle_.size() < 2 || byteFits(at, 1)) && matchesAt(at)) return at;
    return at;
}

inline std::size_t MatchScanner::next(std::size_t from) {
    constexpr std::size_t crowdedInARow = 32;  // failed places this close together...
    constexpr std::size_t crowded = 8;
    constexpr std::size_t steppedStretch = 65536;  // ...hand this many bytes to plain stepping
    if (knownStart_ < from) knownStart_ = from;
    while (true) {
        if (from < steppedUntil_) {
            const std::size_t at = nextByStepping(from, steppedUntil_);
            if (at >= lastStart_) return none;
            knownStart_ = at;
            if (at < steppedUntil_) return at;
            from = at;  // a character start where the stretch ended
        }
        std::size_t previous = from;
        std::size_t failed = 0;
        std::size_t at = nextCandidate(from);
        for (; at != none; previous = at, at = nextCandidate(at + 1)) {
            const bool starts = matchesAt(at) && beginsCharacter(at, knownStart_);
            if (starts) {
                knownStart_ = at;
                // Matches that follow each other closely are found faster
                // by stepping as well; the next call starts right behind.
                crowdedMatches_ = at - from < crowded ? crowdedMatches_ + 1 : 0;
                if (crowdedMatches_ >= crowdedInARow) {
                    crowdedMatches_ = 0;
                    steppedUntil_ = at + needle_.size() + steppedStretch;
                }
                return at;
            }
            failed = at - previous < crowded ? failed + 1 : 0;
            if (failed >= crowdedInARow) break;
        }
        if (at == none) return none;
        // Places to test crowd so densely that trying every character in
        // turn is cheaper. That needs a character start to go from.
        from = beginsCharacter(at, knownStart_) ? at : at + 1;
        knownStart_ = from;
        steppedUntil_ = from + steppedStretch;
    }
}

}  // namespace nalvic
