// Program-wide state and the context every handler and stage runs in.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "app/control_access.h"
#include "app/job_runner.h"
#include "text/text_array.h"

namespace nalvic {

struct AppState {
    // Flags written on the user-interface thread only; jobs read them.
    std::atomic<int32_t> multiLineMode{0};
    std::atomic<int32_t> caseSensitive{1};
    std::atomic<int32_t> dedupeWords{0};
    // Shared by the shuffle and random-word jobs, which never overlap.
    TextArray charList;
    TextArray shuffledList;
};

struct App {
    ControlAccess& controls;
    JobRunner& jobs;
    // The program's web site, such as "http://example.org"; no trailing slash.
    std::string siteAddress;
    AppState state;
};

}  // namespace nalvic
