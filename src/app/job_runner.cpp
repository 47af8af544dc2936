#include "app/job_runner.h"

#include <system_error>
#include <thread>

namespace nalvic {

JobRunner::~JobRunner() { shutdown(); }

bool JobRunner::startJob(std::function<void()> stage) {
    {
        std::lock_guard guard(mutex_);
        if (stopping_) return false;
        ++running_;
    }
    try {
        std::thread([this, stage = std::move(stage)]() mutable {
            stage();
            // Whatever the stage captured goes before the runner may go away.
            stage = nullptr;
            stageEnded();
        }).detach();
        return true;
    } catch (const std::system_error&) {
        stageEnded();
        return false;
    }
}

bool JobRunner::stopRequested() const { return stopRequested_.load(std::memory_order_relaxed); }

void JobRunner::shutdown() {
    std::unique_lock lock(mutex_);
    stopping_ = true;
    stopRequested_ = true;
    idle_.wait(lock, [this] { return running_ == 0; });
}

void JobRunner::stageEnded() {
    // Notify while holding the lock: the moment shutdown() can see zero, it
    // may destroy the runner, so nothing here may touch it after unlocking.
    std::lock_guard guard(mutex_);
    if (--running_ == 0) idle_.notify_all();
}

}  // namespace nalvic
