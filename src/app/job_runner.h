// Background jobs: every stage runs on a new worker thread of its own and
// starts the next stage as its last action.
#pragma once

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
    // stage has returned.
    void shutdown();

private:
    mutable std::mutex mutex_;
    std::condition_variable idle_;
    int running_ = 0;
    bool stopping_ = false;
};

}  // namespace nalvic
