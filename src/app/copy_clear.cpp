#include "app/handlers.h"

namespace nalvic {

// A clipboard that cannot be opened changes nothing, and nothing is said.
void copyBoxToClipboard(App& app, std::string_view box) {
    app.controls.setClipboardText(app.controls.readText(box));
}

void clearBox(App& app, std::string_view box) { app.controls.writeText(box, ""); }

}  // namespace nalvic
