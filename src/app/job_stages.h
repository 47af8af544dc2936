// What the stages of the insertion, shuffle and random-word jobs share: the
// buttons a job holds disabled while it runs, and starting the next stage.
#pragma once

#include <array>
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

void setButtonsEnabled(ControlAccess& controls, JobButtons buttons, bool enabled);

// Starts the next stage of a job. When it cannot start, the job ends here and
// its buttons are enabled again.
void startStage(App& app, JobButtons buttons, std::function<void()> stage);

// Reads the shuffle source box and cuts it, folded to half width, into
// app.state.charList.
void segmentShuffleSource(App& app);

}  // namespace nalvic
