// Control access that works from any thread: every operation is handed over
// to the user-interface thread through a UiBridge and carried out there by the
// ui* operations, which a concrete window (or the test fake) implements.
// After the bridge is closed, reads give the empty text or 0 and writes are
// dropped: nothing is ever written into a window that is going away.
#pragma once

#include "app/control_access.h"
#include "app/ui_bridge.h"

namespace nalvic {

class MarshalledControls : public ControlAccess {
public:
    explicit MarshalledControls(UiBridge& bridge) : bridge_(bridge) {}

    Text readText(std::string_view control) final;
    void writeText(std::string_view control, std::string_view text) final;
    void appendText(std::string_view control, std::string_view text) final;
    int32_t readChecked(std::string_view control) final;
    void setProgressMaximum(std::string_view control, int32_t value) final;
    void setProgressPosition(std::string_view control, int32_t value) final;
    void setEnabled(std::string_view control, bool enabled) final;
    void runOnUiThread(const std::function<void()>& task) final;

    UiBridge& bridge() { return bridge_; }

protected:
    // Called on the user-interface thread only. The progress values arrive
    // already clamped into 0..32767.
    virtual Text uiReadText(std::string_view control) = 0;
    // Replaces the text without the toolkit's own change notification.
    virtual void uiReplaceText(std::string_view control, std::string_view text) = 0;
    // Runs the text-changed handler of the box, if it has one.
    virtual void uiTextChanged(std::string_view control) = 0;
    // Appends without the toolkit's own change notification.
    virtual void uiAppendText(std::string_view control, std::string_view text) = 0;
    virtual int32_t uiReadChecked(std::string_view control) = 0;
    virtual void uiSetProgressMaximum(std::string_view control, int32_t value) = 0;
    virtual void uiSetProgressPosition(std::string_view control, int32_t value) = 0;
    virtual void uiSetEnabled(std::string_view control, bool enabled) = 0;

private:
    UiBridge& bridge_;
};

}  // namespace nalvic
