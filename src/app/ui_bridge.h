// Hands work from worker threads to the user-interface thread and waits for
// it to be done: the synchronous hand-over behind every control access from
// a job. Built on standard primitives only, so that the hand-over can be
// driven by Qt's event loop or by a test loop alike.
//
// At shutdown `close()` releases every waiting worker at once and makes all
// later hand-overs return without running, so that a job can never wait for
// a user-interface thread that has stopped serving it.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

namespace nalvic {

class UiBridge {
public:
    // Queues a task to run on the user-interface thread, later, in order.
    using Post = std::function<void(std::function<void()>)>;

    // Must be constructed on the user-interface thread.
    explicit UiBridge(Post post);

    bool onUiThread() const noexcept { return std::this_thread::get_id() == uiThread_; }

    // Runs `task` on the user-interface thread and returns its result; runs
    // it directly when already there. Empty once the bridge is closed.
    template <class F>
    auto call(F&& task) -> std::optional<std::conditional_t<std::is_void_v<std::invoke_result_t<F>>,
                                                             bool, std::invoke_result_t<F>>>;

    // User-interface thread only: wake every waiting worker and refuse all
    // further hand-overs.
    void close();
    bool closed() const;

private:
    struct Core {
        std::mutex mutex;
        std::condition_variable handed;
        bool closed = false;
    };
    std::shared_ptr<Core> core_ = std::make_shared<Core>();
    Post post_;
    std::thread::id uiThread_;
};

template <class F>
auto UiBridge::call(F&& task)
    -> std::optional<std::conditional_t<std::is_void_v<std::invoke_result_t<F>>, bool,
                                        std::invoke_result_t<F>>> {
    using R = std::invoke_result_t<F>;
    using Result = std::conditional_t<std::is_void_v<R>, bool, R>;
    auto runTask = [&task]() -> Result {
        if constexpr (std::is_void_v<R>) {
            task();
            return true;
        } else {
            return task();
        }
    };
    if (onUiThread()) {
        if (closed()) return std::nullopt;
        return runTask();
    }

    struct Slot {
        std::optional<Result> result;
        bool done = false;
    };
    auto slot = std::make_shared<Slot>();
    auto core = core_;
    std::unique_lock lock(core->mutex);
    if (core->closed) return std::nullopt;
    lock.unlock();
    // The posted task refers to this stack frame only while the worker waits:
    // once the bridge is closed the worker may return, and the task must not run.
    post_([core, slot, &runTask] {
        {
            std::lock_guard guard(core->mutex);
            if (core->closed) return;
        }
        std::optional<Result> value(runTask());
        std::lock_guard guard(core->mutex);
        slot->result = std::move(value);
        slot->done = true;
        core->handed.notify_all();
    });
    lock.lock();
    core->handed.wait(lock, [&] { return slot->done || core->closed; });
    if (!slot->done) return std::nullopt;
    return std::move(slot->result);
}

}  // namespace nalvic
