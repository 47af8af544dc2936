#include "ui/progress_bar.h"

#include <algorithm>

namespace nalvic {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    refresh();
}

void ProgressBar::setLogicalMaximum(int maximum) {
    maximum_ = maximum;
    refresh();
}

void ProgressBar::setLogicalPosition(int position) {
    position_ = position;
    refresh();
}

void ProgressBar::refresh() {
    setRange(0, std::max(maximum_, 1));
    setValue(std::min(position_, maximum_));
}

}  // namespace nalvic
