// Placeholders until the window's handlers are built.
#include "app/handlers.h"

namespace nalvic {
void onReplaceClicked(App&) {}
void onIgnoreCaseClicked(App&) {}
void onMultiTextClicked(App&) {}
void onDedupeClicked(App&) {}
void onMinLengthChanged(App&) {}
void onMaxLengthChanged(App&) {}
void onHelpLinkPressed(App&) {}
void copyBoxToClipboard(App&, std::string_view) {}
void clearBox(App&, std::string_view) {}
}  // namespace nalvic
