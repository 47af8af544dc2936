// The running program: the background jobs, the control access, the program
// state and MainWindow, created in that order on the user-interface thread
// after the QApplication.
#pragma once

#include <memory>
#include <string>

#include "app/app.h"
#include "app/job_runner.h"
#include "ui/main_window.h"
#include "ui/qt_controls.h"

namespace nalvic {

class Program {
public:
    explicit Program(std::string siteAddress);
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the window's created-handler, then shows it.
    void start();
    // start(), the event loop until the last window has closed, shutdown().
    // Returns the exit code, 0.
    int run();
    // Stops serving hand-overs (releasing workers that wait for one), waits
    // for the stages and releases the character lists. Idempotent.
    void shutdown();

    MainWindow& mainWindow() { return *window_; }
    QtControls& controls() { return controls_; }
    App& app() { return app_; }

private:
    JobRunner jobs_;
    QtControls controls_;
    App app_;
    std::unique_ptr<MainWindow> window_;
    bool shutDown_ = false;
};

// Application-wide look: the Fusion style, a CJK font and the window icon.
void prepareApplication();

}  // namespace nalvic
