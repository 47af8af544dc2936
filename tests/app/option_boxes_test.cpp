#include <gtest/gtest.h>

#include "app/handlers.h"
#include "fake_controls.h"

namespace nalvic {
namespace {

using testing::FakeControls;

struct OptionBox {
    std::string_view box;
    std::atomic<int32_t> AppState::*flag;
    std::string_view message;
};

void PrintTo(const OptionBox& box, std::ostream* os) { *os << box.box; }

class OptionBoxes : public ::testing::TestWithParam<OptionBox> {
protected:
    JobRunner jobs;
    FakeControls ui;
    App app{ui, jobs, "", {}};
    void SetUp() override { ui.attach(app); }
    int32_t flag() { return (app.state.*GetParam().flag).load(); }
};

TEST_P(OptionBoxes, TickingSetsTheFlagAndExplainsEveryTime) {
    const auto& box = GetParam();
    EXPECT_EQ(flag(), 0);
    ui.click(box.box);
    EXPECT_EQ(flag(), 1);
    ui.click(box.box);
    EXPECT_EQ(flag(), 0);
    ui.click(box.box);
    EXPECT_EQ(flag(), 1);
    ASSERT_EQ(ui.messages().size(), 2u);
    for (const auto& shown : ui.messages()) {
        EXPECT_EQ(shown.text, box.message);
        EXPECT_EQ(shown.title, "提示信息");
    }
}

TEST_P(OptionBoxes, FlagIsSetBeforeTheMessageIsShown) {
    int32_t seen = -1;
    ui.onMessage = [&](const testing::ShownMessage&) { seen = flag(); };
    ui.click(GetParam().box);
    EXPECT_EQ(seen, 1);
}

INSTANTIATE_TEST_SUITE_P(
    , OptionBoxes,
    ::testing::Values(
        OptionBox{"选择框_多文本", &AppState::multiLineMode,
                  "原文本通过多行设置来批量添加前后缀内容。每一个换行为一个文本，不选中则默认原文本为单文本"},
        OptionBox{"选择框_去重", &AppState::dedupeWords,
                  "对生成词语进行去重操作，会影响生成词语的速度"}));

}  // namespace
}  // namespace nalvic
