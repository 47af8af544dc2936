#include "app/job_runner.h"

#include <system_error>

namespace nalvic {

JobRunner::~JobRunner() { shutdown(); }

bool JobRunner::startJob(std::function<void()> stage) {
    std::list<Worker> ended;
    {
        std::lock_guard guard(mutex_);
        if (stopping_) return false;
        ended = takeEndedWorkers();
        Worker& worker = workers_.emplace_back();
        try {
            worker.thread = std::thread([this, &worker, stage = std::move(stage)]() mutable {
                stage();
                // Whatever the stage captured goes before the runner may go away.
                stage = nullptr;
                stageEnded(worker);
            });
            ++running_;
        } catch (const std::system_error&) {
            workers_.pop_back();
            return false;
        }
    }
    // Threads that have ended only need their last clean-up; join them
    // outside the lock.
    for (auto& worker : ended) worker.thread.join();
    return true;
}

bool JobRunner::stopRequested() const { return stopRequested_.load(std::memory_order_relaxed); }

void JobRunner::shutdown() {
    std::list<Worker> all;
    {
        std::unique_lock lock(mutex_);
        stopping_ = true;
        stopRequested_ = true;
        idle_.wait(lock, [this] { return running_ == 0; });
        all.swap(workers_);
    }
    for (auto& worker : all) worker.thread.join();
}

void JobRunner::stageEnded(Worker& worker) {
    std::lock_guard guard(mutex_);
    worker.ended = true;
    if (--running_ == 0) idle_.notify_all();
}

std::list<JobRunner::Worker> JobRunner::takeEndedWorkers() {
    std::list<Worker> ended;
    for (auto it = workers_.begin(); it != workers_.end();) {
        auto next = std::next(it);
        if (it->ended) ended.splice(ended.end(), workers_, it);
        it = next;
    }
    return ended;
}

}  // namespace nalvic
