#include "app/ui_bridge.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "fake_controls.h"

namespace nalvic {
namespace {

using testing::FakeControls;

TEST(UiBridge, RunsWorkerCallsOnTheUiThreadInOrder) {
    FakeControls ui;
    std::vector<int> seen;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            auto result = ui.bridge().call([&, i] {
                EXPECT_TRUE(ui.bridge().onUiThread());
                seen.push_back(i);
                return i * 10;
            });
            EXPECT_EQ(result, i * 10);
        }
    });
    ASSERT_TRUE(ui.runUntil([&] { return seen.size() == 3; }));
    worker.join();
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
}

TEST(UiBridge, CallOnTheUiThreadRunsDirectly) {
    FakeControls ui;
    EXPECT_EQ(ui.bridge().call([] { return 7; }), 7);
    EXPECT_EQ(ui.processEvents(), 0);
}

TEST(UiBridge, CloseReleasesAWaitingWorkerWithoutRunningItsTask) {
    FakeControls ui;
    std::atomic<bool> returned = false;
    bool ran = false;
    std::thread worker([&] {
        auto result = ui.bridge().call([&] { ran = true; });
        EXPECT_FALSE(result.has_value());
        returned = true;
    });
    // Close while the hand-over is queued but not yet served.
    while (true) {
        std::this_thread::yield();
        if (ui.bridge().closed()) break;
        ui.close();
    }
    worker.join();
    ui.processEvents();
    EXPECT_TRUE(returned);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(ui.bridge().call([] { return 1; }).has_value());
}

TEST(MarshalledControls, WriteRaisesTextChangedOnceAndReadsBack) {
    FakeControls ui;
    ui.writeText("编辑框_原文本", "x");
    ui.writeText("编辑框_原文本", "x");
    EXPECT_EQ(ui.textChangedCount("编辑框_原文本"), 2);
    EXPECT_EQ(ui.readText("编辑框_原文本"), "x");
    ui.appendText("编辑框_原文本", "yz");
    EXPECT_EQ(ui.readText("编辑框_原文本"), "xyz");
    EXPECT_EQ(ui.textChangedCount("编辑框_原文本"), 3);
}

TEST(MarshalledControls, ProgressValuesAreClamped) {
    FakeControls ui;
    ui.setProgressMaximum("进度条_打乱重排", 50000);
    EXPECT_EQ(ui.progressMaximum(), 32767);
    ui.setProgressMaximum("进度条_打乱重排", -5);
    EXPECT_EQ(ui.progressMaximum(), 0);
    ui.setProgressPosition("进度条_打乱重排", -1);
    EXPECT_EQ(ui.progressPosition(), 0);
}

}  // namespace
}  // namespace nalvic
