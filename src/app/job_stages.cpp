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

namespace {

// How much of `lines` goes into the next hand-over: whole lines within the
// limits, but at least one line, however long.
std::size_t pieceLength(std::string_view lines) {
    std::size_t end = 0;
    for (std::size_t count = 0; count < maxLinesPerHandOver && end < lines.size(); ++count) {
        const std::size_t lineEnd = lines.find("\r\n", end);
        const std::size_t next = lineEnd == std::string_view::npos ? lines.size() : lineEnd + 2;
        if (end != 0 && next > maxBytesPerHandOver) break;
        end = next;
    }
    return end;
}

}  // namespace

void writeLinesInPieces(App& app, std::string_view box, std::string_view lines) {
    std::size_t length = pieceLength(lines);
    app.controls.writeText(box, lines.substr(0, length));
    for (lines.remove_prefix(length); !lines.empty(); lines.remove_prefix(length)) {
        if (app.jobs.stopRequested()) return;
        length = pieceLength(lines);
        app.controls.appendText(box, lines.substr(0, length));
    }
}

void segmentShuffleSource(App& app) {
    Text source = app.controls.readText("编辑框_打乱原文本");
    segmentCharacters(source, app.state.charList);
}

}  // namespace nalvic
