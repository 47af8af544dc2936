#include "ui/transparent_label.h"

#include <QMouseEvent>

namespace nalvic {

TransparentLabel::TransparentLabel(QWidget* parent) : QLabel(parent) {
    // Texts such as the announcement come from outside: never interpret them.
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit leftButtonPressed();
    QLabel::mousePressEvent(event);
}

}  // namespace nalvic
