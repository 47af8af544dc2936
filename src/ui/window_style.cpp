#include "ui/window_style.h"

#include <QApplication>

namespace nalvic {
namespace {

struct Scheme {
    const char* light;   // top of a button
    const char* dark;    // bottom of a button
    const char* border;  // frames of buttons, boxes and group boxes
    const char* hover;
};

constexpr Scheme kBlue{"#f3f8ff", "#c9dcf5", "#6d8fbf", "#e2efff"};
constexpr Scheme kOlive{"#f6f8ea", "#d5dcb2", "#7d8a4e", "#eaf0cf"};
constexpr Scheme kSilver{"#fbfbfb", "#d9d9dc", "#8f9095", "#ededf0"};

QString sheetFor(const Scheme& s) {
    return QStringLiteral(
               "QPushButton { border: 1px solid %3; border-radius: 3px; padding: 0px;"
               " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2); }"
               "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
               " stop:0 %1, stop:1 %4); }"
               "QPushButton:pressed { background: %2; }"
               "QPushButton:disabled { color: #8a8a8a; }"
               "QLineEdit, QPlainTextEdit, QComboBox, QSpinBox { border: 1px solid %3;"
               " background: white; color: black; }"
               "QLineEdit:focus, QPlainTextEdit:focus { border: 1px solid %2; }"
               "QGroupBox { border: 1px solid %3; border-radius: 3px; margin: 0px; }")
        .arg(QLatin1String(s.light), QLatin1String(s.dark), QLatin1String(s.border),
             QLatin1String(s.hover));
}

}  // namespace

QString windowStyleSheet(int32_t scheme) {
    switch (scheme) {
    case 1: return sheetFor(kBlue);
    case 2: return sheetFor(kOlive);
    case 3: return sheetFor(kSilver);
    default: return {};
    }
}

void applyStyleScheme(int32_t scheme) {
    // An application-wide sheet reaches every window, present and future.
    qApp->setStyleSheet(windowStyleSheet(scheme));
}

}  // namespace nalvic
