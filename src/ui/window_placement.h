#pragma once

#include <QSize>

class QWidget;

namespace nalvic {

// Moves the window so that its outer frame of `outerSize` is centred on the
// whole primary screen (not its work area).
void centreOnScreen(QWidget& window, QSize outerSize);

// Window flags of a fixed-size window: title bar with system menu, minimise
// and close buttons, no maximise button.
Qt::WindowFlags fixedWindowFlags();

// Esc, pressed anywhere in the window, closes it.
void closeOnEscape(QWidget& window);

}  // namespace nalvic
