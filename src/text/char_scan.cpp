#include "text/char_scan.h"

#include <bit>

namespace nalvic {

MatchScanner::MatchScanner(std::string_view text, std::string_view needle, bool foldCase)
    : text_(text),
      needle_(needle),
      foldCase_(foldCase),
      lastStart_(needle.empty() || needle.size() > text.size() ? 0
                                                               : text.size() - needle.size() + 1) {
    for (std::size_t i = 0; i < 2 && i < needle.size(); ++i) {
        const auto byte = static_cast<unsigned char>(needle[i]);
        small_[i] = foldCase ? lower(byte) : byte;
        capital_[i] = foldCase ? upper(byte) : byte;
        caseBit_[i] = static_cast<unsigned char>(small_[i] ^ capital_[i]);
    }
    nextSmall_ = find(small_[0], 0);
    nextCapital_ = capital_[0] == small_[0] ? nextSmall_ : find(capital_[0], 0);
}

std::size_t MatchScanner::find(unsigned char byte, std::size_t from) const {
    if (from >= lastStart_) return none;
    const void* hit = std::memchr(text_.data() + from, byte, lastStart_ - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : none;
}

// The next position at or after `from` whose first one or two bytes fit the
// needle's; the rest is checked by matchesAt.
std::size_t MatchScanner::nextCandidate(std::size_t from) {
    return from < denseUntil_ ? nextDense(from) : nextSparse(from);
}

std::size_t MatchScanner::nextSparse(std::size_t from) {
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

std::size_t MatchScanner::nextDense(std::size_t from) const {
    const bool pair = needle_.size() >= 2;
    // A block test reads the bytes at p .. p + 16 when it tests pairs.
    const std::size_t blockReach = blockSize + (pair ? 1 : 0);
    const auto fitsAt = [&](std::size_t at) {
        const Block first = load(at);
        auto fits = (first | caseBit_[0]) == small_[0];
        if (pair) {
            const Block second = load(at + 1);
            fits &= (second | caseBit_[1]) == small_[1];
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
bool MatchScanner::matchesAt(std::size_t at) const {
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

bool MatchScanner::beginsCharacter(std::size_t at, std::size_t knownStart) const {
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

std::size_t MatchScanner::nextByStepping(std::size_t from, std::size_t until) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text_.data());
    std::size_t at = from;
    for (; at < until && at < lastStart_; at += bytes[at] >= 0x80 && at + 1 < text_.size() ? 2 : 1)
        if (byteFits(at, 0) && (needle_.size() < 2 || byteFits(at, 1)) && matchesAt(at)) return at;
    return at;
}

std::size_t MatchScanner::next(std::size_t from) {
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
