#include "fake_controls.h"

#include "app/bindings.h"

namespace nalvic::testing {

FakeEventLoop::FakeEventLoop()
    : loopBridge_([this](std::function<void()> task) {
          std::lock_guard guard(queueMutex_);
          queue_.push_back(std::move(task));
          queued_.notify_all();
      }) {}

FakeControls::FakeControls() : MarshalledControls(loopBridge_) {
    // The start-up state of MainWindow.
    texts_["编辑框_最小值"] = "1";
    texts_["编辑框_最大值"] = "2";
    texts_["编辑框_固定词个数"] = "2";
    checked_["单选框_固定词位数"] = true;
}

int FakeControls::processEvents() {
    int ran = 0;
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard guard(queueMutex_);
            if (queue_.empty()) return ran;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task();
        ++ran;
    }
}

bool FakeControls::runUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        processEvents();
        if (done()) return true;
        std::unique_lock lock(queueMutex_);
        if (queued_.wait_until(lock, std::min(deadline, std::chrono::steady_clock::now() +
                                                            std::chrono::milliseconds(2)),
                               [&] { return !queue_.empty(); }))
            continue;
        if (std::chrono::steady_clock::now() >= deadline) {
            lock.unlock();
            processEvents();
            return done();
        }
    }
}

bool FakeControls::enabled(std::string_view control) const {
    auto it = disabled_.find(control);
    return it == disabled_.end() || !it->second;
}

void FakeControls::run(std::string_view control, int event) {
    if (const Binding* b = findBinding(control, static_cast<Event>(event)); b && app_)
        b->handler(*app_);
}

void FakeControls::click(std::string_view control) {
    if (!enabled(control)) return;
    if (control.starts_with("选择框_")) {
        checked_[std::string(control)] = !checked(control);
    } else if (control.starts_with("单选框_")) {
        checked_["单选框_随机词位数"] = false;
        checked_["单选框_固定词位数"] = false;
        checked_[std::string(control)] = true;
    }
    run(control, static_cast<int>(Event::Clicked));
}

void FakeControls::type(std::string_view box, std::string_view text) {
    texts_[std::string(box)] = text;
    uiTextChanged(box);
}

void FakeControls::press(std::string_view label) { run(label, static_cast<int>(Event::LeftButtonDown)); }

void FakeControls::showMessage(std::string_view message, std::optional<std::string_view> title) {
    messages_.push_back({std::string(message), std::string(title.value_or("信息："))});
    if (onMessage) onMessage(messages_.back());
}

bool FakeControls::setClipboardText(std::string_view text) {
    if (clipboardFails_) return false;
    clipboard_ = Text(text);
    return true;
}

void FakeControls::uiReplaceText(std::string_view control, std::string_view text) {
    texts_[std::string(control)] = text;
}

void FakeControls::uiTextChanged(std::string_view control) {
    ++changed_[std::string(control)];
    run(control, static_cast<int>(Event::TextChanged));
}

void FakeControls::uiAppendText(std::string_view control, std::string_view text) {
    texts_[std::string(control)] += text;
}

void FakeControls::uiSetEnabled(std::string_view control, bool enabled) {
    disabled_[std::string(control)] = !enabled;
}

}  // namespace nalvic::testing
