#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "job_fixture.h"
#include "text/text_array.h"

namespace nalvic {
namespace {

constexpr std::string_view kSource = "编辑框_打乱原文本";
constexpr std::string_view kCount = "编辑框_输出条数";
constexpr std::string_view kMin = "编辑框_最小值";
constexpr std::string_view kMax = "编辑框_最大值";
constexpr std::string_view kFixed = "编辑框_固定词个数";
constexpr std::string_view kResult = "编辑框_随机组词文本";
constexpr std::string_view kButton = "按钮_随机组词";

class RandomWordsJob : public testing::JobFixture {
protected:
    // Sets the boxes (the fixed length or the random bounds, after the mode)
    // and generates.
    Text generate(std::string_view source, std::string_view count) {
        ui.set(kSource, source);
        ui.set(kCount, count);
        ui.click(kButton);
        EXPECT_TRUE(runUntilEnabled(kButton));
        return ui.text(kResult);
    }

    void randomLength(std::string_view low, std::string_view high) {
        ui.click("单选框_随机词位数");
        ui.set(kMin, low);
        ui.set(kMax, high);
    }

    void startAndShutDown(std::string_view source, std::string_view count) {
        ui.set(kSource, source);
        ui.set(kCount, count);
        ui.click(kButton);
        ui.runUntil([] { return false; }, std::chrono::milliseconds(50));
        EXPECT_LT(closeAndShutDown(), testing::promptShutdown);
        ui.processEvents();
        EXPECT_EQ(ui.text(kResult), "");
    }

    static std::vector<std::string> lines(const Text& result) {
        EXPECT_TRUE(result.empty() || result.ends_with("\r\n"));
        const TextArray split = textSplit(result, "\r\n");
        std::vector<std::string> out;
        for (int i = 0; i < split.count(); ++i) out.emplace_back(split[static_cast<std::size_t>(i)]);
        return out;
    }
};

TEST_F(RandomWordsJob, FixedLengthWordsFromThePool) {
    const Text result = generate("ab", "3");
    ASSERT_EQ(result.size(), 12u);
    for (const auto& word : lines(result))
        EXPECT_TRUE(word.size() == 2 && word.find_first_not_of("ab") == std::string::npos) << word;

    ui.set(kFixed, "4");
    EXPECT_EQ(generate("x", "2"), "xxxx\r\nxxxx\r\n");
    EXPECT_EQ(ui.progressMaximum(), 2);
    EXPECT_EQ(ui.progressPosition(), 2);
    EXPECT_TRUE(ui.messages().empty());
}

// The result reaches the box in several hand-overs when it is large; it must
// arrive whole, a single very long word included.
TEST_F(RandomWordsJob, LargeResultsArriveWhole) {
    ui.set(kFixed, "300000");
    const Text longWord(300000, 'x');
    EXPECT_EQ(generate("x", "2"), longWord + "\r\n" + longWord + "\r\n");

    ui.set(kFixed, "1");
    ui.set(kResult, "typed");
    const Text many = generate("y", "20000");
    EXPECT_EQ(many.size(), 60000u);
    EXPECT_EQ(many.find_first_not_of("y\r\n"), Text::npos);
}

TEST_F(RandomWordsJob, WordsAreMadeOfWholeFoldedCharacters) {
    ui.set(kFixed, "3");
    for (const auto& word : lines(generate("\xA3\xE1\xA3\xE2", "20")))  // full-width "ab"
        EXPECT_TRUE(word.size() == 3 && word.find_first_not_of("ab") == std::string::npos) << word;
    const std::set<std::string> chinese{"\xD6\xD0", "\xCE\xC4"};
    for (const auto& word : lines(generate("\xD6\xD0\xCE\xC4", "20"))) {
        ASSERT_EQ(word.size(), 6u);
        for (std::size_t i = 0; i < 6; i += 2) EXPECT_TRUE(chinese.contains(word.substr(i, 2))) << word;
    }
}

TEST_F(RandomWordsJob, RandomLengthStaysWithinTheBounds) {
    randomLength("3", "3");
    for (const auto& word : lines(generate("abc", "50"))) EXPECT_EQ(word.size(), 3u) << word;
    EXPECT_EQ(ui.progressPosition(), 50);

    randomLength("1", "2");
    std::set<std::size_t> sizes;
    for (const auto& word : lines(generate("abc", "200"))) sizes.insert(word.size());
    EXPECT_EQ(sizes, (std::set<std::size_t>{1, 2}));
}

TEST_F(RandomWordsJob, ProgressFollowsTheWordCount) {
    randomLength("1", "1");
    generate("a", "40000");
    EXPECT_EQ(ui.progressMaximum(), 32767);
    EXPECT_EQ(ui.progressPosition(), 32767);

    // No words: the segmentation stage leaves the bar at 0 and the maximum
    // becomes 0, in either mode.
    for (const char* count : {"0", "", "-3", "abc"}) {
        SCOPED_TRACE(count);
        ui.setProgressPosition("进度条_打乱重排", 9);
        EXPECT_EQ(generate("a", count), "");
        EXPECT_EQ(ui.progressMaximum(), 0);
        EXPECT_EQ(ui.progressPosition(), 0);
    }
    ui.click("单选框_固定词位数");
    ui.setProgressPosition("进度条_打乱重排", 9);
    EXPECT_EQ(generate("a", "0"), "");
    EXPECT_EQ(ui.progressPosition(), 0);
}

TEST_F(RandomWordsJob, EmptyPoolMakesNoWordsAndSaysWhy) {
    ui.set(kResult, "typed");
    EXPECT_EQ(generate("", "3"), "");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "原文本为空，无法随机组词。");
    EXPECT_EQ(ui.messages()[0].title, "提示信息");
    EXPECT_TRUE(ui.enabled("按钮_打乱"));

    randomLength("1", "2");
    EXPECT_EQ(generate("\xB0", "3"), "");  // folds to nothing
    EXPECT_EQ(ui.messages().size(), 2u);
}

TEST_F(RandomWordsJob, ZeroLengthGivesBareLinesEvenFromAnEmptyPool) {
    ui.set(kFixed, "0");
    EXPECT_EQ(generate("", "2"), "\r\n\r\n");
    randomLength("-4", "0");
    EXPECT_EQ(generate("", "3"), "\r\n\r\n\r\n");
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(RandomWordsJob, DeduplicationKeepsEveryWordOnceAndGivesUp) {
    app.state.dedupeWords = 1;
    // Only four distinct words of two characters exist in "ab".
    const auto few = lines(generate("ab", "1000"));
    EXPECT_EQ(std::set<std::string>(few.begin(), few.end()),
              (std::set<std::string>{"aa", "ab", "ba", "bb"}));
    EXPECT_EQ(few.size(), 4u);

    randomLength("1", "3");
    const auto many = lines(generate("abcdefghijklmnopqrstuvwxyz", "2000"));
    EXPECT_EQ(many.size(), 2000u);
    EXPECT_EQ(std::set<std::string>(many.begin(), many.end()).size(), 2000u);

    app.state.dedupeWords = 0;
    EXPECT_EQ(lines(generate("ab", "1000")).size(), 1000u);
}

TEST_F(RandomWordsJob, DeduplicationIsTakenAtTheStartOfAGeneration) {
    ui.set(kFixed, "1");
    ui.set(kSource, "a");
    ui.set(kCount, "5");
    ui.click(kButton);
    app.state.dedupeWords = 1;  // after the click, before the generation stage runs
    ASSERT_TRUE(runUntilEnabled(kButton));
    EXPECT_EQ(ui.text(kResult), "a\r\n");
}

TEST_F(RandomWordsJob, NewBoundsApplyToTheWordsMadeAfterThem) {
    randomLength("1", "1");
    ui.set(kSource, "x");
    const int count = testing::bySpeed(3'000'000, 150'000);
    ui.set(kCount, std::to_string(count));
    ui.click(kButton);
    ASSERT_TRUE(ui.runUntil([&] { return ui.progressPosition() > 0; }));
    ASSERT_FALSE(ui.enabled(kButton)) << "the job ended before the change";
    ui.set(kMax, "2");
    ui.set(kMin, "2");
    ASSERT_TRUE(runUntilEnabled(kButton));

    const auto words = lines(ui.text(kResult));
    ASSERT_EQ(words.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(words.front(), "x");
    EXPECT_EQ(words.back(), "xx");
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));  // all "x", then all "xx"
}

// Endless jobs, very many words or one very long word: a shutdown ends them
// quickly, and nothing more reaches the window.
TEST_F(RandomWordsJob, ShutdownDuringVeryManyWords) {
    ui.set(kFixed, "1");
    startAndShutDown("x", "2000000000");
}

TEST_F(RandomWordsJob, ShutdownDuringOneVeryLongWord) {
    ui.set(kFixed, "2000000000");
    startAndShutDown("x", "1");
}

}  // namespace
}  // namespace nalvic
