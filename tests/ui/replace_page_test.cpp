// The replacement page driven by mouse clicks, from the boxes to the result.
#include <QCheckBox>
#include <QPushButton>

#include "ui_fixture.h"

namespace nalvic {
namespace {

using ReplacePageUi = testing::WindowTest;

TEST_F(ReplacePageUi, ReplacesByClickCaseSensitiveAtFirstThenIgnoringCase) {
    userSets("编辑框_原文本", QString::fromUtf8("Hello HELLO hello 你好 😀\n第二行 hello"));
    userSets("编辑框_被替换文本", QStringLiteral("hello"));
    userSets("编辑框_用于替换文本", QString::fromUtf8("世界🌍"));
    QTest::mouseClick(find("按钮_替换"), Qt::LeftButton);
    EXPECT_EQ(shown("编辑框_改后文本"),
              QString::fromUtf8("Hello HELLO 世界🌍 你好 😀\n第二行 世界🌍"));

    QTest::mouseClick(find("选择框_忽略大小写"), Qt::LeftButton);
    ASSERT_TRUE(find<QCheckBox>("选择框_忽略大小写")->isChecked());
    QTest::mouseClick(find("按钮_替换"), Qt::LeftButton);
    EXPECT_EQ(shown("编辑框_改后文本"),
              QString::fromUtf8("世界🌍 世界🌍 世界🌍 你好 😀\n第二行 世界🌍"));
}

TEST_F(ReplacePageUi, ReplacesChineseAndKeepsCharactersGbkLacks) {
    userSets("编辑框_原文本", QString::fromUtf8("中文😀中文€𠮷"));
    userSets("编辑框_被替换文本", QString::fromUtf8("中文"));
    userSets("编辑框_用于替换文本", QString::fromUtf8("汉字"));
    QTest::mouseClick(find("按钮_替换"), Qt::LeftButton);
    EXPECT_EQ(shown("编辑框_改后文本"), QString::fromUtf8("汉字😀汉字€𠮷"));
    // An emoji is one character: replacing it leaves its neighbours whole.
    userSets("编辑框_被替换文本", QString::fromUtf8("😀"));
    userSets("编辑框_用于替换文本", QString());
    QTest::mouseClick(find("按钮_替换"), Qt::LeftButton);
    EXPECT_EQ(shown("编辑框_改后文本"), QString::fromUtf8("中文中文€𠮷"));
}

}  // namespace
}  // namespace nalvic
