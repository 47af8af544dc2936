// Background jobs: every stage runs on a new worker thread of its own and
// starts the next stage as its last action.
//
// Nobody waits for a particular stage, but shutdown() waits for all of them.
// Stages reach the window only through the UI hand-over, so the window must
// close that hand-over before calling shutdown(): a stage waiting for the
// user-interface thread is then released instead of waiting for ever.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace nalvic {

class JobRunner {
public:
    JobRunner() = default;
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;
    ~JobRunner();  // shuts down

    // Runs `stage` on a new thread and returns at once. False when the thread
    // could not be created or shutdown has begun: the stage does not run.
    bool startJob(std::function<void()> stage);

    // True once shutdown has begun; long stages poll it and return early.
    bool stopRequested() const;

    // Tells running stages to stop, refuses new ones and waits until every
    // stage has returned. Once it returns, no stage touches the runner again.
    void shutdown();

private:
    void stageEnded();

    mutable std::mutex mutex_;
    std::condition_variable idle_;
    int running_ = 0;
    bool stopping_ = false;
    // Mirrors stopping_ so that stages can poll it without taking the lock.
    std::atomic<bool> stopRequested_ = false;
};

}  // namespace nalvic
