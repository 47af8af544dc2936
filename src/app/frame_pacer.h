// Tells a worker loop when a display frame has passed, so that it hands its
// results to the user-interface thread at most about once a frame instead of
// once per element: a hand-over costs tens of microseconds and a repaint far
// more, while producing one element costs nanoseconds.
#pragma once

#include <chrono>
#include <cstdint>

namespace nalvic {

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration frame = std::chrono::milliseconds(16);

    // `stride`: how many calls of due() share one look at the clock; a power
    // of two, larger for cheaper elements.
    explicit FramePacer(uint32_t stride = 1) : mask_(stride - 1) {}

    // True when a frame has passed since it last returned true (or since the
    // pacer was made).
    bool due() {
        if ((++calls_ & mask_) != 0) return false;
        const auto now = Clock::now();
        if (now < next_) return false;
        next_ = now + frame;
        return true;
    }

private:
    uint32_t mask_;
    uint32_t calls_ = 0;
    Clock::time_point next_ = Clock::now() + frame;
};

}  // namespace nalvic
