#include "ui/number_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace nalvic {
namespace {

bool isAllowed(QChar c) { return c.isDigit() ? c.unicode() < 0x80 : c == u'-'; }

bool discards(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    for (QChar c : text)
        if (c.isPrint() && !isAllowed(c)) return true;
    return false;
}

}  // namespace

void NumberKeyFilter::install(QLineEdit* box) {
    // An input method would bypass the key filter.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(new NumberKeyFilter(box));
}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && discards(*static_cast<QKeyEvent*>(event))) return true;
    return QObject::eventFilter(watched, event);
}

}  // namespace nalvic
