#include "text/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace nalvic {
namespace {

TEST(TextLength, CountsBytesNotCharacters) {
    EXPECT_EQ(textLength(""), 0);
    EXPECT_EQ(textLength("\xD6\xD0" "a"), 3);
}

TEST(TextMid, CutsBytesAndClampsOutOfRangeArguments) {
    struct Case {
        std::string text;
        int32_t start;
        int32_t count;
        std::string expected;
    };
    const Case cases[] = {
        {"abcdef", 3, 2, "cd"},
        {"abc", 0, 2, ""},
        {"abc", 4, 1, ""},
        {"abc", 2, 0, ""},
        {"abc", 2, -1, ""},
        {"abc", 3, 5, "c"},
        {"abc", 1, INT32_MAX, "abc"},
        {"", 1, 1, ""},
        {"\xD6\xD0\xCE\xC4", 2, 2, "\xD0\xCE"},  // may cut two-byte characters
    };
    for (const auto& c : cases)
        EXPECT_EQ(textMid(c.text, c.start, c.count), c.expected)
            << c.text << " from " << c.start << " for " << c.count;
}

TEST(CharCode, IsTheFirstByteAsSigned) {
    EXPECT_EQ(charCode(""), 0);
    EXPECT_EQ(charCode("A"), 65);
    EXPECT_EQ(charCode("\xD6\xD0"), -42);
    EXPECT_EQ(charCode("\x80"), -128);
    EXPECT_EQ(charCode("\x7F"), 127);
}

TEST(TextConcat, JoinsInOrderSkippingEmptyParts) {
    EXPECT_EQ(textConcat("", "", ""), "");
    EXPECT_EQ(textConcat("a", "", "c"), "ac");
    EXPECT_EQ(textConcat("\xD6", "\xD0"), "\xD6\xD0");
}

TEST(TextCompare, OrdersUnsignedBytesAndPrefixesFirst) {
    EXPECT_EQ(textCompare("", std::string_view{}), 0);
    EXPECT_EQ(textCompare("a", ""), 1);
    EXPECT_EQ(textCompare("", "a"), -1);
    EXPECT_EQ(textCompare("\x80", "a"), 1);  // 0x80 is above 'a' as an unsigned byte
    EXPECT_EQ(textCompare("ab", "abc"), -1);
    EXPECT_EQ(textCompare("abd", "abc"), 1);
    EXPECT_EQ(textCompare("abc", "abc"), 0);
}

TEST(TextToInt, ReadsLikeTheLenientDecimalReader) {
    struct Case {
        std::string text;
        int32_t expected;
    };
    const Case cases[] = {
        {"42", 42},
        {"  -17abc", -17},
        {"+5", 5},
        {"- 5", 0},
        {"3.9", 3},
        {"\xA3\xB3.\xA3\xB9", 3},            // full-width "3.9"
        {"\xA3\xB1\xA3\xB2", 12},             // full-width "12"
        {"\xA1\xA1" "7", 7},                  // ideographic space before "7"
        {"\xA3\xAD\xA3\xB4", -4},             // full-width minus and 4
        {"\xA3\xAB" "8", 8},                  // full-width plus
        {"\t\n\v\f\r 9", 9},
        {"", 0},
        {"abc", 0},
        {"--5", 0},
        {"5\xD6\xD0" "6", 5},                 // a Chinese character ends the number
        {"\xA3", 0},                          // an incomplete character reads as nothing
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MIN},
        {"-2147483648", INT32_MIN},
        {"4294967297", 1},
        {"99999999999", 1215752191},
    };
    for (const auto& c : cases) EXPECT_EQ(textToInt(c.text), c.expected) << c.text;
}

TEST(NumberToText, UsesThirteenSignificantDigits) {
    EXPECT_EQ(numberToText(3.0), "3");
    EXPECT_EQ(numberToText(-1.0), "-1");
    EXPECT_EQ(numberToText(0.0), "0");
    EXPECT_EQ(numberToText(0.5), "0.5");
    EXPECT_EQ(numberToText(2.0 / 3.0), "0.6666666666667");
    EXPECT_EQ(numberToText(123456789012.0), "123456789012");
    EXPECT_EQ(numberToText(-2147483648.0), "-2147483648");
}

TEST(BytesToText, StopsAtTheFirstZeroByte) {
    EXPECT_EQ(bytesToText(Bytes("ab\0c", 4)), "ab");
    EXPECT_EQ(bytesToText(Bytes("\0ab", 3)), "");
    EXPECT_EQ(bytesToText(Bytes()), "");
    EXPECT_EQ(bytesToText(Bytes("\xD6\xD0xyz")), "\xD6\xD0xyz");
}

}  // namespace
}  // namespace nalvic
