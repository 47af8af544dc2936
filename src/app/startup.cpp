#include "app/announcement.h"
#include "app/handlers.h"

namespace nalvic {

void onMainWindowCreated(App& app) {
    app.controls.applyWindowStyle(3);
    app.state.multiLineMode = 0;
    app.state.caseSensitive = 1;
    app.state.dedupeWords = 0;
    startAnnouncement(app);
}

void onHelpWindowCreated(App& app) { app.controls.applyWindowStyle(3); }

}  // namespace nalvic
