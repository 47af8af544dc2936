// Plain byte-by-byte versions of the scanning operations, written as
// directly as possible from their rules, to check the fast ones against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace nalvic::reference {

inline unsigned char lower(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + 0x20) : byte;
}

inline bool equalAt(std::string_view text, std::size_t at, std::string_view find, bool foldCase) {
    for (std::size_t i = 0; i < find.size(); ++i) {
        auto a = static_cast<unsigned char>(text[at + i]);
        auto b = static_cast<unsigned char>(find[i]);
        if (foldCase) {
            a = lower(a);
            b = lower(b);
        }
        if (a != b) return false;
    }
    return true;
}

// Replacement; the tail after the last comparison, an incomplete two-byte
// character included, is always kept.
inline std::string replace(std::string_view source, std::string_view find,
                           std::string_view replacement, bool foldCase) {
    if (source.empty() || find.empty()) return std::string(source);
    std::string out;
    std::size_t p = 0;
    std::size_t r = source.size();
    while (r >= find.size()) {
        if (equalAt(source, p, find, foldCase)) {
            out += replacement;
            p += find.size();
            r -= find.size();
        } else if (static_cast<unsigned char>(source[p]) >= 0x80 && r >= 2) {
            out += source.substr(p, 2);
            p += 2;
            r -= 2;
        } else {
            out += source[p];
            p += 1;
            r -= 1;
        }
    }
    out += source.substr(p);
    return out;
}

inline std::vector<std::string> split(std::string_view text, std::string_view delimiter) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (delimiter.empty()) return {std::string(text)};
    std::size_t p = 0;
    std::size_t s = 0;
    std::size_t r = text.size();
    while (r >= delimiter.size()) {
        if (equalAt(text, p, delimiter, false)) {
            pieces.emplace_back(text.substr(s, p - s));
            p += delimiter.size();
            r -= delimiter.size();
            s = p;
        } else if (static_cast<unsigned char>(text[p]) >= 0x80) {
            if (r == 1) break;
            p += 2;
            r -= 2;
        } else {
            p += 1;
            r -= 1;
        }
    }
    if (s < text.size()) pieces.emplace_back(text.substr(s));
    return pieces;
}

// Random text over a small alphabet that makes matches, case pairs, line
// breaks and two-byte characters (complete or cut) frequent.
inline std::string randomText(std::mt19937& engine, std::size_t maxLength) {
    static constexpr char alphabet[] = {'a', 'A', 'b', 'B', '\r', '\n', '\x81', '\xA3', '\xC1', '\xFF', '\x80'};
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
    std::string text(length(engine), '\0');
    for (char& byte : text) byte = alphabet[pick(engine)];
    return text;
}

// Long text mixing stretches where the needle's bytes are rare, common and
// everywhere, so that a scanner that adapts to how often candidates come
// has to switch its ways of finding them, in both directions.
inline std::string mixedDensityText(std::mt19937& engine, std::string_view needle) {
    std::string text;
    std::uniform_int_distribution<int> stretch(100, 6000);
    std::uniform_int_distribution<int> anyByte(1, 255);
    for (int part = 0; part < 6; ++part) {
        const int length = stretch(engine);
        switch (engine() % 4) {
            case 0:  // needle bytes all over
                for (int i = 0; i < length; ++i) text += needle[engine() % needle.size()];
                break;
            case 1:  // whole needles back to back, now and then cut
                while (static_cast<int>(text.size()) < length * (part + 1)) {
                    text += needle;
                    if (engine() % 5 == 0) text += static_cast<char>(anyByte(engine));
                }
                break;
            case 2:  // two-byte characters with the needle's bytes inside
                for (int i = 0; i < length; ++i) text += i % 2 == 0 ? '\x81' : needle[engine() % needle.size()];
                break;
            default:  // anything
                for (int i = 0; i < length; ++i) text += static_cast<char>(anyByte(engine));
        }
    }
    return text;
}

}  // namespace nalvic::reference
