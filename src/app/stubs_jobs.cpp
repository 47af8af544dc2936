// Placeholders until the background jobs are built.
#include "app/handlers.h"

namespace nalvic {
JobRunner::~JobRunner() = default;
bool JobRunner::startJob(std::function<void()>) { return false; }
bool JobRunner::stopRequested() const { return false; }
void JobRunner::shutdown() {}
void onInsertClicked(App&) {}
void onShuffleClicked(App&) {}
void onRandomWordsClicked(App&) {}
}  // namespace nalvic
