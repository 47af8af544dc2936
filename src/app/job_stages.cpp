#include "app/job_stages.h"

#include "text/characters.h"

namespace nalvic {

void setButtonsEnabled(ControlAccess& controls, JobButtons buttons, bool enabled) {
    // One step on the user-interface thread, so that no click can fall
    // between the buttons of one job.
    controls.runOnUiThread([&] {
        for (auto button : buttons) controls.setEnabled(button, enabled);
    });
}

void startStage(App& app, JobButtons buttons, std::function<void()> stage) {
    if (!app.jobs.startJob(std::move(stage))) setButtonsEnabled(app.controls, buttons, true);
}

void segmentShuffleSource(App& app) {
    Text source = app.controls.readText("编辑框_打乱原文本");
    segmentCharacters(source, app.state.charList);
}

}  // namespace nalvic
