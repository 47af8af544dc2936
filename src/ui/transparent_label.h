// A label that draws only its plain text over whatever lies behind it and
// reports a press of the left mouse button (not its release).
#pragma once

#include <QLabel>

namespace nalvic {

class TransparentLabel : public QLabel {
    Q_OBJECT
public:
    explicit TransparentLabel(QWidget* parent);

signals:
    void leftButtonPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace nalvic
