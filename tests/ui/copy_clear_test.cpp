// Every copy and clear button of the window, clicked on the real widgets.
#include <QClipboard>
#include <QProgressBar>
#include <set>

#include "ui_fixture.h"

namespace nalvic {
namespace {

struct ButtonCase {
    const char* button;
    std::set<std::string> emptied;  // clear buttons
    const char* copied = nullptr;   // copy buttons
};

const std::vector<ButtonCase> kButtons = {
    {"按钮_复制原文本", {}, "编辑框_原文本"},
    {"按钮_清空原文本", {"编辑框_原文本"}},
    {"按钮_清空被替换文本", {"编辑框_被替换文本"}},
    {"按钮_清空用于替换文本", {"编辑框_用于替换文本"}},
    {"按钮_复制改后文本", {}, "编辑框_改后文本"},
    {"按钮_清空改后文本", {"编辑框_改后文本"}},
    {"按钮_全部清空", {"编辑框_原文本", "编辑框_被替换文本", "编辑框_用于替换文本", "编辑框_改后文本"}},
    {"按钮_复制插入文本原文本", {}, "编辑框_插入文本原文本"},
    {"按钮_清空插入文本原文本", {"编辑框_插入文本原文本"}},
    {"按钮_清空前缀文本", {"编辑框_前缀"}},
    {"按钮_清空后缀文本", {"编辑框_后缀"}},
    {"按钮_复制插入文本改后文本", {}, "编辑框_插入文本改后文本"},
    {"按钮_清空插入文本改后文本", {"编辑框_插入文本改后文本"}},
    {"按钮_插入文本_全部清空",
     {"编辑框_插入文本原文本", "编辑框_插入文本改后文本", "编辑框_前缀", "编辑框_后缀"}},
    {"按钮_清空打乱原文本", {"编辑框_打乱原文本"}},
    {"按钮_复制打乱文本", {}, "编辑框_打乱重排文本"},
    {"按钮_清空打乱文本", {"编辑框_打乱重排文本"}},
    {"按钮_复制随机组词", {}, "编辑框_随机组词文本"},
    {"按钮_清空随机组词", {"编辑框_随机组词文本"}},
    {"按钮_复制备用框1", {}, "编辑框_备用框1"}, {"按钮_清空备用框1", {"编辑框_备用框1"}},
    {"按钮_复制备用框2", {}, "编辑框_备用框2"}, {"按钮_清空备用框2", {"编辑框_备用框2"}},
    {"按钮_复制备用框3", {}, "编辑框_备用框3"}, {"按钮_清空备用框3", {"编辑框_备用框3"}},
    {"按钮_复制备用框4", {}, "编辑框_备用框4"}, {"按钮_清空备用框4", {"编辑框_备用框4"}},
    {"按钮_复制备用框5", {}, "编辑框_备用框5"}, {"按钮_清空备用框5", {"编辑框_备用框5"}},
    {"按钮_复制备用框6", {}, "编辑框_备用框6"}, {"按钮_清空备用框6", {"编辑框_备用框6"}},
    {"按钮_复制备用框7", {}, "编辑框_备用框7"}, {"按钮_清空备用框7", {"编辑框_备用框7"}},
    {"按钮_复制备用框8", {}, "编辑框_备用框8"}, {"按钮_清空备用框8", {"编辑框_备用框8"}},
    {"按钮_复制备用框9", {}, "编辑框_备用框9"}, {"按钮_清空备用框9", {"编辑框_备用框9"}},
};

using CopyClearUi = testing::WindowTest;

TEST_F(CopyClearUi, EveryButtonActsOnExactlyItsBoxes) {
    ASSERT_EQ(kButtons.size(), 37u);
    std::vector<std::string> boxes;
    for (QWidget* box : window().editBoxes()) {
        const std::string name = box->objectName().toStdString();
        if (name.find("最") == std::string::npos && name.find("数") == std::string::npos)
            boxes.push_back(name);
    }
    ASSERT_EQ(boxes.size(), 20u);
    auto* bar = find<QProgressBar>("进度条_打乱重排");
    for (const ButtonCase& c : kButtons) {
        SCOPED_TRACE(c.button);
        for (const auto& box : boxes) userSets(box.c_str(), QString::fromStdString(box) + "\n😀");
        controls().setProgressMaximum("进度条_打乱重排", 10);
        controls().setProgressPosition("进度条_打乱重排", 7);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));

        click(c.button);

        for (const auto& box : boxes)
            EXPECT_EQ(shown(box.c_str()).isEmpty(), c.emptied.contains(box)) << box;
        const QString expected =
            c.copied ? QString::fromUtf8(c.copied) + "\n😀" : QStringLiteral("before");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
        const bool resets = c.emptied.contains("编辑框_打乱重排文本") ||
                            c.emptied.contains("编辑框_随机组词文本");
        EXPECT_EQ(bar->value(), resets ? 0 : 7);
        EXPECT_EQ(bar->maximum(), 10);
    }
}

}  // namespace
}  // namespace nalvic
