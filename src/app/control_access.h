// The operations through which the program's logic reaches the controls of
// MainWindow and the platform's services. Handlers and stages are written
// once against this interface; the Qt window and the test fake implement it.
//
// Control access may be called from any thread: a call from a worker is
// handed over to the user-interface thread and completes before it returns
// (see MarshalledControls). The services are called on the user-interface
// thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "text/text.h"

namespace nalvic {

enum class Window { Main, Help };

class ControlAccess {
public:
    virtual ~ControlAccess() = default;

    // The text of an edit box; lines are separated by "\r\n".
    virtual Text readText(std::string_view control) = 0;
    // Replaces the text of an edit box or label. For an edit box, its
    // text-changed handler then runs exactly once, nested, before returning.
    virtual void writeText(std::string_view control, std::string_view text) = 0;
    // Reads the box and writes back its text followed by `text`, as one step
    // on the user-interface thread (raising text-changed once, like
    // writeText). Lets a job add many lines with one hand-over.
    virtual void appendText(std::string_view control, std::string_view text) = 0;
    // 1 when the check box or radio button is ticked, else 0.
    virtual int32_t readChecked(std::string_view control) = 0;
    // Both clamp into 0..32767; the bar shows the position within 0..maximum.
    virtual void setProgressMaximum(std::string_view control, int32_t value) = 0;
    virtual void setProgressPosition(std::string_view control, int32_t value) = 0;
    // Enables or disables a button (used to keep jobs from overlapping).
    virtual void setEnabled(std::string_view control, bool enabled) = 0;
    // Runs `task` on the user-interface thread and waits for it, so that a
    // job can use a service that belongs to that thread (a message box).
    // Skipped once the window has closed.
    virtual void runOnUiThread(const std::function<void()>& task) = 0;

    // A modal box with one OK button; the title defaults to "信息：".
    virtual void showMessage(std::string_view message,
                             std::optional<std::string_view> title = std::nullopt) = 0;
    // Puts the text on the clipboard; false when it could not.
    virtual bool setClipboardText(std::string_view text) = 0;
    // Opens the window, or restores / raises it when it is open.
    virtual void openWindow(Window window) = 0;
    virtual void openUrl(std::string_view url) = 0;
    // Schemes 1 (blue), 2 (olive green) and 3 (silver grey); any other value
    // removes the style.
    virtual void applyWindowStyle(int32_t scheme) = 0;
};

// Clamps a progress value into the range a progress bar holds.
constexpr int32_t clampProgress(int32_t value) {
    return value < 0 ? 0 : value > 32767 ? 32767 : value;
}

}  // namespace nalvic
