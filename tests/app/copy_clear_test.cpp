#include <gtest/gtest.h>

#include <set>

#include "app/bindings.h"
#include "app/handlers.h"
#include "fake_controls.h"

namespace nalvic {
namespace {

using testing::FakeControls;

struct CopyClear : ::testing::Test {
    JobRunner jobs;
    FakeControls ui;
    App app{ui, jobs, "", {}};
    void SetUp() override { ui.attach(app); }
};

const std::vector<std::string_view> kAllBoxes = {
    "编辑框_原文本", "编辑框_被替换文本", "编辑框_用于替换文本", "编辑框_改后文本",
    "编辑框_插入文本原文本", "编辑框_前缀", "编辑框_后缀", "编辑框_插入文本改后文本",
    "编辑框_打乱原文本", "编辑框_打乱重排文本", "编辑框_随机组词文本",
    "编辑框_备用框1", "编辑框_备用框2", "编辑框_备用框3", "编辑框_备用框4", "编辑框_备用框5",
    "编辑框_备用框6", "编辑框_备用框7", "编辑框_备用框8", "编辑框_备用框9"};

struct ClearCase {
    std::string_view button;
    std::set<std::string_view> emptied;
    bool resetsProgress;
};

const std::vector<ClearCase> kClears = {
    {"按钮_清空原文本", {"编辑框_原文本"}, false},
    {"按钮_清空被替换文本", {"编辑框_被替换文本"}, false},
    {"按钮_清空用于替换文本", {"编辑框_用于替换文本"}, false},
    {"按钮_清空改后文本", {"编辑框_改后文本"}, false},
    {"按钮_全部清空", {"编辑框_原文本", "编辑框_被替换文本", "编辑框_用于替换文本", "编辑框_改后文本"}, false},
    {"按钮_清空插入文本原文本", {"编辑框_插入文本原文本"}, false},
    {"按钮_清空前缀文本", {"编辑框_前缀"}, false},
    {"按钮_清空后缀文本", {"编辑框_后缀"}, false},
    {"按钮_清空插入文本改后文本", {"编辑框_插入文本改后文本"}, false},
    {"按钮_插入文本_全部清空",
     {"编辑框_插入文本原文本", "编辑框_插入文本改后文本", "编辑框_前缀", "编辑框_后缀"}, false},
    {"按钮_清空打乱原文本", {"编辑框_打乱原文本"}, false},
    {"按钮_清空打乱文本", {"编辑框_打乱重排文本"}, true},
    {"按钮_清空随机组词", {"编辑框_随机组词文本"}, true},
    {"按钮_清空备用框1", {"编辑框_备用框1"}, false},
    {"按钮_清空备用框2", {"编辑框_备用框2"}, false},
    {"按钮_清空备用框3", {"编辑框_备用框3"}, false},
    {"按钮_清空备用框4", {"编辑框_备用框4"}, false},
    {"按钮_清空备用框5", {"编辑框_备用框5"}, false},
    {"按钮_清空备用框6", {"编辑框_备用框6"}, false},
    {"按钮_清空备用框7", {"编辑框_备用框7"}, false},
    {"按钮_清空备用框8", {"编辑框_备用框8"}, false},
    {"按钮_清空备用框9", {"编辑框_备用框9"}, false},
};

const std::vector<std::pair<std::string_view, std::string_view>> kCopies = {
    {"按钮_复制原文本", "编辑框_原文本"},
    {"按钮_复制改后文本", "编辑框_改后文本"},
    {"按钮_复制插入文本原文本", "编辑框_插入文本原文本"},
    {"按钮_复制插入文本改后文本", "编辑框_插入文本改后文本"},
    {"按钮_复制打乱文本", "编辑框_打乱重排文本"},
    {"按钮_复制随机组词", "编辑框_随机组词文本"},
    {"按钮_复制备用框1", "编辑框_备用框1"}, {"按钮_复制备用框2", "编辑框_备用框2"},
    {"按钮_复制备用框3", "编辑框_备用框3"}, {"按钮_复制备用框4", "编辑框_备用框4"},
    {"按钮_复制备用框5", "编辑框_备用框5"}, {"按钮_复制备用框6", "编辑框_备用框6"},
    {"按钮_复制备用框7", "编辑框_备用框7"}, {"按钮_复制备用框8", "编辑框_备用框8"},
    {"按钮_复制备用框9", "编辑框_备用框9"},
};

void fillEveryBox(FakeControls& ui) {
    for (auto box : kAllBoxes) ui.set(box, Text("text of ") + Text(box));
}

TEST_F(CopyClear, EachClearButtonEmptiesExactlyItsBoxes) {
    ui.click("选择框_忽略大小写");
    ui.click("选择框_多文本");
    for (const auto& clear : kClears) {
        SCOPED_TRACE(clear.button);
        fillEveryBox(ui);
        ui.setProgressMaximum("进度条_打乱重排", 10);
        ui.setProgressPosition("进度条_打乱重排", 7);
        ui.click(clear.button);
        for (auto box : kAllBoxes)
            EXPECT_EQ(ui.text(box).empty(), clear.emptied.contains(box)) << box;
        EXPECT_EQ(ui.progressPosition(), clear.resetsProgress ? 0 : 7);
        EXPECT_EQ(ui.progressMaximum(), 10);
    }
    EXPECT_TRUE(ui.checked("选择框_忽略大小写"));
    EXPECT_TRUE(ui.checked("选择框_多文本"));
    EXPECT_EQ(app.state.caseSensitive, 0);
    EXPECT_EQ(app.state.multiLineMode, 1);
}

TEST_F(CopyClear, EachCopyButtonCopiesItsBoxUnchanged) {
    for (const auto& [button, box] : kCopies) {
        SCOPED_TRACE(button);
        fillEveryBox(ui);
        ui.set(box, "line 1\r\n第二行");
        ui.click(button);
        ASSERT_TRUE(ui.clipboard().has_value());
        EXPECT_EQ(*ui.clipboard(), "line 1\r\n第二行");
        EXPECT_EQ(ui.text(box), "line 1\r\n第二行");
        EXPECT_EQ(ui.textChangedCount(box), 0);
    }
}

TEST_F(CopyClear, CopyingAnEmptyBoxLeavesAnEmptyClipboard) {
    ui.set("编辑框_备用框3", "previous");
    ui.click("按钮_复制备用框3");
    ui.set("编辑框_备用框3", "");
    ui.click("按钮_复制备用框3");
    EXPECT_EQ(ui.clipboard(), Text{});
}

TEST_F(CopyClear, AFailingClipboardChangesNothing) {
    ui.set("编辑框_原文本", "kept");
    ui.failClipboard(true);
    ui.click("按钮_复制原文本");
    EXPECT_FALSE(ui.clipboard().has_value());
    EXPECT_EQ(ui.text("编辑框_原文本"), "kept");
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(CopyClear, EveryCopyAndClearButtonIsCovered) {
    std::set<std::string_view> covered;
    for (const auto& clear : kClears) covered.insert(clear.button);
    for (const auto& copy : kCopies) covered.insert(copy.first);
    EXPECT_EQ(covered.size(), 37u);
    for (auto button : covered) EXPECT_NE(findBinding(button, Event::Clicked), nullptr) << button;
}

}  // namespace
}  // namespace nalvic
