// Shared helpers of the widget tests: a program with its MainWindow shown,
// texts put into boxes the way a user would, and a catcher that records and
// closes every message box.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "ui/gbk_codec.h"
#include "ui/page_control.h"
#include "ui/program.h"

namespace nalvic::testing {

struct CaughtMessage {
    QString title;
    QString text;
    int buttons;
    bool hasIcon;
    bool applicationModal;
};

// Polls for a modal QMessageBox, records it and presses its OK button.
class MessageCatcher {
public:
    MessageCatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            caught.push_back({box->windowTitle(), box->text(),
                              static_cast<int>(box->buttons().size()),
                              box->icon() != QMessageBox::NoIcon,
                              box->windowModality() == Qt::ApplicationModal});
            if (onCaught) onCaught();
            if (auto* ok = box->button(QMessageBox::Ok)) ok->click();
        });
        timer_.start();
    }
    std::vector<CaughtMessage> caught;
    std::function<void()> onCaught;

private:
    QTimer timer_;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<Program>("http://127.0.0.1:9");
        window().show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    void TearDown() override { program.reset(); }

    MainWindow& window() { return program->mainWindow(); }
    QtControls& controls() { return program->controls(); }
    App& app() { return program->app(); }

    template <class T = QWidget>
    T* find(const char* name) {
        auto* widget = window().control<T>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // What the user sees in a box.
    QString shown(const char* box) {
        if (auto* large = window().control<QPlainTextEdit>(box)) return large->toPlainText();
        return find<QLineEdit>(box)->text();
    }
    // Puts a text into a box as the user does (pasting, say): the box's own
    // change signal fires.
    void userSets(const char* box, const QString& text) {
        if (auto* large = window().control<QPlainTextEdit>(box))
            large->setPlainText(text);
        else
            find<QLineEdit>(box)->setText(text);
    }
    void click(const char* button) { find<QAbstractButton>(button)->click(); }

    std::unique_ptr<Program> program;
};

}  // namespace nalvic::testing
