// A reproducible mixed GBK corpus for the benchmarks: about 60% of its bytes
// are two-byte Chinese characters, the rest ASCII words and spaces, full-width
// punctuation, and "\r\n" line ends. The same size always gives the same bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nalvic::bench {

class CorpusWriter {
public:
    std::string make(std::size_t size) {
        std::string out;
        out.reserve(size + 256);
        while (out.size() < size) appendLine(out);
        out.resize(size);
        return out;
    }

private:
    // A small linear congruential generator of its own, so the corpus does
    // not depend on the library's random engines.
    uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    uint32_t below(uint32_t n) { return next() % n; }

    void appendLine(std::string& out) {
        const std::size_t lineEnd = out.size() + 30 + below(120);
        while (out.size() < lineEnd) {
            const uint32_t kind = below(100);
            if (kind < 48) {
                appendChinese(out, 1 + below(6));
            } else if (kind < 86) {
                appendWord(out);
            } else {
                appendPunctuation(out);
            }
        }
        out += "\r\n";
    }

    void appendChinese(std::string& out, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) {
            // The GB2312 block of common characters: leads 0xB0..0xD7.
            out += static_cast<char>(0xB0 + below(0x28));
            out += static_cast<char>(0xA1 + below(0x5E));
        }
    }

    void appendWord(std::string& out) {
        static constexpr std::array<std::string_view, 16> words = {
            "the", "text", "abc", "Abc", "ABC", "value", "of", "GBK", "data", "line",
            "nalvic", "replace", "and", "shuffle", "word", "2024",
        };
        out += words[below(words.size())];
        out += ' ';
    }

    void appendPunctuation(std::string& out) {
        static constexpr std::array<std::string_view, 8> marks = {
            "\xA3\xAC", "\xA1\xA3", "\xA3\xA1", "\xA3\xBF",  // ，。！？
            "\xA3\xBA", "\xA3\xBB", "\xA1\xB0", "\xA1\xB1",  // ：；“”
        };
        out += marks[below(marks.size())];
    }

    uint32_t state_ = 12345;
};

inline std::string makeCorpus(std::size_t size) { return CorpusWriter().make(size); }

inline constexpr std::size_t corpus10MB = 10u << 20;
inline constexpr std::size_t corpus100MB = 100u << 20;

}  // namespace nalvic::bench
