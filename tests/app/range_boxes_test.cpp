#include <gtest/gtest.h>

#include "app/handlers.h"
#include "fake_controls.h"

namespace nalvic {
namespace {

using testing::FakeControls;

struct RangeCase {
    const char* min;
    const char* max;
    const char* box;  // the box the user changes
    const char* typed;
    int messages;
    const char* finalMin;
    const char* finalMax;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.min << "-" << c.max << " " << (std::string_view(c.box).ends_with("最小值") ? "min" : "max")
        << " '" << c.typed << "'";
}

class RangeBoxes : public ::testing::TestWithParam<RangeCase> {
protected:
    JobRunner jobs;
    FakeControls ui;
    App app{ui, jobs, "", {}};
    void SetUp() override { ui.attach(app); }
};

TEST_P(RangeBoxes, CorrectsTheChangedBox) {
    const auto& c = GetParam();
    ui.set("编辑框_最小值", c.min);
    ui.set("编辑框_最大值", c.max);
    const std::string_view other = std::string_view(c.box) == "编辑框_最小值" ? "编辑框_最大值"
                                                                              : "编辑框_最小值";
    ui.type(c.box, c.typed);
    EXPECT_EQ(ui.text("编辑框_最小值"), c.finalMin);
    EXPECT_EQ(ui.text("编辑框_最大值"), c.finalMax);
    EXPECT_EQ(ui.textChangedCount(other), 0) << "the other box is never written";
    ASSERT_EQ(static_cast<int>(ui.messages().size()), c.messages);
    for (const auto& shown : ui.messages()) {
        EXPECT_EQ(shown.text, "区间值不能为负数或为0！");
        EXPECT_EQ(shown.title, "信息：");
    }
}

INSTANTIATE_TEST_SUITE_P(
    , RangeBoxes,
    ::testing::Values(RangeCase{"1", "2", "编辑框_最小值", "3", 1, "1", "2"},
                      RangeCase{"1", "2", "编辑框_最小值", "2", 1, "1", "2"},
                      RangeCase{"1", "2", "编辑框_最小值", "", 0, "1", "2"},
                      RangeCase{"1", "2", "编辑框_最小值", "0", 0, "1", "2"},
                      RangeCase{"1", "2", "编辑框_最小值", "-", 0, "1", "2"},
                      RangeCase{"1", "2", "编辑框_最大值", "", 0, "1", "2"},
                      RangeCase{"1", "2", "编辑框_最大值", "1", 0, "1", "2"},
                      RangeCase{"5", "9", "编辑框_最大值", "3", 1, "5", "6"},
                      RangeCase{"5", "9", "编辑框_最大值", "5", 1, "5", "6"},
                      RangeCase{"2", "3", "编辑框_最大值", "1", 1, "2", "3"},
                      RangeCase{"1", "2", "编辑框_最大值", "20", 0, "1", "20"},
                      RangeCase{"1", "2", "编辑框_最大值", "abc", 0, "1", "2"},
                      RangeCase{"1", "2", "编辑框_最大值", "\xA3\xB3", 0, "1", "\xA3\xB3"},
                      RangeCase{"3", "9", "编辑框_最小值", "-7", 0, "1", "9"}));

TEST(RangeBoxesOrder, MaximumShowsTwoBeforeTheMessageThenMinimumPlusOne) {
    JobRunner jobs;
    FakeControls ui;
    App app{ui, jobs, "", {}};
    ui.attach(app);
    ui.set("编辑框_最小值", "2");
    ui.set("编辑框_最大值", "3");
    Text atMessage;
    ui.onMessage = [&](const testing::ShownMessage&) { atMessage = ui.text("编辑框_最大值"); };
    ui.type("编辑框_最大值", "1");
    EXPECT_EQ(atMessage, "2");
    EXPECT_EQ(ui.text("编辑框_最大值"), "3");
}

}  // namespace
}  // namespace nalvic
