// The program's main window: the top band of links and the tab control with
// its four pages. Every control carries its name as object name; handlers are
// connected from the bindings table.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/bindings.h"

namespace nalvic {

class PageControl;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{660, 521};
    // The outer size the window is centred by: client area, a 3-pixel frame
    // and a 22-pixel title bar.
    static constexpr QSize kOuterSize{666, 549};

    explicit MainWindow(App& app);

    // The control with this name, or nullptr.
    QWidget* control(std::string_view name) const;
    template <class T>
    T* control(std::string_view name) const {
        return qobject_cast<T*>(control(name));
    }
    // Every edit box of the window.
    const std::vector<QWidget*>& editBoxes() const { return editBoxes_; }
    PageControl* pages() const { return pages_; }

    // Runs the handler bound to the control's event, if there is one.
    void dispatch(std::string_view control, Event event);

signals:
    // The user changed the box's text; sent before its handler runs.
    void boxEdited(QWidget* box);

private:
    template <class W>
    W* place(W* widget, std::string_view name, QRect geometry);
    void buildTopBand();
    void buildReplacePage(QWidget* page);
    void buildInsertPage(QWidget* page);
    void buildShufflePage(QWidget* page);
    void buildScratchPage(QWidget* page);
    void connectBindings();

    App& app_;
    PageControl* pages_ = nullptr;
    std::map<std::string, QWidget*, std::less<>> controls_;
    std::vector<QWidget*> editBoxes_;
};

}  // namespace nalvic
