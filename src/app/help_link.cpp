#include "app/handlers.h"

namespace nalvic {

void onHelpLinkPressed(App& app) { app.controls.openWindow(Window::Help); }

}  // namespace nalvic
