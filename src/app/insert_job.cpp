// The insertion page's job: a prefix and a suffix around the whole source, or
// around every line of it.
#include <cstddef>

#include "app/frame_pacer.h"
#include "app/handlers.h"
#include "app/job_stages.h"
#include "text/text_array.h"
#include "text/words.h"

namespace nalvic {
namespace {

constexpr std::string_view kSource = "编辑框_插入文本原文本";
constexpr std::string_view kPrefix = "编辑框_前缀";
constexpr std::string_view kSuffix = "编辑框_后缀";
constexpr std::string_view kResult = "编辑框_插入文本改后文本";

// Multi-text mode. The lines made within one frame (at most one hand-over's
// worth) go to the result box in one append, which adds them behind whatever
// the box holds by then (text the user typed stays in front). The affixes are read again for every batch, so
// a change applies to the lines made after it.
void insertPerLine(App& app) {
    ControlAccess& ui = app.controls;
    const TextArray lines = textSplit(ui.readText(kSource), "\r\n");
    const std::size_t count = static_cast<std::size_t>(arrayCount(lines));
    FramePacer pacer(16);
    std::size_t next = 0;
    while (next < count) {
        if (app.jobs.stopRequested()) return;
        const Text prefix = ui.readText(kPrefix);
        const Text suffix = ui.readText(kSuffix);
        Text batch;
        std::size_t batchLines = 0;
        do {
            appendAffixedLine(batch, prefix, lines[next], suffix);
            ++next;
        } while (next < count && ++batchLines < maxLineBreaksPerHandOver &&
                 batch.size() < maxBytesPerHandOver && !pacer.due());
        ui.appendText(kResult, batch);
    }
}

void insertWhole(ControlAccess& ui) {
    const Text prefix = ui.readText(kPrefix);
    const Text source = ui.readText(kSource);
    const Text suffix = ui.readText(kSuffix);
    ui.writeText(kResult, textConcat(prefix, source, suffix));
}

void insertAffixes(App& app) {
    app.controls.writeText(kResult, "");
    if (app.state.multiLineMode.load() == 1)
        insertPerLine(app);
    else
        insertWhole(app.controls);
    if (app.jobs.stopRequested()) return;
    setButtonsEnabled(app.controls, insertJobButtons, true);
}

}  // namespace

void onInsertClicked(App& app) {
    setButtonsEnabled(app.controls, insertJobButtons, false);
    startStage(app, insertJobButtons, [&app] { insertAffixes(app); });
}

}  // namespace nalvic
