#include "app/announcement.h"

#include <gtest/gtest.h>

#include <chrono>

#include "app/handlers.h"
#include "fake_controls.h"
#include "test_http_server.h"

namespace nalvic {
namespace {

using namespace std::chrono_literals;
using testing::FakeControls;
using testing::HttpReply;
using testing::httpResponse;
using testing::RefusingPort;
using testing::TestHttpServer;

constexpr std::string_view label = "透明标签_公告";

// MainWindow's controls and jobs against a site address, closed down the
// way the window closes them.
struct Program {
    explicit Program(std::string site) : app{controls, jobs, std::move(site), {}} {
        controls.attach(app);
        controls.set(label, "stale");
    }
    ~Program() {
        controls.close();
        jobs.shutdown();
    }
    bool announced() {
        return controls.runUntil([&] { return controls.textChangedCount(label) > 0; }, 5s);
    }

    FakeControls controls;
    JobRunner jobs;
    App app;
};

// A site that serves `reply` as the announcement.
TestHttpServer siteServing(HttpReply reply) {
    return TestHttpServer([reply = std::move(reply)](const testing::HttpRequest& request) {
        if (request.target == "/velbrin/gonggao.txt") return reply;
        if (request.target == "/elsewhere") return httpResponse("moved here");
        return httpResponse("<html>404</html>", "404 Not Found");
    });
}

TEST(Announcement, ShowsTheFetchedTextAsItComes) {
    const struct {
        const char* name;
        HttpReply reply;
        Text shown;
    } cases[] = {
        {"empty file", httpResponse(""), ""},
        {"two bytes", httpResponse("ab"), "ab"},
        {"GBK text", httpResponse("\xbb\xb6\xd3\xad\xca\xb9\xd3\xc3"), "\xbb\xb6\xd3\xad\xca\xb9\xd3\xc3"},
        {"error page", httpResponse("<p>File not found</p>", "404 Not Found"), "<p>File not found</p>"},
        {"zero byte", httpResponse(std::string("ab\0cd", 5)), "ab"},
        {"redirect", httpResponse("", "301 Moved Permanently", "Location: /elsewhere\r\n"), "moved here"},
        {"markup", httpResponse("<a href='x'>link</a> & <b>bold</b>"), "<a href='x'>link</a> & <b>bold</b>"},
    };
    for (const auto& c : cases) {
        const TestHttpServer site = siteServing(c.reply);
        Program program(site.url());
        onMainWindowCreated(program.app);
        ASSERT_TRUE(program.announced()) << c.name;
        EXPECT_EQ(program.controls.text(label), c.shown) << c.name;
    }
}

TEST(Announcement, FetchesTheAnnouncementPathOncePerRun) {
    const TestHttpServer site = siteServing(httpResponse("ab"));
    Program program(site.url());
    onMainWindowCreated(program.app);
    ASSERT_TRUE(program.announced());
    program.controls.runUntil([] { return false; }, 100ms);

    const auto requests = site.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target, "/velbrin/gonggao.txt");
    EXPECT_EQ(program.controls.textChangedCount(label), 1);
}

TEST(Announcement, RefusedConnectionLeavesTheLabelEmptyWithoutAMessage) {
    const RefusingPort refusing;
    Program program(refusing.url());
    onMainWindowCreated(program.app);
    ASSERT_TRUE(program.announced());
    EXPECT_EQ(program.controls.text(label), "");
    EXPECT_TRUE(program.controls.messages().empty());
}

TEST(Announcement, SlowServerDelaysOnlyTheLabel) {
    HttpReply slow = httpResponse("late");
    slow.delay = 1s;
    const TestHttpServer site = siteServing(slow);
    Program program(site.url());

    const auto start = std::chrono::steady_clock::now();
    onMainWindowCreated(program.app);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_EQ(program.controls.text(label), "stale");
    ASSERT_TRUE(program.announced());
    EXPECT_EQ(program.controls.text(label), "late");
}

TEST(Announcement, ClosingDuringAStalledFetchEndsPromptly) {
    const TestHttpServer site = siteServing({"", 0ms, true});
    Program program(site.url());
    onMainWindowCreated(program.app);
    ASSERT_TRUE(site.waitForRequests(1));

    const auto start = std::chrono::steady_clock::now();
    program.controls.close();
    program.jobs.shutdown();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_EQ(program.controls.textChangedCount(label), 0);
}

TEST(HomePage, EveryPressOpensTheSiteRoot) {
    Program program("http://nalvic.example");
    program.controls.press("透明标签_网站主页");
    program.controls.press("透明标签_网站主页");
    EXPECT_EQ(program.controls.openedUrls(),
              (std::vector<std::string>{"http://nalvic.example/", "http://nalvic.example/"}));
    EXPECT_TRUE(program.controls.messages().empty());
}

}  // namespace
}  // namespace nalvic
