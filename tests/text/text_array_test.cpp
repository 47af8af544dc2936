#include "text/text_array.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "array_elements.h"
#include "scan_reference.h"

namespace nalvic {
namespace {

TEST(TextArray, AppendsCopiesIncludingEmptyElements) {
    TextArray array;
    std::string text = "\xD6\xD0";
    arrayAppend(array, text);
    arrayAppend(array, "");
    arrayAppend(array, "abc");
    text = "changed";
    EXPECT_EQ(elements(array), (Texts{"\xD6\xD0", "", "abc"}));
}

TEST(TextArray, ReportsTheTwoKindsOfIndexError) {
    const auto kindOf = [](const TextArray& array, int32_t index) {
        try {
            (void)arrayAt(array, index);
        } catch (const ArrayIndexError& error) {
            return error.kind();
        }
        ADD_FAILURE() << "no error for index " << index;
        return ArrayIndexError::Kind::BelowOne;
    };
    const TextArray empty;
    EXPECT_EQ(kindOf(empty, 1), ArrayIndexError::Kind::BeyondCount);
    EXPECT_EQ(kindOf(empty, 0), ArrayIndexError::Kind::BelowOne);
    const TextArray two = arrayOf({"a", "b"});
    EXPECT_EQ(kindOf(two, -5), ArrayIndexError::Kind::BelowOne);
    EXPECT_EQ(kindOf(two, 3), ArrayIndexError::Kind::BeyondCount);
    EXPECT_EQ(arrayAt(two, 2), "b");
}

TEST(TextArray, RemoveAtShiftsLaterElementsAndIgnoresBadIndexes) {
    TextArray array = arrayOf({"a", "bb", "", "\xD6\xD0", "e"});
    arrayRemoveAt(array, 0);
    arrayRemoveAt(array, 6);
    arrayRemoveAt(array, -1);
    EXPECT_EQ(arrayCount(array), 5);
    arrayRemoveAt(array, 2);
    EXPECT_EQ(elements(array), (Texts{"a", "", "\xD6\xD0", "e"}));
    arrayRemoveAt(array, 4);
    arrayRemoveAt(array, 1);
    EXPECT_EQ(elements(array), (Texts{"", "\xD6\xD0"}));
    arrayAppend(array, "z");
    EXPECT_EQ(elements(array), (Texts{"", "\xD6\xD0", "z"}));
}

// Runs random appends and removals against a plain vector. With only one-
// and two-byte elements and front removals the array keeps its compact
// character form throughout; the other runs leave it.
void checkAgainstModel(unsigned seed, std::size_t maxLength, bool removeInside) {
    std::mt19937 engine(seed);
    TextArray array;
    std::vector<std::string> model;
    for (int step = 0; step < 6000; ++step) {
        const int action = static_cast<int>(engine() % 10);
        if (action < 6) {
            const std::size_t length = maxLength == 2 ? 1 + engine() % 2 : engine() % (maxLength + 1);
            std::string text(length, static_cast<char>('a' + step % 26));
            if (!text.empty() && engine() % 2) text[0] = '\xB0';
            arrayAppend(array, text);
            model.push_back(text);
        } else if (action < 8 && removeInside) {
            const auto index = static_cast<int32_t>(engine() % (model.size() + 2));
            arrayRemoveAt(array, index);
            if (index >= 1 && index <= static_cast<int32_t>(model.size()))
                model.erase(model.begin() + index - 1);
        } else if (action < 9) {
            const std::size_t n = engine() % 80;
            if (n == 1)
                arrayRemoveAt(array, 1);
            else
                array.removeFirst(n);
            model.erase(model.begin(), model.begin() + static_cast<std::ptrdiff_t>(std::min(n, model.size())));
        } else if (step % 1000 == 0) {
            arrayReset(array);
            model.clear();
        }
        ASSERT_EQ(arrayCount(array), static_cast<int32_t>(model.size()));
        if (step % 97 == 0) {
            ASSERT_EQ(elements(array), model) << "step " << step;
        }
    }
    EXPECT_EQ(elements(array), model);
    std::string joined;
    for (const auto& text : model) joined += text;
    EXPECT_EQ(array.joined(), joined);
}

TEST(TextArray, BehavesLikeAListUnderMixedEdits) {
    checkAgainstModel(1, 2, false);
    checkAgainstModel(2, 2, true);
    checkAgainstModel(3, 3, true);
    checkAgainstModel(4, 40, false);
}

TEST(TextArray, AppendCharactersCutsPairsAndKeepsALoneLastByte) {
    for (const bool compact : {true, false}) {
        TextArray array;
        if (!compact) arrayAppend(array, "long");
        array.appendCharacters("a\xD6\xD0\x81" "b\xB0");
        Texts expected = {"a", "\xD6\xD0", "\x81" "b", "\xB0"};
        if (!compact) expected.insert(expected.begin(), "long");
        EXPECT_EQ(elements(array), expected);
    }
}

// Element widths are kept in groups of 64: appends that start on a group's
// edge, inside a group, or at the start must all keep the earlier widths.
TEST(TextArray, BulkAppendsKeepWidthsAcrossGroupEdges) {
    std::string characters;
    Texts expected;
    for (int i = 0; i < 64; ++i) {
        const std::string character = i % 3 == 0 ? std::string("\xD6\xD0") : std::string(1, static_cast<char>('a' + i % 26));
        characters += character;
        expected.push_back(character);
    }
    for (const std::size_t head : {0u, 1u, 63u, 64u, 65u, 128u}) {
        TextArray array;
        Texts model;
        for (std::size_t i = 0; i < head; ++i) {
            arrayAppend(array, expected[i % 64]);
            model.push_back(expected[i % 64]);
        }
        array.appendCharacters(characters);
        model.insert(model.end(), expected.begin(), expected.end());
        TextArray source;
        source.appendCharacters(characters);
        std::vector<uint32_t> order(64);
        for (uint32_t i = 0; i < 64; ++i) order[i] = 63 - i;
        array.appendReordered(source, 0, order.data(), order.size());
        model.insert(model.end(), expected.rbegin(), expected.rend());
        EXPECT_EQ(elements(array), model) << head << " elements before";
    }
}

TEST(TextArray, AppendReorderedPicksFromAnyStorage) {
    const uint32_t order[] = {3, 0, 2, 1};
    for (const bool compactSource : {true, false}) {
        for (const bool compactTarget : {true, false}) {
            TextArray source = arrayOf({compactSource ? "s" : "skipped", "a", "\xD6\xD0", "c", "\x81\x40"});
            source.removeFirst(1);
            TextArray target;
            arrayAppend(target, compactTarget ? "t" : "target");
            target.appendReordered(source, 0, order, 4);
            EXPECT_EQ(elements(target), (Texts{compactTarget ? "t" : "target", "\x81\x40", "a", "c", "\xD6\xD0"}))
                << compactSource << compactTarget;
        }
    }
}

TEST(TextSplit, CutsAtLineBreaks) {
    struct Case {
        std::string text;
        Texts expected;
    };
    const Case cases[] = {
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\na", {"", "a"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"abc", {"abc"}},
        {"", {}},
        {"\r\r\n\n", {"\r", "\n"}},
        // A lead byte takes the "\r" as its second byte.
        {"\x80\r\nx", {"\x80\r\nx"}},
        {"\xD6\xD0\r\n", {"\xD6\xD0"}},
        // An incomplete last character stays in the last element.
        {"a\r\n\xD6", {"a", "\xD6"}},
        {"\xD6", {"\xD6"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(elements(textSplit(c.text, "\r\n")), c.expected) << testing::PrintToString(c.text);
}

TEST(TextSplit, AgreesWithTheByteByByteScanOnLongMixedTexts) {
    std::mt19937 engine(17);
    for (const std::string delimiter : {"\r\n", "a", "\x81\x81"}) {
        for (int round = 0; round < 12; ++round) {
            const std::string text = reference::mixedDensityText(engine, delimiter);
            ASSERT_EQ(elements(textSplit(text, delimiter)), reference::split(text, delimiter))
                << "delimiter " << testing::PrintToString(delimiter) << " round " << round;
        }
    }
}

TEST(TextSplit, PiecesCanBeEditedLikeAnyArray) {
    std::string text;
    for (int i = 0; i < 3000; ++i) text += std::to_string(i) + "\r\n";
    TextArray lines = textSplit(std::move(text), "\r\n");
    std::vector<std::string> model;
    for (int i = 0; i < 3000; ++i) model.push_back(std::to_string(i));
    for (int i = 0; i < 2000; ++i) {
        const auto index = static_cast<int32_t>(1 + (i * 7919) % model.size());
        arrayRemoveAt(lines, index);
        model.erase(model.begin() + index - 1);
        if (i % 100 == 0) {
            arrayAppend(lines, "x");
            model.emplace_back("x");
        }
    }
    lines.removeFirst(10);
    model.erase(model.begin(), model.begin() + 10);
    EXPECT_EQ(elements(lines), model);
    std::string joined;
    for (const auto& line : model) joined += line;
    EXPECT_EQ(lines.joined(), joined);
    EXPECT_EQ(lines.byteCount(), joined.size());
}

TEST(TextSplit, EmptyDelimiterGivesTheWholeText) {
    EXPECT_EQ(elements(textSplit("a\r\nb", "")), (Texts{"a\r\nb"}));
    EXPECT_EQ(elements(textSplit("", "")), Texts{});
}

TEST(TextSplit, AgreesWithTheByteByByteScanOnRandomTexts) {
    std::mt19937 engine(11);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = reference::randomText(engine, 40);
        const std::string delimiter = round % 3 == 0 ? "\r\n" : reference::randomText(engine, 3);
        const auto expected = reference::split(text, delimiter);
        ASSERT_EQ(elements(textSplit(text, delimiter)), expected)
            << "text " << testing::PrintToString(text) << " delimiter "
            << testing::PrintToString(delimiter);
        // A text handed over as an rvalue is taken over, not copied.
        ASSERT_EQ(elements(textSplit(std::string(text), delimiter)), expected);
    }
}

}  // namespace
}  // namespace nalvic
