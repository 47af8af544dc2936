// A small window with four fixed paragraphs about what the program does.
#pragma once

#include <QWidget>

namespace nalvic {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{458, 367};
    static constexpr QSize kOuterSize{464, 392};

    HelpWindow();
};

}  // namespace nalvic
