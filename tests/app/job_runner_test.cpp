#include "app/job_runner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace nalvic {
namespace {

TEST(JobRunner, EachStageRunsOnANewThreadAndStartsTheNext) {
    JobRunner jobs;
    std::mutex mutex;
    std::vector<std::thread::id> threads;
    auto record = [&] {
        std::lock_guard guard(mutex);
        threads.push_back(std::this_thread::get_id());
    };
    ASSERT_TRUE(jobs.startJob([&] {
        record();
        jobs.startJob([&] {
            record();
            jobs.startJob(record);
        });
    }));
    for (;;) {
        std::lock_guard guard(mutex);
        if (threads.size() == 3) break;
    }
    jobs.shutdown();
    // A stage's thread still lives when it starts the next one, so the two
    // differ; an id may be reused once its thread has ended.
    EXPECT_NE(threads[0], threads[1]);
    EXPECT_NE(threads[1], threads[2]);
    for (auto id : threads) EXPECT_NE(id, std::this_thread::get_id());
}

TEST(JobRunner, ShutdownStopsPollingStagesAndRefusesNewOnes) {
    JobRunner jobs;
    std::atomic<bool> started = false;
    std::atomic<bool> sawStop = false;
    std::atomic<bool> nextStarted = true;
    jobs.startJob([&] {
        started = true;
        while (!jobs.stopRequested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        sawStop = true;
        nextStarted = jobs.startJob([] {});
    });
    while (!started) std::this_thread::yield();
    EXPECT_FALSE(jobs.stopRequested());

    jobs.shutdown();
    EXPECT_TRUE(sawStop);
    EXPECT_FALSE(nextStarted);
    EXPECT_TRUE(jobs.stopRequested());
    EXPECT_FALSE(jobs.startJob([] { ADD_FAILURE() << "ran after shutdown"; }));
    jobs.shutdown();  // a second shutdown returns at once
}

// Under the sanitizers: no stage may touch the runner once shutdown returned,
// even while many chains end at the same moment.
TEST(JobRunner, CanBeDestroyedRightAfterShutdown) {
    for (int round = 0; round < 20; ++round) {
        auto jobs = std::make_unique<JobRunner>();
        std::atomic<int> ran = 0;
        for (int chain = 0; chain < 8; ++chain) {
            jobs->startJob([&ran, runner = jobs.get()] {
                ++ran;
                runner->startJob([&ran, runner] {
                    ++ran;
                    runner->startJob([&ran] { ++ran; });
                });
            });
        }
        jobs.reset();  // the destructor shuts down
        EXPECT_GE(ran.load(), 8);
    }
}

// Thread-local clean-up (which libraries such as OpenSSL's rely on) has
// finished for every stage by the time shutdown returns.
struct Farewell {
    std::atomic<int>* ended = nullptr;
    ~Farewell() {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (ended) ++*ended;
    }
};
thread_local Farewell farewell;

TEST(JobRunner, ShutdownWaitsUntilEveryStageThreadHasEnded) {
    std::atomic<int> started = 0;
    std::atomic<int> ended = 0;
    JobRunner jobs;
    for (int i = 0; i < 4; ++i)
        jobs.startJob([&] {
            farewell.ended = &ended;
            ++started;
            jobs.startJob([&] {
                farewell.ended = &ended;
                ++started;
            });
        });
    while (started < 8) std::this_thread::yield();
    jobs.shutdown();
    EXPECT_EQ(ended.load(), 8);
}

}  // namespace
}  // namespace nalvic
