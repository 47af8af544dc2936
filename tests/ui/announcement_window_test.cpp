// The announcement line and the window around it, against a real site.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <functional>

#include "test_http_server.h"
#include "ui/main_window.h"
#include "ui/program.h"

namespace nalvic {
namespace {

using namespace std::chrono_literals;
using testing::HttpReply;
using testing::httpResponse;
using testing::TestHttpServer;

// Runs the event loop until `done` holds; false on time-out.
bool processUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 5s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

TestHttpServer announcing(HttpReply reply) {
    return TestHttpServer([reply = std::move(reply)](const testing::HttpRequest&) { return reply; });
}

TEST(AnnouncementWindow, ShowsMarkupLiterally) {
    // "<b>新版</b> & <a href='x'>下载</a><br>" in GBK
    const TestHttpServer site = announcing(
        httpResponse("<b>\xd0\xc2\xb0\xe6</b> & <a href='x'>\xcf\xc2\xd4\xd8</a><br>"));
    Program program(site.url());
    auto* label = program.mainWindow().control<QLabel>("透明标签_公告");
    ASSERT_NE(label, nullptr);
    program.start();

    ASSERT_TRUE(processUntil([&] { return !label->text().isEmpty(); }));
    EXPECT_EQ(label->text(), QString::fromUtf8("<b>新版</b> & <a href='x'>下载</a><br>"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST(AnnouncementWindow, SlowSiteLeavesTheButtonsWorking) {
    HttpReply slow = httpResponse("late");
    slow.delay = 3s;
    const TestHttpServer site = announcing(slow);
    Program program(site.url());
    MainWindow& window = program.mainWindow();
    ControlAccess& controls = program.controls();
    auto* label = window.control<QLabel>("透明标签_公告");
    program.start();
    ASSERT_TRUE(site.waitForRequests(1));

    int buttons = 0;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->objectName().startsWith(QString::fromUtf8("按钮_"))) continue;
        ++buttons;
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    }
    EXPECT_GT(buttons, 30);

    // A handler that works inside the click.
    controls.writeText("编辑框_原文本", "aXa");
    controls.writeText("编辑框_被替换文本", "X");
    controls.writeText("编辑框_用于替换文本", "b");
    window.control<QAbstractButton>("按钮_替换")->click();
    EXPECT_EQ(controls.readText("编辑框_改后文本"), "aba");

    // A background job of its own, finished while the fetch still waits.
    controls.writeText("编辑框_插入文本原文本", "x");
    controls.writeText("编辑框_前缀", "<");
    controls.writeText("编辑框_后缀", ">");
    window.control<QAbstractButton>("按钮_插入文本")->click();
    EXPECT_TRUE(processUntil([&] { return controls.readText("编辑框_插入文本改后文本") == "<x>"; }));

    // A clear button.
    window.control<QAbstractButton>("按钮_全部清空")->click();
    EXPECT_EQ(controls.readText("编辑框_原文本"), "");

    EXPECT_TRUE(label->text().isEmpty());
    EXPECT_TRUE(processUntil([&] { return label->text() == "late"; }));
}

TEST(AnnouncementWindow, ClosingDuringAStalledFetchEndsPromptly) {
    const TestHttpServer site = announcing({"", 0ms, true});
    Program program(site.url());
    std::chrono::steady_clock::time_point closedAt;
    bool fetchPending = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        fetchPending = !site.requests().empty();
        if (!fetchPending && std::chrono::steady_clock::now() - closedAt < 10s) return;
        watcher.stop();
        closedAt = std::chrono::steady_clock::now();
        program.mainWindow().close();
    });
    closedAt = std::chrono::steady_clock::now();
    watcher.start(10);

    EXPECT_EQ(program.run(), 0);
    EXPECT_TRUE(fetchPending);
    EXPECT_LT(std::chrono::steady_clock::now() - closedAt, 500ms);
}

}  // namespace
}  // namespace nalvic
