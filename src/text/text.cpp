#include "text/text.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace nalvic {

int32_t textLength(std::string_view text) {
    return static_cast<int32_t>(text.size());
}

Text textMid(std::string_view text, int32_t start, int32_t count) {
    const auto length = static_cast<int64_t>(text.size());
    if (start < 1 || start > length || count <= 0) return {};
    const auto from = static_cast<std::size_t>(start - 1);
    return Text(text.substr(from, std::min<std::size_t>(static_cast<std::size_t>(count),
                                                        text.size() - from)));
}

int32_t charCode(std::string_view text) {
    return text.empty() ? 0 : static_cast<int32_t>(static_cast<int8_t>(text.front()));
}

Text textConcat(std::string_view a, std::string_view b, std::string_view c) {
    Text out;
    out.reserve(a.size() + b.size() + c.size());
    out.append(a).append(b).append(c);
    return out;
}

int textCompare(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    // memcmp compares as unsigned char, which is the order wanted here.
    if (const int order = common ? std::memcmp(a.data(), b.data(), common) : 0; order != 0)
        return order < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

namespace {

// The one-byte form of a two-byte character as far as reading a number is
// concerned: full-width digits and signs, and the ideographic space.
// Returns 0 when the pair stands for nothing a number could hold.
char numericHalfWidth(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9) return static_cast<char>('0' + trail - 0xB0);
    if (lead == 0xA3 && trail == 0xAB) return '+';
    if (lead == 0xA3 && trail == 0xAD) return '-';
    if (lead == 0xA1 && trail == 0xA1) return ' ';
    return 0;
}

// Reads the text one character at a time, full-width forms folded.
class NumberReader {
public:
    explicit NumberReader(std::string_view text) : text_(text) {}

    // The current character as one byte, or 0 at the end or at a character
    // that is not part of a number.
    char peek() const {
        if (pos_ >= text_.size()) return 0;
        const auto lead = static_cast<unsigned char>(text_[pos_]);
        if (lead < 0x80) return static_cast<char>(lead);
        if (pos_ + 1 >= text_.size()) return 0;
        return numericHalfWidth(lead, static_cast<unsigned char>(text_[pos_ + 1]));
    }
    void next() { pos_ += static_cast<unsigned char>(text_[pos_]) < 0x80 ? 1 : 2; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int32_t textToInt(std::string_view text) {
    NumberReader reader(text);
    while (isSpace(reader.peek())) reader.next();
    bool negative = false;
    if (const char sign = reader.peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        reader.next();
    }
    uint32_t value = 0;  // unsigned, so that wrapping modulo 2^32 is defined
    for (char c = reader.peek(); c >= '0' && c <= '9'; c = reader.peek()) {
        value = value * 10u + static_cast<uint32_t>(c - '0');
        reader.next();
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

Text numberToText(double value) {
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return Text(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

Text bytesToText(const Bytes& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace nalvic
