#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

namespace nalvic {

void centreOnScreen(QWidget& window, QSize outerSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect whole = screen->geometry();
    // A top-level window's position is that of its frame.
    window.move(whole.x() + (whole.width() - outerSize.width()) / 2,
                whole.y() + (whole.height() - outerSize.height()) / 2);
}

Qt::WindowFlags fixedWindowFlags() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

void closeOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace nalvic
