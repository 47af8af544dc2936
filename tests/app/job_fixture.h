// A window fake, a job runner and the program state, torn down the way the
// window does it: the hand-over is closed before the runner shuts down.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string_view>

#include "app/app.h"
#include "app/job_runner.h"
#include "fake_controls.h"

namespace nalvic::testing {

#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
inline constexpr bool sanitized = true;
#elif defined(__has_feature)
inline constexpr bool sanitized = __has_feature(thread_sanitizer) || __has_feature(address_sanitizer);
#else
inline constexpr bool sanitized = false;
#endif

// Sanitizer builds run many times slower: sizes that must outlast a few
// frames of work, and limits on how long a shutdown may take, scale with it.
constexpr int bySpeed(int optimized, int underSanitizer) {
    return sanitized ? underSanitizer : optimized;
}
inline const std::chrono::milliseconds promptShutdown{bySpeed(500, 2500)};

class JobFixture : public ::testing::Test {
protected:
    JobFixture() { ui.attach(app); }
    ~JobFixture() override { closeAndShutDown(); }

    // Serves the worker's hand-overs until the button is enabled again, which
    // a job does as the last step of its last stage.
    bool runUntilEnabled(std::string_view button,
                         std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
        return ui.runUntil([&] { return ui.enabled(button); }, timeout);
    }

    // Closes the window side and waits for every stage; returns how long the
    // wait for the stages took.
    std::chrono::milliseconds closeAndShutDown() {
        ui.close();
        const auto start = std::chrono::steady_clock::now();
        jobs.shutdown();
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
    }

    FakeControls ui;
    JobRunner jobs;
    App app{ui, jobs, "", {}};
};

}  // namespace nalvic::testing
