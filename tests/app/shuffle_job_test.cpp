#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>

#include "job_fixture.h"
#include "text/characters.h"
#include "text/shuffle.h"

namespace nalvic {
namespace {

constexpr std::string_view kSource = "编辑框_打乱原文本";
constexpr std::string_view kResult = "编辑框_打乱重排文本";
constexpr std::string_view kButton = "按钮_打乱";
constexpr std::string_view kWordsButton = "按钮_随机组词";

class ShuffleJob : public testing::JobFixture {
protected:
    Text shuffle(std::string_view source) {
        ui.set(kSource, source);
        ui.click(kButton);
        EXPECT_TRUE(runUntilEnabled(kButton));
        return ui.text(kResult);
    }

    // n one-byte characters cycling through the printable ASCII range.
    static Text cycling(int n) {
        Text text;
        for (int i = 0; i < n; ++i) text += static_cast<char>(0x21 + i % 94);
        return text;
    }

    static Text sorted(Text text) {
        std::sort(text.begin(), text.end());
        return text;
    }
};

TEST_F(ShuffleJob, ShufflesTheSameTextTheSameWay) {
    const struct {
        const char* source;
        const char* expected;
    } cases[] = {
        {"x", "x"},
        {"abcd", "bdac"},
        {"abcdefgh", "bcgaefdh"},
        {"\xA3\xE1\xA3\xE2", "ba"},  // full-width letters come out half width
        {"a\xB0", "a"},              // a lone lead byte at the end is gone
        {"\xD6\xD0" "a", "a\xD6\xD0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(shuffle(c.source), c.expected);
        EXPECT_EQ(shuffle(c.source), c.expected) << "second press";
        EXPECT_EQ(ui.text(kSource), c.source);
    }
}

TEST_F(ShuffleJob, CharactersNeverLeaveTheirBlockOf3000) {
    for (int n : {3000, 3001, 7000}) {
        SCOPED_TRACE(n);
        const Text source = cycling(n);
        const Text result = shuffle(source);
        ASSERT_EQ(result.size(), source.size());
        EXPECT_NE(result.substr(0, 3000), source.substr(0, 3000));
        for (int start = 0; start < n; start += 3000)
            EXPECT_EQ(sorted(result.substr(start, 3000)), sorted(source.substr(start, 3000)))
                << "block at " << start;
    }
}

// A large result reaches the box in several hand-overs; together they must
// give exactly what the engine makes of the text on a fresh thread.
TEST_F(ShuffleJob, LargeTextWithLineBreaksArrivesWhole) {
    Text source;
    for (int i = 0; source.size() < 2'000'000; ++i) {
        source += cycling(i % 40);
        source += i % 7 == 0 ? "\xB0\n\xD6\xD0" : "\r\n";  // a lead byte before a line feed
    }
    Text expected;
    std::thread([&] {
        Text folded = source;
        TextArray chars;
        TextArray shuffled;
        segmentCharacters(folded, chars);
        shuffleAllBlocks(chars, shuffled);
        expected = joinElements(shuffled);
    }).join();
    ui.set(kResult, "old");
    EXPECT_EQ(shuffle(source), expected);
}

TEST_F(ShuffleJob, ListsAndProgressAfterAShuffle) {
    shuffle("ab\r\n");
    EXPECT_EQ(ui.progressMaximum(), 4);
    EXPECT_EQ(ui.progressPosition(), 4);
    EXPECT_EQ(arrayCount(app.state.charList), 0);
    EXPECT_EQ(arrayCount(app.state.shuffledList), 4);

    // An empty source sets the maximum to 0 and writes no position.
    ui.set(kResult, "old");
    EXPECT_EQ(shuffle(""), "");
    EXPECT_EQ(ui.progressMaximum(), 0);
    EXPECT_EQ(ui.progressPosition(), 4);
    EXPECT_EQ(arrayCount(app.state.shuffledList), 0);

    // More elements than the bar holds: it ends full.
    shuffle(cycling(40000));
    EXPECT_EQ(ui.progressMaximum(), 32767);
    EXPECT_EQ(ui.progressPosition(), 32767);
}

TEST_F(ShuffleJob, HoldsBothCharacterButtonsUntilTheLastStageEnds) {
    ui.set(kSource, "abcd");
    ui.click(kButton);
    EXPECT_FALSE(ui.enabled(kButton));
    EXPECT_FALSE(ui.enabled(kWordsButton));
    EXPECT_TRUE(ui.enabled("按钮_插入文本"));
    ui.click(kWordsButton);  // refused while the shuffle uses the lists
    ASSERT_TRUE(runUntilEnabled(kButton));
    EXPECT_TRUE(ui.enabled(kWordsButton));
    EXPECT_EQ(ui.text(kResult), "bdac");
    EXPECT_EQ(ui.text("编辑框_随机组词文本"), "");
}

TEST_F(ShuffleJob, ButtonsAreEnabledAgainWhenTheJobCannotStart) {
    jobs.shutdown();
    ui.click(kButton);
    EXPECT_TRUE(ui.enabled(kButton));
    EXPECT_TRUE(ui.enabled(kWordsButton));
}

TEST_F(ShuffleJob, ShutdownInTheMiddleEndsQuicklyAndWritesNothing) {
    ui.set(kSource, cycling(testing::bySpeed(4'000'000, 500'000)));
    ui.click(kButton);
    // Serve the read of the source; the stages then work on their own.
    ui.runUntil([] { return false; }, std::chrono::milliseconds(20));
    EXPECT_LT(closeAndShutDown(), testing::promptShutdown);
    ui.processEvents();
    EXPECT_EQ(ui.text(kResult), "");
}

}  // namespace
}  // namespace nalvic
