#include "ui/program.h"

#include <QApplication>
#include <QFont>

#include "app/announcement.h"
#include "app/handlers.h"
#include "ui/app_icon.h"

namespace nalvic {

void prepareApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    QApplication::setWindowIcon(appIcon());
    QApplication::setQuitOnLastWindowClosed(true);
}

Program::Program() : Program(defaultSiteAddress()) {}

Program::Program(std::string siteAddress)
    : app_{controls_, jobs_, std::move(siteAddress), {}} {
    prepareApplication();
    window_ = std::make_unique<MainWindow>(app_);
    controls_.attach(*window_, app_);
}

Program::~Program() { shutdown(); }

void Program::start() {
    onMainWindowCreated(app_);
    window_->show();
}

int Program::run() {
    start();
    QApplication::exec();
    shutdown();
    return 0;
}

void Program::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    controls_.closeBridge();
    jobs_.shutdown();
    arrayReset(app_.state.charList);
    arrayReset(app_.state.shuffledList);
}

}  // namespace nalvic
