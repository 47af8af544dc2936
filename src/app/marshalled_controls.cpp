#include "app/marshalled_controls.h"

namespace nalvic {

Text MarshalledControls::readText(std::string_view control) {
    return bridge_.call([&] { return uiReadText(control); }).value_or(Text{});
}

void MarshalledControls::writeText(std::string_view control, std::string_view text) {
    bridge_.call([&] {
        uiReplaceText(control, text);
        uiTextChanged(control);
    });
}

void MarshalledControls::appendText(std::string_view control, std::string_view text) {
    bridge_.call([&] {
        uiAppendText(control, text);
        uiTextChanged(control);
    });
}

int32_t MarshalledControls::readChecked(std::string_view control) {
    return bridge_.call([&] { return uiReadChecked(control); }).value_or(0);
}

void MarshalledControls::setProgressMaximum(std::string_view control, int32_t value) {
    bridge_.call([&] { uiSetProgressMaximum(control, clampProgress(value)); });
}

void MarshalledControls::setProgressPosition(std::string_view control, int32_t value) {
    bridge_.call([&] { uiSetProgressPosition(control, clampProgress(value)); });
}

void MarshalledControls::setEnabled(std::string_view control, bool enabled) {
    bridge_.call([&] { uiSetEnabled(control, enabled); });
}

void MarshalledControls::runOnUiThread(const std::function<void()>& task) { bridge_.call(task); }

}  // namespace nalvic
