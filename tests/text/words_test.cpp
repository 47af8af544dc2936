#include "text/words.h"

#include <gtest/gtest.h>

#include <string>

#include "text/random.h"

namespace nalvic {
namespace {

TextArray arrayOf(std::initializer_list<std::string_view> texts) {
    TextArray array;
    for (const auto text : texts) arrayAppend(array, text);
    return array;
}

TEST(ComposeWord, DrawsEachCharacterFromTheWholePool) {
    const TextArray pool = arrayOf({"a", "\xD6\xD0", "c"});
    seedRandom(1);
    // Indexes 1 + r mod 3 for the raw outputs 41, 18467, 6334, 26500: 3, 3, 2, 2.
    EXPECT_EQ(composeWord(pool, 4, 3), "cc\xD6\xD0\xD6\xD0");
    seedRandom(3);
    const Text expected = [&] {
        Text word;
        for (int i = 0; i < 5; ++i) word += arrayAt(pool, randomInRange(1, 3));
        return word;
    }();
    seedRandom(3);
    EXPECT_EQ(composeWord(pool, 5, 3), expected);
}

TEST(ComposeWord, SpendsNoDrawWhereNoneIsNeeded) {
    const TextArray single = arrayOf({"x"});
    for (const int32_t length : {0, -3}) {
        seedRandom(1);
        EXPECT_EQ(composeWord(single, length, 1), "");
        EXPECT_EQ(randomInRange(0, 32767), 41) << length;
    }
    seedRandom(1);
    EXPECT_EQ(composeWord(single, 4, 1), "xxxx");
    EXPECT_EQ(randomInRange(0, 32767), 41);  // a pool of one needs no step
}

TEST(ComposeWord, AnEmptyPoolIsAnIndexError) {
    EXPECT_THROW((void)composeWord(TextArray{}, 1, 0), ArrayIndexError);
    EXPECT_EQ(composeWord(TextArray{}, 0, 0), "");
}

TEST(AppendAffixedLine, AddsPrefixSuffixAndLineBreak) {
    Text out = "kept";
    appendAffixedLine(out, "[", "a", "]");
    appendAffixedLine(out, "[", "", "]");
    appendAffixedLine(out, "", "\xD6\xD0", "");
    EXPECT_EQ(out, "kept[a]\r\n[]\r\n\xD6\xD0\r\n");
}

}  // namespace
}  // namespace nalvic
