#include "ui/main_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>

#include "ui/page_control.h"
#include "ui/transparent_label.h"
#include "ui_fixture.h"

namespace nalvic {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, IsAFixedCentredWindowWithoutMaximise) {
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Nalvic文本处理工具"));
    EXPECT_EQ(window().size(), QSize(660, 521));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_FALSE(window().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window().windowFlags() & Qt::WindowMinimizeButtonHint);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window().pos(), QPoint((screen.width() - 666) / 2, (screen.height() - 549) / 2));
    EXPECT_TRUE(window().windowIcon().availableSizes().contains(QSize(128, 128)));
}

TEST_F(WindowTest, FourPagesWithTheirHintsAndTheFirstShowing) {
    QTabBar* heads = window().pages()->heads();
    const QString captions[] = {QStringLiteral("  文本替换  "), QStringLiteral("  插入文本  "),
                                QStringLiteral("  打乱重排  "), QStringLiteral("  备用编辑框  ")};
    const QString hints[] = {QStringLiteral("替换指定文本内容，可多组词同时替换"),
                             QStringLiteral("给指定内容插入前后缀"),
                             QStringLiteral("文本中文字打乱重排|随机抽字组词"),
                             QStringLiteral("用于存放临时数据")};
    ASSERT_EQ(heads->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(heads->tabText(i), captions[i]);
        EXPECT_EQ(heads->tabToolTip(i), hints[i]);
    }
    EXPECT_EQ(window().pages()->currentPage(), 0);
    EXPECT_TRUE(find("编辑框_原文本")->isVisible());
    EXPECT_FALSE(find("编辑框_打乱原文本")->isVisible());
    QTest::mouseClick(heads, Qt::LeftButton, {}, heads->tabRect(2).center());
    EXPECT_TRUE(find("编辑框_打乱原文本")->isVisible());
    EXPECT_FALSE(find("编辑框_原文本")->isVisible());
}

TEST_F(WindowTest, ControlsSitWhereTheLayoutPutsThem) {
    struct Placed {
        const char* name;
        QRect inWindow;  // page controls: tab control at 0, 48
    };
    const Placed placed[] = {
        {"分组框1", {5, 1, 650, 40}},
        {"透明标签_公告", {5 + 235, 1 + 11, 264, 20}},
        {"高级选择夹1", {0, 48, 659, 472}},
        {"编辑框_原文本", {8, 48 + 48, 640, 152}},
        {"按钮_清空原文本", {608, 48 + 175, 40, 24}},
        {"按钮_替换", {560, 48 + 217, 72, 32}},
        {"编辑框_插入文本改后文本", {8, 48 + 309, 640, 152}},
        {"进度条_打乱重排", {9, 48 + 195, 640, 16}},
        {"编辑框_最大值", {458, 48 + 216, 20, 20}},
        {"编辑框_随机组词文本", {505, 48 + 216, 144, 248}},
        {"编辑框_备用框6", {349, 48 + 136, 168, 24}},
        {"按钮_清空备用框9", {576, 48 + 432, 60, 30}},
    };
    for (const auto& p : placed) {
        QWidget* widget = find(p.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(QRect(widget->mapTo(&window(), QPoint(0, 0)), widget->size()), p.inWindow) << p.name;
    }
}

TEST_F(WindowTest, ControlsHaveTheirKindAndStartUpState) {
    for (const Binding& binding : mainWindowBindings()) {
        QWidget* widget = find(std::string(binding.control).c_str());
        ASSERT_NE(widget, nullptr);
        if (binding.control.starts_with("按钮_")) {
            EXPECT_TRUE(qobject_cast<QPushButton*>(widget));
        }
        if (binding.control.starts_with("选择框_")) {
            ASSERT_TRUE(qobject_cast<QCheckBox*>(widget));
            EXPECT_FALSE(qobject_cast<QCheckBox*>(widget)->isChecked());
        }
    }
    EXPECT_TRUE(find<QRadioButton>("单选框_固定词位数")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("单选框_随机词位数")->isChecked());
    EXPECT_EQ(shown("编辑框_最小值"), "1");
    EXPECT_EQ(shown("编辑框_最大值"), "2");
    EXPECT_EQ(shown("编辑框_固定词个数"), "2");
    EXPECT_EQ(shown("编辑框_输出条数"), "");
    auto* bar = find<QProgressBar>("进度条_打乱重排");
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(find<QGroupBox>("分组框1")->title(), "");
    EXPECT_EQ(find<QLabel>("透明标签8")->text(), QStringLiteral("说明"));
    EXPECT_EQ(find<QLabel>("透明标签8")->cursor().shape(), Qt::WhatsThisCursor);
    EXPECT_EQ(find<QLabel>("透明标签_网站主页")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    for (const char* large : {"编辑框_原文本", "编辑框_随机组词文本", "编辑框_备用框7"}) {
        auto* box = find<QPlainTextEdit>(large);
        EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }
    EXPECT_TRUE(qobject_cast<QLineEdit*>(find("编辑框_备用框1")));
}

TEST_F(WindowTest, CopyAndClearButtonsLieAboveTheirBox) {
    window().pages()->showPage(0);
    QWidget* box = find("编辑框_原文本");
    QWidget* clear = find("按钮_清空原文本");
    const QPoint corner = clear->mapTo(box->parentWidget(), clear->rect().center());
    EXPECT_EQ(box->parentWidget()->childAt(corner), clear);
}

TEST_F(WindowTest, CaptionsFitTheirControls) {
    for (QWidget* widget : window().findChildren<QWidget*>()) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const int text = button->fontMetrics().horizontalAdvance(button->text());
            EXPECT_LE(text, button->width()) << button->objectName().toStdString();
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
        }
    }
}

TEST_F(WindowTest, NumberBoxesDiscardTypedLettersButTakePastes) {
    window().pages()->showPage(2);
    auto* count = find<QLineEdit>("编辑框_输出条数");
    count->setFocus();
    QTest::keyClicks(count, "a.x");
    EXPECT_EQ(count->text(), "");
    QTest::keyClicks(count, "-12");
    EXPECT_EQ(count->text(), "-12");
    QGuiApplication::clipboard()->setText("abc");
    count->selectAll();
    count->paste();
    EXPECT_EQ(count->text(), "abc");
    auto* scratch = find<QLineEdit>("编辑框_备用框1");
    QTest::keyClicks(scratch, "a.x");
    EXPECT_EQ(scratch->text(), "a.x");
}

TEST_F(WindowTest, EnterClicksNothingAndStartsALineInALargeBox) {
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (auto* button : window().findChildren<QPushButton*>())
        spies.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    auto* count = find<QLineEdit>("编辑框_固定词个数");
    QTest::keyClick(count, Qt::Key_Return);
    EXPECT_EQ(count->text(), "2");
    auto* replace = find<QPushButton>("按钮_替换");
    replace->setFocus();
    QTest::keyClick(replace, Qt::Key_Return);
    for (const auto& spy : spies) EXPECT_EQ(spy->count(), 0);

    auto* source = find<QPlainTextEdit>("编辑框_原文本");
    source->setPlainText("ab");
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(1);
    source->setTextCursor(cursor);
    QTest::keyClick(source, Qt::Key_Return);
    EXPECT_EQ(controls().readText("编辑框_原文本"), "a\r\nb");
}

TEST_F(WindowTest, EscapeClosesTheWindowFromAnyBox) {
    for (const char* box : {"编辑框_原文本", "编辑框_备用框1", "编辑框_最小值"}) {
        SCOPED_TRACE(box);
        window().show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        QWidget* focus = find(box);
        window().pages()->showPage(focus->parentWidget() == window().pages()->page(0) ? 0
                                   : focus->parentWidget() == window().pages()->page(2) ? 2
                                                                                       : 3);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Escape);
        EXPECT_FALSE(window().isVisible());
    }
}

TEST_F(WindowTest, AnnouncementLineShowsPlainTextOnly) {
    auto* line = find<QLabel>("透明标签_公告");
    EXPECT_EQ(line->textFormat(), Qt::PlainText);
    controls().writeText("透明标签_公告", "<b>x</b><img src=y>");
    EXPECT_EQ(line->text(), "<b>x</b><img src=y>");
    EXPECT_EQ(line->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST_F(WindowTest, LinksReactToTheButtonGoingDown) {
    auto* help = find<TransparentLabel>("透明标签8");
    QTest::mousePress(help, Qt::LeftButton);
    EXPECT_NE(controls().helpWindow(), nullptr);
    QTest::mouseRelease(help, Qt::LeftButton);
}

TEST(ProgramStart, CreatedHandlerStylesAndSetsTheFlagsBeforeShowing) {
    Program program("http://127.0.0.1:9");
    program.app().state.caseSensitive = 0;
    program.start();
    EXPECT_TRUE(program.mainWindow().isVisible());
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(program.app().state.multiLineMode, 0);
    EXPECT_EQ(program.app().state.caseSensitive, 1);
    EXPECT_EQ(program.app().state.dedupeWords, 0);
    program.shutdown();
    qApp->setStyleSheet({});
}

TEST(ProgramRun, EndsWhenTheLastWindowClosesAndReleasesAWaitingJob) {
    Program program("http://127.0.0.1:9");
    std::atomic<int> writes = 0;
    // A job that keeps handing work to the user-interface thread until told
    // to stop: shutdown must release it rather than wait for it for ever.
    program.app().jobs.startJob([&] {
        while (!program.app().jobs.stopRequested()) {
            program.app().controls.writeText("编辑框_备用框1", "x");
            ++writes;
        }
    });
    bool helpOpenAfterMainClosed = false;
    bool timedOut = false;
    QTimer::singleShot(0, [&] {
        program.controls().openWindow(Window::Help);
        program.mainWindow().close();
    });
    QTimer::singleShot(100, [&] {
        HelpWindow* help = program.controls().helpWindow();
        helpOpenAfterMainClosed = help && help->isVisible();
        if (help) help->close();
    });
    QTimer::singleShot(5000, [&] {
        timedOut = true;
        QApplication::quit();
    });
    EXPECT_EQ(program.run(), 0);
    EXPECT_TRUE(helpOpenAfterMainClosed);
    EXPECT_FALSE(timedOut);
    EXPECT_GT(writes, 0);
    qApp->setStyleSheet({});
}

}  // namespace
}  // namespace nalvic
