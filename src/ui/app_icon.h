#pragma once

#include <QIcon>

namespace nalvic {

// The 128 × 128 icon that both windows show, drawn once.
QIcon appIcon();

}  // namespace nalvic
