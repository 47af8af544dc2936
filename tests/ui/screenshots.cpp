// Not a test: saves a picture of each page of MainWindow and of HelpWindow
// for the README. Run by scripts/screenshots.sh with
//   --gtest_also_run_disabled_tests --gtest_filter='Screenshots.*'
// and the directory in NALVIC_SCREENSHOT_DIR.
#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractButton>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include "app/handlers.h"
#include "ui/gbk_codec.h"
#include "ui/page_control.h"
#include "ui/program.h"

namespace nalvic {
namespace {

void save(QWidget& window, const QString& file) {
    QApplication::processEvents();
    QTest::qWait(200);
    const QString dir = qEnvironmentVariable("NALVIC_SCREENSHOT_DIR", QStringLiteral("docs"));
    QDir().mkpath(dir);
    ASSERT_TRUE(window.grab().save(dir + u'/' + file));
}

TEST(Screenshots, DISABLED_SaveEveryPageAndTheHelpWindow) {
    // No site answers here: the announcement comes out empty and is filled in
    // below once that fetch has ended.
    Program program("http://127.0.0.1:9");
    program.start();
    QTest::qWait(300);
    MainWindow& window = program.mainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto& controls = program.controls();
    auto write = [&](std::string_view box, const char* utf8) {
        controls.writeText(box, unicodeToGbk(QString::fromUtf8(utf8), true));
    };
    write("编辑框_原文本", "Hello HELLO hello 你好世界 😀");
    write("编辑框_被替换文本", "hello");
    write("编辑框_用于替换文本", "Hi");
    window.control<QAbstractButton>("按钮_替换")->click();
    write("编辑框_插入文本原文本", "第一行\n第二行");
    write("编辑框_前缀", "[");
    write("编辑框_后缀", "]");
    write("编辑框_打乱原文本", "春眠不觉晓，处处闻啼鸟。");
    write("编辑框_备用框1", "备用文本");
    write("透明标签_公告", "欢迎使用Nalvic文本处理工具");
    const char* files[] = {"page1-replace.png", "page2-insert.png", "page3-shuffle.png",
                           "page4-scratch.png"};
    for (int page = 0; page < 4; ++page) {
        window.pages()->showPage(page);
        save(window, QString::fromLatin1(files[page]));
    }
    controls.openWindow(Window::Help);
    ASSERT_NE(controls.helpWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(controls.helpWindow()));
    save(*controls.helpWindow(), QStringLiteral("help-window.png"));
}

}  // namespace
}  // namespace nalvic
