#include "text/shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/characters.h"
#include "text/random.h"

#include "array_elements.h"

namespace nalvic {
namespace {

// Distinct one- and two-byte elements, so that every move is visible.
Texts distinctCharacters(int count) {
    Texts out;
    for (int i = 0; i < count; ++i) {
        if (i < 90)
            out.emplace_back(1, static_cast<char>(0x21 + i));
        else
            out.push_back({static_cast<char>(0x81 + (i - 90) / 190), static_cast<char>(0x40 + (i - 90) % 190)});
    }
    return out;
}

// One block as literally as it can be written: draw, copy, remove from a
// list that shifts. The list holds indexes, which shift fast even in
// sanitizer builds.
void shuffleByShiftingList(std::vector<std::size_t>& list, std::size_t k, const Texts& texts, Texts& out) {
    for (std::size_t n = k; n >= 1; --n) {
        const auto c = static_cast<std::size_t>(randomInRange(1, static_cast<int32_t>(n)));
        out.push_back(texts[list[c - 1]]);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(c) - 1);
    }
}

Texts shuffledByShiftingList(const Texts& texts) {
    std::vector<std::size_t> list(texts.size());
    for (std::size_t i = 0; i < list.size(); ++i) list[i] = i;
    Texts out;
    while (list.size() > static_cast<std::size_t>(shuffleBlockSize))
        shuffleByShiftingList(list, shuffleBlockSize, texts, out);
    shuffleByShiftingList(list, list.size(), texts, out);
    return out;
}

Text shuffleText(const Text& source) {
    Text text = source;
    TextArray characters;
    TextArray shuffled;
    segmentCharacters(text, characters);
    shuffleAllBlocks(characters, shuffled);
    EXPECT_EQ(arrayCount(characters), 0);
    return joinElements(shuffled);
}

TEST(Shuffle, KnownArrangementsFromStateOne) {
    seedRandom(1);
    EXPECT_EQ(shuffleText("abcd"), "bdac");
    seedRandom(1);
    EXPECT_EQ(shuffleText("abcdefgh"), "bcgaefdh");
    seedRandom(1);
    EXPECT_EQ(shuffleText(""), "");
    EXPECT_EQ(shuffleText("\xA3\xE1"), "a");
    EXPECT_EQ(shuffleText("x\xB0"), "x");
}

TEST(Shuffle, DrawsExactlyAsTheShiftingList) {
    // Targets that already hold a character or a longer text, sources of
    // characters or of longer texts: every way the lists may be stored.
    for (const std::string kept : {"", "k", "kept"}) {
        for (const bool longElements : {false, true}) {
            for (const int count : {2, 3, 17, 2999, 3000, 3001, 7000, 9001}) {
                Texts source = distinctCharacters(count);
                if (longElements) source.front() = "long";
                seedRandom(1);
                const Texts expected = shuffledByShiftingList(source);
                const int32_t nextDrawExpected = randomInRange(0, 32767);

                TextArray from = arrayOf(source);
                TextArray to;
                if (!kept.empty()) arrayAppend(to, kept);
                seedRandom(1);
                shuffleAllBlocks(from, to);
                Texts got = elements(to);
                if (!kept.empty()) {
                    ASSERT_EQ(got.front(), kept);
                    got.erase(got.begin());
                }
                ASSERT_EQ(got, expected) << count << " characters after '" << kept << "'";
                // The same number of generator steps was spent.
                EXPECT_EQ(randomInRange(0, 32767), nextDrawExpected) << count << " characters";
            }
        }
    }
}

TEST(ShuffleBlock, DrawsExactlyForLargeBlocks) {
    for (const int count : {4095, 4096, 4097, 10000}) {
        const Texts source = distinctCharacters(count + 5);
        seedRandom(7);
        Texts expected;
        std::vector<std::size_t> list(source.size());
        for (std::size_t i = 0; i < list.size(); ++i) list[i] = i;
        shuffleByShiftingList(list, static_cast<std::size_t>(count), source, expected);
        TextArray from = arrayOf(source);
        TextArray to;
        seedRandom(7);
        shuffleBlock(from, to, count);
        EXPECT_EQ(elements(to), expected) << count;
        EXPECT_EQ(elements(from), Texts(source.end() - 5, source.end()));
    }
}

TEST(Shuffle, EveryBlockKeepsItsCharacters) {
    const Texts source = distinctCharacters(7000);
    TextArray from = arrayOf(source);
    TextArray to;
    seedRandom(1);
    shuffleAllBlocks(from, to);
    const Texts got = elements(to);
    ASSERT_EQ(got.size(), source.size());
    for (std::size_t begin = 0; begin < source.size(); begin += shuffleBlockSize) {
        const auto end = std::min(source.size(), begin + shuffleBlockSize);
        Texts before(source.begin() + static_cast<std::ptrdiff_t>(begin), source.begin() + static_cast<std::ptrdiff_t>(end));
        Texts after(got.begin() + static_cast<std::ptrdiff_t>(begin), got.begin() + static_cast<std::ptrdiff_t>(end));
        EXPECT_NE(before, after) << "block at " << begin << " was not shuffled";
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(before, after) << "block at " << begin;
    }
}

TEST(Shuffle, ALoneLastCharacterStaysLast) {
    const Texts source = distinctCharacters(3001);
    TextArray from = arrayOf(source);
    TextArray to;
    shuffleAllBlocks(from, to);
    EXPECT_EQ(arrayAt(to, 3001), source.back());
}

TEST(ShuffleBlock, MovesOnlyTheFirstKElements) {
    TextArray from = arrayOf({"a", "b", "c", "d", "e"});
    TextArray to;
    shuffleBlock(from, to, 3);
    EXPECT_EQ(elements(from), (Texts{"d", "e"}));
    Texts moved = elements(to);
    std::sort(moved.begin(), moved.end());
    EXPECT_EQ(moved, (Texts{"a", "b", "c"}));
    // A count beyond what is there takes what is there.
    shuffleBlock(from, to, 10);
    EXPECT_EQ(arrayCount(from), 0);
    EXPECT_EQ(arrayCount(to), 5);
    shuffleBlock(from, to, -1);
    EXPECT_EQ(arrayCount(to), 5);
}

TEST(JoinElements, ConcatenatesInOrder) {
    EXPECT_EQ(joinElements(TextArray{}), "");
    EXPECT_EQ(joinElements(arrayOf({"\xD6\xD0", "", "\r", "\n"})), "\xD6\xD0\r\n");
}

}  // namespace
}  // namespace nalvic
