// Background jobs: every stage runs on a new worker thread of its own and
// starts the next stage as its last action.
//
// Nobody waits for a particular stage, but shutdown() joins every stage's
// thread, so that nothing of a stage (its thread-local state included) outlives
// it. Threads that have ended are joined as new stages start.
// Stages reach the window only through the UI hand-over, so the window must
// close that hand-over before calling shutdown(): a stage waiting for the
// user-interface thread is then released instead of waiting for ever.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <list>
#include <mutex>
#include <thread>

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
    // stage's thread has ended. Once it returns, no stage runs any more.
    void shutdown();

private:
    struct Worker {
        std::thread thread;
        bool ended = false;
    };
    void stageEnded(Worker& worker);
    std::list<Worker> takeEndedWorkers();

    mutable std::mutex mutex_;
    std::condition_variable idle_;
    std::list<Worker> workers_;
    int running_ = 0;
    bool stopping_ = false;
    // Mirrors stopping_ so that stages can poll it without taking the lock.
    std::atomic<bool> stopRequested_ = false;
};

}  // namespace nalvic
