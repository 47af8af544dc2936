// What the stages of the insertion, shuffle and random-word jobs share: the
// buttons a job holds disabled while it runs, and starting the next stage.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

#include "app/app.h"

namespace nalvic {

using JobButtons = std::span<const std::string_view>;

// The shuffle and the random words share charList and shuffledList, so either
// job holds both buttons; an insertion holds its own.
inline constexpr std::array<std::string_view, 2> characterJobButtons{"按钮_打乱", "按钮_随机组词"};
inline constexpr std::array<std::string_view, 1> insertJobButtons{"按钮_插入文本"};

// How much text one hand-over may add to a box. Laying out a line costs the
// user-interface thread microseconds, so a few thousand line breaks ("\r",
// "\n" or both) keep every step well inside a frame's budget.
inline constexpr std::size_t maxLineBreaksPerHandOver = 4096;
inline constexpr std::size_t maxBytesPerHandOver = 256 * 1024;

void setButtonsEnabled(ControlAccess& controls, JobButtons buttons, bool enabled);

// Starts the next stage of a job. When it cannot start, the job ends here and
// its buttons are enabled again.
void startStage(App& app, JobButtons buttons, std::function<void()> stage);

// Writes the text into the box in pieces of whole lines of at most the sizes
// above: the first piece replaces the box's text, the others are appended.
// Stops early when the program shuts down.
void writeInPieces(App& app, std::string_view box, std::string_view text);

// Reads the shuffle source box and cuts it, folded to half width, into
// app.state.charList.
void segmentShuffleSource(App& app);

}  // namespace nalvic
