#include <gtest/gtest.h>

#include <string>

#include "job_fixture.h"
#include "text/text_array.h"

namespace nalvic {
namespace {

constexpr std::string_view kSource = "编辑框_插入文本原文本";
constexpr std::string_view kPrefix = "编辑框_前缀";
constexpr std::string_view kSuffix = "编辑框_后缀";
constexpr std::string_view kResult = "编辑框_插入文本改后文本";
constexpr std::string_view kButton = "按钮_插入文本";

class InsertJob : public testing::JobFixture {
protected:
    Text insert(std::string_view source, int32_t multiLine, std::string_view prefix = "[",
                std::string_view suffix = "]") {
        app.state.multiLineMode = multiLine;
        ui.set(kSource, source);
        ui.set(kPrefix, prefix);
        ui.set(kSuffix, suffix);
        ui.click(kButton);
        EXPECT_TRUE(runUntilEnabled(kButton));
        return ui.text(kResult);
    }

    // Many short lines "0".."n-1", enough for the result to arrive in
    // several appends.
    static Text manyLines(int n) {
        Text text;
        for (int i = 0; i < n; ++i) text += std::to_string(i) + "\r\n";
        return text;
    }
};

struct Case {
    const char* source;
    int32_t multiLine;
    const char* prefix;
    const char* suffix;
    const char* expected;
};

TEST_F(InsertJob, ProducesTheAffixedText) {
    const Case cases[] = {
        {"a\r\nb", 1, "[", "]", "[a]\r\n[b]\r\n"},
        {"a\r\nb\r\n", 1, "[", "]", "[a]\r\n[b]\r\n"},
        {"a\r\n\r\nb", 1, "[", "]", "[a]\r\n[]\r\n[b]\r\n"},
        {"\r\n", 1, "[", "]", "[]\r\n"},
        {"", 1, "[", "]", ""},
        {"abc", 1, "[", "]", "[abc]\r\n"},
        {"\xD6\xD0\r\n\xCE\xC4", 1, "<", "\xA1\xA1", "<\xD6\xD0\xA1\xA1\r\n<\xCE\xC4\xA1\xA1\r\n"},
        {"a\r\nb", 0, "[", "]", "[a\r\nb]"},
        {"", 0, "[", "]", "[]"},
        {"", 0, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.source) + " mode " + std::to_string(c.multiLine));
        ui.set(kResult, "old");
        EXPECT_EQ(insert(c.source, c.multiLine, c.prefix, c.suffix), c.expected);
    }
}

TEST_F(InsertJob, ButtonIsDisabledWhileTheJobRuns) {
    ui.set(kSource, "a");
    ui.click(kButton);
    EXPECT_FALSE(ui.enabled(kButton));
    ui.click(kButton);  // refused: a second job would write into the same box
    ASSERT_TRUE(runUntilEnabled(kButton));
    EXPECT_EQ(ui.text(kResult), "a");
    EXPECT_TRUE(ui.enabled("按钮_打乱"));
}

TEST_F(InsertJob, ButtonIsEnabledAgainWhenTheJobCannotStart) {
    jobs.shutdown();
    ui.click(kButton);
    EXPECT_TRUE(ui.enabled(kButton));
}

TEST_F(InsertJob, LargeSourceGivesEveryLineInOrder) {
    const int n = testing::bySpeed(200000, 50000);
    const Text source = manyLines(n);
    Text expected;
    for (int i = 0; i < n; ++i) expected += "<" + std::to_string(i) + ">\r\n";
    EXPECT_EQ(insert(source, 1, "<", ">"), expected);
}

// While the result grows, text the user puts into the result box stays in
// front of the lines added after it, and a new prefix applies to the lines
// made after the change.
TEST_F(InsertJob, UserEditsDuringTheJobApplyToTheLinesAfterThem) {
    const int n = testing::bySpeed(400000, 100000);
    app.state.multiLineMode = 1;
    ui.set(kSource, manyLines(n));
    ui.set(kPrefix, "old:");
    ui.click(kButton);
    ASSERT_TRUE(ui.runUntil([&] { return !ui.text(kResult).empty(); }));
    ASSERT_FALSE(ui.enabled(kButton)) << "the job ended before the edit";
    ui.type(kResult, "USER\r\n");
    ui.type(kPrefix, "new:");
    ASSERT_TRUE(runUntilEnabled(kButton));

    // After the user's text: the lines made after the edit, in order, first
    // with the old prefix (made before the job saw the change), then the new.
    const Text& result = ui.text(kResult);
    ASSERT_TRUE(result.starts_with("USER\r\n"));
    const TextArray lines = textSplit(std::string_view(result).substr(6), "\r\n");
    ASSERT_GT(lines.count(), 0);
    const int first = n - lines.count();
    EXPECT_GT(first, 0);
    bool sawNew = false;
    for (int i = 0; i < lines.count(); ++i) {
        const std::string_view line = lines[static_cast<std::size_t>(i)];
        const bool isNew = line.starts_with("new:");
        ASSERT_TRUE(isNew || (!sawNew && line.starts_with("old:"))) << line;
        sawNew = sawNew || isNew;
        ASSERT_EQ(line.substr(4), std::to_string(first + i));
    }
    EXPECT_TRUE(sawNew);
}

TEST_F(InsertJob, ShutdownInTheMiddleStopsWritingIntoTheWindow) {
    app.state.multiLineMode = 1;
    ui.set(kSource, manyLines(testing::bySpeed(400000, 100000)));
    ui.click(kButton);
    ASSERT_TRUE(ui.runUntil([&] { return !ui.text(kResult).empty(); }));
    const Text atClose = ui.text(kResult);
    EXPECT_LT(closeAndShutDown(), testing::promptShutdown);
    ui.processEvents();
    EXPECT_EQ(ui.text(kResult), atClose);
}

}  // namespace
}  // namespace nalvic
