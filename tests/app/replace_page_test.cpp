#include <gtest/gtest.h>

#include "app/handlers.h"
#include "fake_controls.h"

namespace nalvic {
namespace {

using testing::FakeControls;

struct ReplacePage : ::testing::Test {
    JobRunner jobs;
    FakeControls ui;
    App app{ui, jobs, "", {}};
    void SetUp() override { ui.attach(app); }

    Text replace(std::string_view source, std::string_view find, std::string_view replacement) {
        ui.set("编辑框_原文本", source);
        ui.set("编辑框_被替换文本", find);
        ui.set("编辑框_用于替换文本", replacement);
        ui.click("按钮_替换");
        return ui.text("编辑框_改后文本");
    }
};

TEST_F(ReplacePage, MatchesCaseSensitivelyUntilTheBoxIsTicked) {
    EXPECT_EQ(replace("Hello HELLO hello", "hello", "X"), "Hello HELLO X");
    ui.click("选择框_忽略大小写");
    EXPECT_EQ(app.state.caseSensitive, 0);
    EXPECT_EQ(replace("Hello HELLO hello", "hello", "X"), "X X X");
    ui.click("选择框_忽略大小写");
    EXPECT_EQ(app.state.caseSensitive, 1);
    EXPECT_EQ(replace("ABC", "abc", "x"), "ABC");
}

TEST_F(ReplacePage, ResultBoxIsEmptiedFirstThenHoldsTheResult) {
    ui.set("编辑框_改后文本", "old");
    EXPECT_EQ(replace("a-b-c", "-", ""), "abc");
    // One change for the emptying write, one for the result.
    EXPECT_EQ(ui.textChangedCount("编辑框_改后文本"), 2);
    EXPECT_EQ(ui.text("编辑框_原文本"), "a-b-c");
}

TEST_F(ReplacePage, TickingTheBoxRunsNoReplacement) {
    ui.set("编辑框_原文本", "a");
    ui.set("编辑框_被替换文本", "a");
    ui.click("选择框_忽略大小写");
    EXPECT_EQ(ui.textChangedCount("编辑框_改后文本"), 0);
    EXPECT_TRUE(ui.messages().empty());
}

}  // namespace
}  // namespace nalvic
