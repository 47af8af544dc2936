// A progress bar that keeps its maximum and position as they were set and
// shows the position clamped into 0..maximum: a position above the maximum
// shows a full bar, and a maximum of 0 an empty one (not Qt's busy indicator).
#pragma once

#include <QProgressBar>

namespace nalvic {

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent);

    void setLogicalMaximum(int maximum);
    void setLogicalPosition(int position);

private:
    void refresh();

    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace nalvic
