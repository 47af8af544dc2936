// The shuffle job: segmentation, block shuffle and join, each a stage of its
// own. The block stage never seeds, so a text is always shuffled the same way.
#include <cstddef>

#include "app/frame_pacer.h"
#include "app/handlers.h"
#include "app/job_stages.h"
#include "text/shuffle.h"

namespace nalvic {
namespace {

constexpr std::string_view kResult = "编辑框_打乱重排文本";
constexpr std::string_view kBar = "进度条_打乱重排";

std::size_t totalBytes(const TextArray& list) {
    std::size_t bytes = 0;
    for (std::size_t i = 0, n = static_cast<std::size_t>(list.count()); i < n; ++i)
        bytes += list[i].size();
    return bytes;
}

// The bar follows the join element by element, redrawn at most once a frame,
// and ends at the element count.
void joinStage(App& app) {
    ControlAccess& ui = app.controls;
    const TextArray& list = app.state.shuffledList;
    const int32_t count = arrayCount(list);
    ui.setProgressMaximum(kBar, count);
    Text joined;
    joined.reserve(totalBytes(list));
    FramePacer pacer(1024);
    for (int32_t i = 0; i < count; ++i) {
        joined += list[static_cast<std::size_t>(i)];
        if (pacer.due()) {
            if (app.jobs.stopRequested()) return;
            ui.setProgressPosition(kBar, i + 1);
        }
    }
    if (count > 0) ui.setProgressPosition(kBar, count);
    writeInPieces(app, kResult, joined);
    if (!app.jobs.stopRequested()) setButtonsEnabled(ui, characterJobButtons, true);
}

// shuffleAllBlocks one block at a time, so that a shutdown is noticed.
void blockStage(App& app) {
    TextArray& chars = app.state.charList;
    TextArray& shuffled = app.state.shuffledList;
    while (arrayCount(chars) > shuffleBlockSize) {
        if (app.jobs.stopRequested()) return;
        shuffleBlock(chars, shuffled, shuffleBlockSize);
    }
    shuffleBlock(chars, shuffled, arrayCount(chars));
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
