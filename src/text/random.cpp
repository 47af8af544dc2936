#include "text/random.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <mutex>

#include "text/random_raw.h"

namespace nalvic {

namespace {

thread_local uint32_t state = 1;
std::atomic<int32_t> seedCounter{0};

std::mutex tickSourceMutex;
std::function<uint32_t()> tickSource;

uint32_t realTickCount() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto millis = static_cast<uint64_t>(now.tv_sec) * 1000u +
                        static_cast<uint64_t>(now.tv_nsec) / 1'000'000u;
    return static_cast<uint32_t>(millis);
}

}  // namespace

uint32_t nextRawRandom() noexcept {
    state = state * 214013u + 2531011u;
    return (state >> 16) & 0x7FFFu;
}

void nextRawRandoms(uint32_t* out, std::size_t n) noexcept {
    uint32_t s = state;
    for (std::size_t i = 0; i < n; ++i) {
        s = s * 214013u + 2531011u;
        out[i] = (s >> 16) & 0x7FFFu;
    }
    state = s;
}

void seedRandom(uint32_t seed) { state = seed; }

void seedRandom() {
    const uint32_t ticks = tickCount();
    int32_t counter = seedCounter.load();
    uint32_t seed = 0;
    // One read-modify-write, so that two threads seeding at once still get
    // different states.
    do {
        seed = ticks + static_cast<uint32_t>(counter);
    } while (!seedCounter.compare_exchange_weak(
        counter, static_cast<int32_t>(static_cast<uint32_t>(counter) + (seed & 0xFFu) + 100u)));
    state = seed;
}

int32_t randomInRange(std::optional<int32_t> low, std::optional<int32_t> high) {
    const int32_t lowBound = std::max(low.value_or(0), 0);
    const int32_t highBound = std::max(high.value_or(INT32_MAX), 0);
    const int32_t a = std::min(lowBound, highBound);
    const int32_t b = std::max(lowBound, highBound);
    if (a == b) return a;
    const uint32_t span = std::min<uint32_t>(static_cast<uint32_t>(b - a), 2147483646u);
    return a + static_cast<int32_t>(nextRawRandom() % (span + 1u));
}

uint32_t tickCount() {
    std::lock_guard lock(tickSourceMutex);
    return tickSource ? tickSource() : realTickCount();
}

void setTickSource(std::function<uint32_t()> source) {
    std::lock_guard lock(tickSourceMutex);
    tickSource = std::move(source);
}

}  // namespace nalvic
