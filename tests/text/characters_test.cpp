#include "text/characters.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "array_elements.h"

namespace nalvic {
namespace {

TEST(FoldToHalfWidth, FoldsExactlyTheTableEntries) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"\xA1\xA1", " "},
        {"\xA1\xAB", "~"},
        {"\xA1\xEE", "*"},
        {"\xA1\xEF", "*"},
        {"\xA3\xA1", "!"},
        {"\xA3\xA4", "$"},         // full-width yen sign
        {"\xA3\xB0", "0"},
        {"\xA3\xC1\xA3\xE1", "Aa"},
        {"\xA3\xFE", "~"},         // full-width macron
        // Neighbours of the table stay two-byte characters.
        {"\xA1\xE7", "\xA1\xE7"},  // the full-width dollar sign of GBK
        {"\xA3\xA0", "\xA3\xA0"},
        {"\xA3\xFF", "\xA3\xFF"},
        {"\xA1\xA2", "\xA1\xA2"},  // ideographic comma
        {"\xA2\xA1", "\xA2\xA1"},
        {"\xD6\xD0", "\xD6\xD0"},
        {"ab\r\n", "ab\r\n"},
        // Pairs are read from the start, whatever the second byte.
        {"\x81" "A", "\x81" "A"},
        {"\x81\xA3\xA3\xA1", "\x81\xA3" "!"},
        {"\xA3\xA3\xA1", "#"},  // the lone lead byte at the end is dropped
        {"a\xB0", "a"},
        {"\xB0", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(foldToHalfWidth(c.text), c.expected) << testing::PrintToString(c.text);
}

TEST(SegmentCharacters, CutsTheFoldedTextIntoCharacters) {
    struct Case {
        std::string text;
        Texts expected;
    };
    const Case cases[] = {
        {"", {}},
        {"\xA3\xE1\xA3\xE2", {"a", "b"}},
        {"\xA1\xA1", {" "}},
        {"\xA3\xA4\xA1\xE7", {"$", "\xA1\xE7"}},
        {"\xA1\xEE\xA1\xEF", {"*", "*"}},
        {"\xD6\xD0" "a\r\n", {"\xD6\xD0", "a", "\r", "\n"}},
        {"a\xB0", {"a"}},
        {"\x81" "A", {"\x81" "A"}},
    };
    for (const auto& c : cases) {
        Text text = c.text;
        TextArray characters;
        arrayAppend(characters, "left over");
        segmentCharacters(text, characters);
        EXPECT_EQ(elements(characters), c.expected) << testing::PrintToString(c.text);
        EXPECT_EQ(text, foldToHalfWidth(c.text));
    }
}

TEST(SegmentCharacters, JoinedElementsGiveTheFoldedTextBack) {
    std::mt19937 engine(5);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int round = 0; round < 2000; ++round) {
        Text text(engine() % 64, '\0');
        for (char& c : text) c = static_cast<char>(byte(engine));
        const Text folded = foldToHalfWidth(text);
        TextArray characters;
        segmentCharacters(text, characters);
        ASSERT_EQ(text, folded);
        std::string joined;
        for (int32_t i = 1; i <= arrayCount(characters); ++i) {
            const std::string_view element = arrayAt(characters, i);
            const bool twoByte = static_cast<unsigned char>(element.front()) >= 0x80;
            ASSERT_EQ(element.size(), twoByte ? 2u : 1u);
            joined += element;
        }
        ASSERT_EQ(joined, folded);
    }
}

}  // namespace
}  // namespace nalvic
