// Makes a line edit a number box: typed printable characters other than the
// digits and "-" are discarded. Control keys (Backspace, the clipboard
// shortcuts, ...) pass, and pasted text is taken as it is.
#pragma once

#include <QObject>

class QLineEdit;

namespace nalvic {

class NumberKeyFilter : public QObject {
public:
    // Installs a filter owned by `box`.
    static void install(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace nalvic
