#include <gtest/gtest.h>

#include "app/handlers.h"
#include "fake_controls.h"

namespace nalvic {
namespace {

TEST(HelpLink, PressingItOpensTheHelpWindow) {
    JobRunner jobs;
    testing::FakeControls ui;
    App app{ui, jobs, "", {}};
    ui.attach(app);
    ui.press("透明标签8");
    EXPECT_EQ(ui.openedWindows(), std::vector<Window>{Window::Help});
}

}  // namespace
}  // namespace nalvic
