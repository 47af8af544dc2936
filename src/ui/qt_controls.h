// Control access and platform services on the Qt widgets of MainWindow.
//
// Texts cross the GBK boundary here (see gbk_codec.h). A large box shows an
// engine "\r\n" as a line break and reads a line break as "\r\n". Because a
// box cannot show a lone "\r" or "\n" as such, the bytes last written into a
// box are kept and read back for as long as the user has not changed it.
#pragma once

#include <QObject>
#include <QPointer>
#include <unordered_map>

#include "app/app.h"
#include "app/marshalled_controls.h"
#include "app/ui_bridge.h"
#include "ui/help_window.h"

class QWidget;

namespace nalvic {

class MainWindow;

// Owns the bridge that queues hand-overs to the Qt event loop; a base class so
// that it exists before the MarshalledControls that refers to it.
class QtEventLoopBridge {
protected:
    QtEventLoopBridge();
    QObject context_;
    UiBridge loopBridge_;
};

class QtControls : private QtEventLoopBridge, public MarshalledControls {
public:
    // Construct on the user-interface thread, after the QApplication.
    QtControls();
    ~QtControls() override;

    // The window whose controls are addressed, and the program whose handlers
    // run on its events. Before this, control accesses do nothing.
    void attach(MainWindow& window, App& app);
    // Refuses every further hand-over and releases waiting workers.
    void closeBridge() { loopBridge_.close(); }

    HelpWindow* helpWindow() const { return help_; }

    void showMessage(std::string_view message,
                     std::optional<std::string_view> title = std::nullopt) override;
    bool setClipboardText(std::string_view text) override;
    void openWindow(Window window) override;
    void openUrl(std::string_view url) override;
    void applyWindowStyle(int32_t scheme) override;

protected:
    Text uiReadText(std::string_view control) override;
    void uiReplaceText(std::string_view control, std::string_view text) override;
    void uiTextChanged(std::string_view control) override;
    void uiAppendText(std::string_view control, std::string_view text) override;
    int32_t uiReadChecked(std::string_view control) override;
    void uiSetProgressMaximum(std::string_view control, int32_t value) override;
    void uiSetProgressPosition(std::string_view control, int32_t value) override;
    void uiSetEnabled(std::string_view control, bool enabled) override;

private:
    QWidget* find(std::string_view control) const;

    MainWindow* window_ = nullptr;
    App* app_ = nullptr;
    QPointer<HelpWindow> help_;
    // The bytes last written into each box, while its content is unchanged.
    std::unordered_map<const QWidget*, Text> written_;
};

}  // namespace nalvic
