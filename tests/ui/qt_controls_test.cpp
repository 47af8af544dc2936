#include "ui/qt_controls.h"

#include <QClipboard>
#include <QLabel>
#include <QProgressBar>
#include <thread>

#include "ui_fixture.h"

namespace nalvic {
namespace {

using testing::MessageCatcher;
using testing::WindowTest;

using QtControlsTest = WindowTest;

TEST_F(QtControlsTest, ReadRightAfterWriteGivesTheBytesWritten) {
    const Text samples[] = {"a\rb\nc\r\nd", "\r", "\n", "\r\n\r\n", "x\r", "\xD6\xD0\r\xCE\xC4",
                            "\x80", "\xFF\x81", "a\xD6"};
    for (const char* box : {"编辑框_打乱重排文本", "编辑框_备用框2"}) {
        for (const Text& bytes : samples) {
            controls().writeText(box, bytes);
            EXPECT_EQ(controls().readText(box), bytes) << box;
        }
    }
}

TEST_F(QtControlsTest, BoxShowsEngineLineBreaksAndReadsUserTextWithCrLf) {
    controls().writeText("编辑框_原文本", "a\r\nb\rc\nd");
    EXPECT_EQ(shown("编辑框_原文本"), "a\nb\nc\nd");
    // Once the user changes the box, its content is read as it stands.
    userSets("编辑框_原文本", QStringLiteral("一\n二\n"));
    EXPECT_EQ(controls().readText("编辑框_原文本"), "\xD2\xBB\r\n\xB6\xFE\r\n");
    EXPECT_EQ(controls().readText("编辑框_改后文本"), "");
}

TEST_F(QtControlsTest, UserTextSurvivesAWriteBack) {
    const QString pasted = QString::fromUtf8("中文 😀 𠮷 € \xEE\x80\x80 x\ny");
    userSets("编辑框_原文本", pasted);
    const Text bytes = controls().readText("编辑框_原文本");
    controls().writeText("编辑框_改后文本", bytes);
    EXPECT_EQ(shown("编辑框_改后文本"), pasted);
}

TEST_F(QtControlsTest, AppendAddsToTheBoxAndKeepsExactBytes) {
    userSets("编辑框_插入文本改后文本", QStringLiteral("typed"));
    controls().appendText("编辑框_插入文本改后文本", "[a]\r\n");
    controls().appendText("编辑框_插入文本改后文本", "x\r");
    controls().appendText("编辑框_插入文本改后文本", "\ny");
    EXPECT_EQ(controls().readText("编辑框_插入文本改后文本"), "typed[a]\r\nx\r\ny");
    EXPECT_EQ(shown("编辑框_插入文本改后文本"), "typed[a]\nx\ny");
}

TEST_F(QtControlsTest, WriteRaisesTheBoxHandlerExactlyOnce) {
    // Writing "3" into the minimum box while the maximum is "2" makes its
    // handler complain once; a second run would complain again.
    MessageCatcher messages;
    controls().writeText("编辑框_最小值", "3");
    EXPECT_EQ(messages.caught.size(), 1u);
    EXPECT_EQ(shown("编辑框_最小值"), "1");
}

TEST_F(QtControlsTest, WorkerAccessesAreCarriedOutOnTheUiThread) {
    userSets("编辑框_打乱原文本", QStringLiteral("source"));
    Text seen;
    std::atomic<bool> done = false;
    std::thread worker([&] {
        seen = controls().readText("编辑框_打乱原文本");
        controls().writeText("编辑框_打乱重排文本", "\r");
        controls().setProgressMaximum("进度条_打乱重排", 10);
        controls().setProgressPosition("进度条_打乱重排", 4);
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 5000));
    worker.join();
    EXPECT_EQ(seen, "source");
    EXPECT_EQ(controls().readText("编辑框_打乱重排文本"), "\r");
    EXPECT_EQ(find<QProgressBar>("进度条_打乱重排")->value(), 4);
}

TEST_F(QtControlsTest, ProgressValuesAreClampedAndShownWithinTheRange) {
    auto* bar = find<QProgressBar>("进度条_打乱重排");
    struct Step {
        int32_t maximum, position, barMaximum, barValue;
    };
    const Step steps[] = {{50000, 50000, 32767, 32767}, {10, 11, 10, 10}, {10, -1, 10, 0},
                          {10, 5, 10, 5}, {-5, 5, 1, 0}, {0, 0, 1, 0}, {8, 3, 8, 3}};
    for (const Step& s : steps) {
        controls().setProgressMaximum("进度条_打乱重排", s.maximum);
        controls().setProgressPosition("进度条_打乱重排", s.position);
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), s.barMaximum) << s.maximum;
        EXPECT_EQ(bar->value(), s.barValue) << s.maximum << ' ' << s.position;
    }
    // A new maximum keeps the position.
    controls().setProgressPosition("进度条_打乱重排", 20);
    controls().setProgressMaximum("进度条_打乱重排", 30);
    EXPECT_EQ(bar->value(), 20);
}

TEST_F(QtControlsTest, ClipboardGetsUtf8WithLfForEachCrLf) {
    ASSERT_TRUE(controls().setClipboardText("a\r\nb\rc\nd \xD6\xD0"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a\nb\rc\nd 中"));
    const QString pasted = QString::fromUtf8("😀 𠮷\n€");
    userSets("编辑框_备用框7", pasted);
    click("按钮_复制备用框7");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), pasted);
    ASSERT_TRUE(controls().setClipboardText(""));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}

TEST_F(QtControlsTest, MessageBoxHasOneOkButtonNoIconAndTheRightTitle) {
    MessageCatcher messages;
    controls().showMessage("text");
    controls().showMessage("其他", "提示信息");
    ASSERT_EQ(messages.caught.size(), 2u);
    EXPECT_EQ(messages.caught[0].title, QStringLiteral("信息："));
    EXPECT_EQ(messages.caught[0].text, "text");
    EXPECT_EQ(messages.caught[1].title, QStringLiteral("提示信息"));
    EXPECT_EQ(messages.caught[1].text, QStringLiteral("其他"));
    for (const auto& m : messages.caught) {
        EXPECT_EQ(m.buttons, 1);
        EXPECT_FALSE(m.hasIcon);
        EXPECT_TRUE(m.applicationModal);
    }
}

TEST_F(QtControlsTest, StyleSchemesReachLaterWindowsAndOtherValuesRemoveIt) {
    controls().applyWindowStyle(3);
    const QString silver = qApp->styleSheet();
    EXPECT_FALSE(silver.isEmpty());
    controls().applyWindowStyle(1);
    EXPECT_NE(qApp->styleSheet(), silver);
    controls().applyWindowStyle(2);
    EXPECT_NE(qApp->styleSheet(), silver);
    controls().applyWindowStyle(0);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

}  // namespace
}  // namespace nalvic
