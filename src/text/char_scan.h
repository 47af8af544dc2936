// Finding a text inside another the way a left-to-right scan does that steps
// over two-byte characters: a comparison is tried only where a character
// begins, never at the second byte of a two-byte character.
//
// Instead of trying every character, the scanner jumps to the next byte that
// can begin a match (memchr) and only then works out whether that byte begins
// a character. That is decided by looking back: a byte below 0x80 always ends
// a character (it is either one on its own or the second byte of a pair), so
// the position after it is a character start, and a run of bytes of 0x80 or
// more that follows a character start pairs up from its first byte.
#pragma once

#include <cstddef>
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
    static unsigned char lower(unsigned char byte) {
        return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 0x20) : byte;
    }
    std::size_t find(char byte, std::size_t from) const;
    std::size_t nextCandidate(std::size_t from);
    bool matchesAt(std::size_t at) const;
    bool beginsCharacter(std::size_t at, std::size_t knownStart) const;

    std::string_view text_;
    std::string_view needle_;
    bool foldCase_;
    std::size_t lastStart_;  // the last position a match can start at, plus one
    char first_;             // the first byte of the needle (lower case when folding)
    char firstUpper_;        // its capital form, or first_ when it has none
    std::size_t nextFirst_ = 0;  // cached next occurrence of first_
    std::size_t nextUpper_ = 0;  // cached next occurrence of firstUpper_
    std::size_t knownStart_ = 0; // the latest position known to begin a character
};

inline MatchScanner::MatchScanner(std::string_view text, std::string_view needle, bool foldCase)
    : text_(text),
      needle_(needle),
      foldCase_(foldCase),
      lastStart_(needle.empty() || needle.size() > text.size() ? 0
                                                               : text.size() - needle.size() + 1) {
    const auto head = static_cast<unsigned char>(needle.empty() ? 0 : needle.front());
    first_ = static_cast<char>(foldCase ? lower(head) : head);
    firstUpper_ = foldCase && first_ >= 'a' && first_ <= 'z' ? static_cast<char>(first_ - 0x20)
                                                             : first_;
    nextFirst_ = find(first_, 0);
    nextUpper_ = firstUpper_ == first_ ? nextFirst_ : find(firstUpper_, 0);
}

inline std::size_t MatchScanner::find(char byte, std::size_t from) const {
    if (from >= lastStart_) return none;
    const void* hit = std::memchr(text_.data() + from, byte, lastStart_ - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : none;
}

inline std::size_t MatchScanner::nextCandidate(std::size_t from) {
    if (nextFirst_ != none && nextFirst_ < from) nextFirst_ = find(first_, from);
    if (firstUpper_ == first_) return nextFirst_;
    if (nextUpper_ != none && nextUpper_ < from) nextUpper_ = find(firstUpper_, from);
    return nextFirst_ < nextUpper_ ? nextFirst_ : nextUpper_;
}

inline bool MatchScanner::matchesAt(std::size_t at) const {
    const char* here = text_.data() + at;
    if (!foldCase_) return std::memcmp(here, needle_.data(), needle_.size()) == 0;
    for (std::size_t i = 0; i < needle_.size(); ++i)
        if (lower(static_cast<unsigned char>(here[i])) != lower(static_cast<unsigned char>(needle_[i])))
            return false;
    return true;
}

inline bool MatchScanner::beginsCharacter(std::size_t at, std::size_t knownStart) const {
    std::size_t runStart = at;
    while (runStart > knownStart && static_cast<unsigned char>(text_[runStart - 1]) >= 0x80)
        --runStart;
    return (at - runStart) % 2 == 0;
}

inline std::size_t MatchScanner::next(std::size_t from) {
    if (knownStart_ < from) knownStart_ = from;
    for (std::size_t at = nextCandidate(from); at != none; at = nextCandidate(at + 1)) {
        if (!matchesAt(at)) continue;
        const bool starts = beginsCharacter(at, knownStart_);
        // Either way the start of a character at or after `at` is now known,
        // which bounds the next look back.
        knownStart_ = starts ? at : at + 1;
        if (starts) return at;
    }
    return none;
}

}  // namespace nalvic
