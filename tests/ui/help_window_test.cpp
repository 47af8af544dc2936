#include "ui/help_window.h"

#include <QLabel>
#include <QScreen>

#include "ui_fixture.h"

namespace nalvic {
namespace {

using HelpWindowTest = testing::WindowTest;

int helpWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += qobject_cast<HelpWindow*>(w) && w->isVisible();
    return count;
}

void pressHelpLink(MainWindow& window) {
    QTest::mousePress(window.control("透明标签8"), Qt::LeftButton);
}

TEST_F(HelpWindowTest, OpensOnceAndComesBackWhenPressedAgain) {
    pressHelpLink(window());
    HelpWindow* help = controls().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("说明"));
    EXPECT_EQ(help->size(), QSize(458, 367));
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMaximizeButtonHint);
    help->showMinimized();
    pressHelpLink(window());
    EXPECT_EQ(controls().helpWindow(), help);
    EXPECT_FALSE(help->isMinimized());
    EXPECT_EQ(helpWindows(), 1);
    EXPECT_TRUE(window().isVisible());
}

TEST_F(HelpWindowTest, ClosedByEscapeAndCreatedAnewCentred) {
    pressHelpLink(window());
    QPointer<HelpWindow> help = controls().helpWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    help->move(3, 4);
    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(help.isNull());  // destroyed when closed
    EXPECT_TRUE(window().isVisible());

    pressHelpLink(window());
    ASSERT_NE(controls().helpWindow(), nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(controls().helpWindow()->pos(),
              QPoint((screen.width() - 464) / 2, (screen.height() - 392) / 2));
}

TEST_F(HelpWindowTest, ShowsTheFourParagraphsAndStylesEveryWindow) {
    qApp->setStyleSheet({});
    pressHelpLink(window());
    HelpWindow* help = controls().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    const std::pair<const char*, QString> paragraphs[] = {
        {"透明标签1", QStringLiteral("Nalvic文本处理工具由多个功能模块集合而成。")},
        {"透明标签2", QStringLiteral("文本替换功能：可对原文本中指定文本内容进行替换，默认为区分大小\n\n"
                                     "写，若不需区分，可将忽略大小写功能勾选。")},
        {"透明标签3",
         QStringLiteral("插入文本功能：可对原文本添加前后缀文本。若开启多文本添加功能，\n\n"
                        "则视每一次换行为一个文本，点击插入文本按钮后，会在每个文本前\n\n后插入内容。")},
        {"透明标签4",
         QStringLiteral("打乱重排功能：其中有两个小功能\n\n1.打乱：将原文本文字内容打乱后随机生成为新文本；\n\n"
                        "2.随机组词：将原文本文字内容打乱后随机抽取文字组成指定长度的词\n\n"
                        "语，词语长度可选固定长度，例：固定长度为2，则词语长度为2个汉字\n\n"
                        "字符长度。也可选随机长度，长度设定为一个区间，例：2到4位，则词\n\n"
                        "语在生成中随机生成2位，3位或4位词。")},
    };
    for (const auto& [name, text] : paragraphs) {
        auto* label = help->findChild<QLabel*>(QString::fromUtf8(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text) << name;
        EXPECT_EQ(label->font().pixelSize(), 14);
        // Every stored line fits the label's width without breaking.
        for (const QString& line : text.split(u'\n'))
            EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width()) << name;
    }
    qApp->setStyleSheet({});
}

}  // namespace
}  // namespace nalvic
