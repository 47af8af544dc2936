// Which handler runs for which event of which control of MainWindow. The Qt
// window connects its signals from this table, and the test fake dispatches
// its simulated clicks and text changes through it, so that both run exactly
// the same bindings.
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "app/app.h"

namespace nalvic {

enum class Event {
    Clicked,          // a button or check box was clicked
    TextChanged,      // an edit box's text changed
    LeftButtonDown,   // the left mouse button went down over a label
};

struct Binding {
    std::string_view control;
    Event event;
    std::function<void(App&)> handler;
};

std::span<const Binding> mainWindowBindings();

// The handler bound to the control's event, or nullptr.
const Binding* findBinding(std::string_view control, Event event);

}  // namespace nalvic
