#include "text/replace.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "scan_reference.h"

namespace nalvic {
namespace {

struct ReplaceCase {
    std::string source;
    std::string find;
    std::string replacement;
    int32_t caseSensitive;
    std::string expected;
};

TEST(TextReplace, FollowsTheScanRules) {
    const ReplaceCase cases[] = {
        {"", "a", "b", 1, ""},
        {"abc", "", "x", 1, "abc"},
        {"abcabc", "b", "", 1, "acac"},                  // an empty replacement deletes
        {"aaaa", "aa", "a", 1, "aa"},                     // matches never overlap
        {"aaa", "a", "aa", 1, "aaaaaa"},                  // the replacement is not rescanned
        {"ab", "abc", "x", 1, "ab"},                      // a find longer than the source
        {"xAbCx", "abc", "-", 1, "xAbCx"},
        {"xAbCx", "abc", "-", 0, "x-x"},
        {"ABC", "abc", "-", 0, "-"},
        {"abc", "ABC", "-", 0, "-"},
        {"[{", "{", "-", 0, "[-"},                         // only A..Z fold: '[' is not '{'
        // A match never starts at the second byte of a two-byte character.
        {"\xD6\xD0", "\xD0", "x", 1, "\xD6\xD0"},
        {"\x81" "a", "a", "x", 1, "\x81" "a"},
        {"\x81\x81\x81", "\x81\x81", "x", 1, "x\x81"},
        {"a\x81\x81" "b", "\x81" "b", "x", 1, "a\x81\x81" "b"},
        {"\xD6\xD0\xCE\xC4", "\xCE\xC4", "!", 1, "\xD6\xD0!"},
        // Case folding reaches the second bytes of two-byte characters.
        {"\x81\x41", "\x81\x61", "x", 0, "x"},
        {"\x81\x41", "\x81\x61", "x", 1, "\x81\x41"},
        // Full-width letters are not folded.
        {"\xA3\xC1", "\xA3\xE1", "x", 0, "\xA3\xC1"},
        // After a match the scan resumes right behind it, even mid-character.
        {"\x81\x81\x81", "\x81", "x", 1, "xxx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textReplace(c.source, c.find, c.replacement, c.caseSensitive), c.expected)
            << "source " << testing::PrintToString(c.source) << " find "
            << testing::PrintToString(c.find) << " case " << c.caseSensitive;
}

TEST(TextReplace, WithoutAMatchKeepsTheSourceIncludingAnIncompleteLastCharacter) {
    for (const std::string find : {"z", "zz", "zzz"}) {
        for (const int32_t caseSensitive : {0, 1}) {
            EXPECT_EQ(textReplace("ab\xD6", find, "y", caseSensitive), "ab\xD6") << find;
            EXPECT_EQ(textReplace("\xD6\xD0\xB0", find, "y", caseSensitive), "\xD6\xD0\xB0") << find;
            EXPECT_EQ(textReplace("\x80", find, "y", caseSensitive), "\x80") << find;
        }
    }
    // A match before the incomplete character does not lose it either.
    EXPECT_EQ(textReplace("a\xD6", "a", "b", 1), "b\xD6");
}

TEST(TextReplace, AgreesWithTheByteByByteScanOnRandomTexts) {
    std::mt19937 engine(7);
    for (int round = 0; round < 20000; ++round) {
        const std::string source = reference::randomText(engine, 40);
        const std::string find = reference::randomText(engine, 3);
        const bool foldCase = round % 2 == 0;
        ASSERT_EQ(textReplace(source, find, "<>", foldCase ? 0 : 1),
                  reference::replace(source, find, "<>", foldCase))
            << "source " << testing::PrintToString(source) << " find "
            << testing::PrintToString(find) << " foldCase " << foldCase;
    }
}

TEST(TextReplace, AgreesWithTheByteByByteScanOnLongMixedTexts) {
    std::mt19937 engine(13);
    for (const std::string find : {"a", "ab", "aab", "\x81\x81", "\x81" "a", "\r\n", "Ab\xD6"}) {
        for (int round = 0; round < 12; ++round) {
            const std::string source = reference::mixedDensityText(engine, find);
            const bool foldCase = round % 2 == 1;
            ASSERT_EQ(textReplace(source, find, "<>", foldCase ? 0 : 1),
                      reference::replace(source, find, "<>", foldCase))
                << "find " << testing::PrintToString(find) << " round " << round;
        }
    }
}

}  // namespace
}  // namespace nalvic
