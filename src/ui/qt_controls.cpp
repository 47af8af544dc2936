#include "ui/qt_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "app/handlers.h"
#include "ui/gbk_codec.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/progress_bar.h"
#include "ui/utf8.h"
#include "ui/window_style.h"

namespace nalvic {
namespace {

Text boxText(const QWidget* widget) {
    if (auto* large = qobject_cast<const QPlainTextEdit*>(widget))
        return unicodeToGbk(large->document()->toRawText(), true);
    if (auto* line = qobject_cast<const QLineEdit*>(widget)) return unicodeToGbk(line->text(), true);
    if (auto* label = qobject_cast<const QLabel*>(widget)) return unicodeToGbk(label->text(), true);
    return {};
}

}  // namespace

QtEventLoopBridge::QtEventLoopBridge()
    : loopBridge_([this](std::function<void()> task) {
          QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
      }) {}

QtControls::QtControls() : MarshalledControls(loopBridge_) {}

QtControls::~QtControls() {
    loopBridge_.close();
    delete help_.data();
}

void QtControls::attach(MainWindow& window, App& app) {
    window_ = &window;
    app_ = &app;
    // Any change by the user makes the kept bytes stale.
    QObject::connect(&window, &MainWindow::boxEdited, &context_,
                     [this](QWidget* box) { written_.erase(box); });
}

QWidget* QtControls::find(std::string_view control) const {
    return window_ ? window_->control(control) : nullptr;
}

Text QtControls::uiReadText(std::string_view control) {
    const QWidget* widget = find(control);
    if (auto it = written_.find(widget); it != written_.end()) return it->second;
    return boxText(widget);
}

void QtControls::uiReplaceText(std::string_view control, std::string_view text) {
    QWidget* widget = find(control);
    if (!widget) return;
    const QSignalBlocker blocker(widget);
    if (auto* large = qobject_cast<QPlainTextEdit*>(widget)) {
        large->setPlainText(gbkToUnicode(text, LineBreaks::AllToLf));
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(gbkToUnicode(text, LineBreaks::AllToLf));
        line->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(gbkToUnicode(text, LineBreaks::AllToLf));
        return;
    } else {
        return;
    }
    written_[widget] = Text(text);
}

void QtControls::uiTextChanged(std::string_view control) {
    if (window_) window_->dispatch(control, Event::TextChanged);
}

void QtControls::uiAppendText(std::string_view control, std::string_view text) {
    QWidget* widget = find(control);
    if (!widget) return;
    auto kept = written_.find(widget);
    if (kept == written_.end()) kept = written_.emplace(widget, boxText(widget)).first;
    Text& whole = kept->second;
    auto* large = qobject_cast<QPlainTextEdit*>(widget);
    // A "\r" at the end meeting a "\n" makes one line break of two: show the
    // whole text anew. Otherwise only the new part is added to the box.
    if (!large || (whole.ends_with('\r') && text.starts_with('\n'))) {
        const Text joined = whole + Text(text);
        uiReplaceText(control, joined);
        return;
    }
    {
        const QSignalBlocker blocker(large);
        QTextCursor end(large->document());
        end.movePosition(QTextCursor::End);
        end.insertText(gbkToUnicode(text, LineBreaks::AllToLf));
    }
    whole.append(text);
}

int32_t QtControls::uiReadChecked(std::string_view control) {
    QWidget* widget = find(control);
    // A check box's third, undetermined state reads as not ticked.
    if (auto* box = qobject_cast<QCheckBox*>(widget)) return box->checkState() == Qt::Checked ? 1 : 0;
    auto* button = qobject_cast<QAbstractButton*>(widget);
    return button && button->isChecked() ? 1 : 0;
}

void QtControls::uiSetProgressMaximum(std::string_view control, int32_t value) {
    if (auto* bar = qobject_cast<ProgressBar*>(find(control))) bar->setLogicalMaximum(value);
}

void QtControls::uiSetProgressPosition(std::string_view control, int32_t value) {
    if (auto* bar = qobject_cast<ProgressBar*>(find(control))) bar->setLogicalPosition(value);
}

void QtControls::uiSetEnabled(std::string_view control, bool enabled) {
    if (QWidget* widget = find(control)) widget->setEnabled(enabled);
}

void QtControls::showMessage(std::string_view message, std::optional<std::string_view> title) {
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(title.value_or("信息：")), fromUtf8(message),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // No owner, and no window of the program takes input until it is closed.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtControls::setClipboardText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    clipboard->setText(gbkToUnicode(text, LineBreaks::CrLfToLf));
    return true;
}

void QtControls::openWindow(Window window) {
    if (window != Window::Help) return;
    if (help_) {
        if (help_->isMinimized()) help_->showNormal();
        help_->raise();
        help_->activateWindow();
        return;
    }
    help_ = new HelpWindow;
    help_->setAttribute(Qt::WA_DeleteOnClose);
    if (app_) onHelpWindowCreated(*app_);
    help_->show();
}

void QtControls::openUrl(std::string_view url) {
    QDesktopServices::openUrl(QUrl(gbkToUnicode(url)));
}

void QtControls::applyWindowStyle(int32_t scheme) { applyStyleScheme(scheme); }

}  // namespace nalvic
