#include "app/job_stages.h"

#include <algorithm>

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

// How much of `text` goes into the next hand-over: whole lines within the
// limits, but at least one line, however long. A piece ends right after a
// line feed that is a character of its own, so it never splits a two-byte
// character nor a "\r\n".
std::size_t pieceLength(std::string_view text) {
    std::size_t end = 0;
    std::size_t breaks = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        i = std::min(text.size(), i + (static_cast<unsigned char>(c) >= 0x80 ? 2 : 1));
        if (end != 0 && i > maxBytesPerHandOver) return end;
        if (c == '\r' || c == '\n') ++breaks;
        if (c == '\n') {
            end = i;
            if (breaks >= maxLineBreaksPerHandOver) return end;
        }
    }
    return text.size();
}

}  // namespace

void writeInPieces(App& app, std::string_view box, std::string_view text) {
    std::size_t length = pieceLength(text);
    app.controls.writeText(box, text.substr(0, length));
    for (text.remove_prefix(length); !text.empty(); text.remove_prefix(length)) {
        if (app.jobs.stopRequested()) return;
        length = pieceLength(text);
        app.controls.appendText(box, text.substr(0, length));
    }
}

void segmentShuffleSource(App& app) {
    Text source = app.controls.readText("编辑框_打乱原文本");
    segmentCharacters(source, app.state.charList);
}

}  // namespace nalvic
