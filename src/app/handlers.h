// The event handlers of MainWindow and HelpWindow. Each runs on the
// user-interface thread, one at a time; the ones that start background jobs
// return as soon as the first stage is started.
#pragma once

#include <string_view>

#include "app/app.h"

namespace nalvic {

// Start-up
void onMainWindowCreated(App& app);
void onHelpWindowCreated(App& app);

// Replacement page
void onReplaceClicked(App& app);
void onIgnoreCaseClicked(App& app);

// Insertion page
void onInsertClicked(App& app);
void onMultiTextClicked(App& app);

// Shuffle and random-word page
void onShuffleClicked(App& app);
void onRandomWordsClicked(App& app);
void onDedupeClicked(App& app);
void onMinLengthChanged(App& app);
void onMaxLengthChanged(App& app);

// Top band
void onHelpLinkPressed(App& app);
void onHomePagePressed(App& app);

// Copy and clear buttons
void copyBoxToClipboard(App& app, std::string_view box);
void clearBox(App& app, std::string_view box);

}  // namespace nalvic
