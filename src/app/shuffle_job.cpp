// The shuffle job: segmentation, block shuffle and join, each a stage of its
// own. The block stage never seeds, so a text is always shuffled the same way.
#include "app/handlers.h"
#include "app/job_stages.h"
#include "text/shuffle.h"

namespace nalvic {
namespace {

constexpr std::string_view kResult = "编辑框_打乱重排文本";
constexpr std::string_view kBar = "进度条_打乱重排";

// The join copies the list's bytes in one pass, some milliseconds for ten
// megabytes, less than a frame: so the bar is drawn once, full, at its end.
void joinStage(App& app) {
    ControlAccess& ui = app.controls;
    const TextArray& list = app.state.shuffledList;
    const int32_t count = arrayCount(list);
    ui.setProgressMaximum(kBar, count);
    const Text joined = joinElements(list);
    if (count > 0) ui.setProgressPosition(kBar, count);
    writeInPieces(app, kResult, joined);
    if (!app.jobs.stopRequested()) setButtonsEnabled(ui, characterJobButtons, true);
}

// A shutdown is noticed between blocks.
void blockStage(App& app) {
    if (!shuffleAllBlocks(app.state.charList, app.state.shuffledList,
                          [&app] { return app.jobs.stopRequested(); }))
        return;
    startStage(app, characterJobButtons, [&app] { joinStage(app); });
}

void segmentStage(App& app) {
    segmentShuffleSource(app);
    if (app.jobs.stopRequested()) return;
    startStage(app, characterJobButtons, [&app] { blockStage(app); });
}

}  // namespace

void onShuffleClicked(App& app) {
    setButtonsEnabled(app.controls, characterJobButtons, false);
    arrayReset(app.state.shuffledList);
    arrayReset(app.state.charList);
    app.controls.writeText(kResult, "");
    startStage(app, characterJobButtons, [&app] { segmentStage(app); });
}

}  // namespace nalvic
