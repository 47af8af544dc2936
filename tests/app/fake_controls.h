// An in-memory stand-in for MainWindow and the platform services.
//
// The thread that constructs it plays the user-interface thread: control
// access from other threads is queued through the real UiBridge and carried
// out when that thread calls processEvents() or runUntil(). Like the real
// window, writeText raises the box's text-changed handler exactly once,
// nested, and progress values are clamped.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/marshalled_controls.h"
#include "app/ui_bridge.h"

namespace nalvic::testing {

struct ShownMessage {
    std::string text;
    std::string title;
};

// Owns the queue that stands in for the event loop; a base class so that it
// is built before the MarshalledControls that refers to its bridge.
class FakeEventLoop {
protected:
    FakeEventLoop();
    std::mutex queueMutex_;
    std::condition_variable queued_;
    std::deque<std::function<void()>> queue_;
    UiBridge loopBridge_;
};

class FakeControls : private FakeEventLoop, public MarshalledControls {
public:
    FakeControls();

    // Handlers are looked up in mainWindowBindings() and run with this app.
    void attach(App& app) { app_ = &app; }

    // --- the user-interface thread's loop ---
    // Runs every queued hand-over; returns how many ran.
    int processEvents();
    // Processes hand-overs until `done` holds; false on time-out.
    bool runUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // Closes the bridge, as the window does at shutdown.
    void close() { loopBridge_.close(); }

    // --- what a user does (user-interface thread) ---
    // Check boxes toggle, radio buttons select (clearing the other), then the
    // Clicked binding runs. A disabled control ignores the click.
    void click(std::string_view control);
    // The user edits a box: its text becomes `text`, then text-changed runs.
    void type(std::string_view box, std::string_view text);
    void press(std::string_view label);
    // Sets a box's text without raising anything (test set-up).
    void set(std::string_view box, std::string_view text) { texts_[std::string(box)] = text; }

    // --- what can be observed (user-interface thread) ---
    const Text& text(std::string_view control) { return texts_[std::string(control)]; }
    bool checked(std::string_view control) { return checked_[std::string(control)]; }
    int32_t progressMaximum() const { return progressMaximum_; }
    int32_t progressPosition() const { return progressPosition_; }
    bool enabled(std::string_view control) const;
    int textChangedCount(std::string_view box) { return changed_[std::string(box)]; }
    const std::vector<ShownMessage>& messages() const { return messages_; }
    const std::optional<Text>& clipboard() const { return clipboard_; }
    const std::vector<std::string>& openedUrls() const { return urls_; }
    const std::vector<Window>& openedWindows() const { return windows_; }
    int32_t styleScheme() const { return style_; }
    // Makes setClipboardText fail, as when another program holds the clipboard.
    void failClipboard(bool fail) { clipboardFails_ = fail; }
    // Called with each message as it is shown (the box is modal: the caller
    // waits until this returns).
    std::function<void(const ShownMessage&)> onMessage;

    void showMessage(std::string_view message, std::optional<std::string_view> title) override;
    bool setClipboardText(std::string_view text) override;
    void openWindow(Window window) override { windows_.push_back(window); }
    void openUrl(std::string_view url) override { urls_.emplace_back(url); }
    void applyWindowStyle(int32_t scheme) override { style_ = scheme; }

protected:
    Text uiReadText(std::string_view control) override { return text(control); }
    void uiReplaceText(std::string_view control, std::string_view text) override;
    void uiTextChanged(std::string_view control) override;
    void uiAppendText(std::string_view control, std::string_view text) override;
    int32_t uiReadChecked(std::string_view control) override { return checked(control) ? 1 : 0; }
    void uiSetProgressMaximum(std::string_view, int32_t value) override { progressMaximum_ = value; }
    void uiSetProgressPosition(std::string_view, int32_t value) override { progressPosition_ = value; }
    void uiSetEnabled(std::string_view control, bool enabled) override;

private:
    void run(std::string_view control, int event);

    App* app_ = nullptr;
    std::map<std::string, Text, std::less<>> texts_;
    std::map<std::string, bool, std::less<>> checked_;
    std::map<std::string, bool, std::less<>> disabled_;
    std::map<std::string, int, std::less<>> changed_;
    int32_t progressMaximum_ = 100;
    int32_t progressPosition_ = 0;
    std::vector<ShownMessage> messages_;
    std::optional<Text> clipboard_;
    bool clipboardFails_ = false;
    std::vector<std::string> urls_;
    std::vector<Window> windows_;
    int32_t style_ = 0;
};

}  // namespace nalvic::testing
