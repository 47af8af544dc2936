// The random source: a per-thread linear congruential generator.
//
// Each thread starts at state 1. One step: s = s * 214013 + 2531011 (mod 2^32),
// output (s >> 16) & 0x7FFF.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace nalvic {

// Sets the calling thread's state to `seed`.
void seedRandom(uint32_t seed);
// Seeds from the tick count plus the process-wide seed counter, then advances
// the counter by (seed & 0xFF) + 100.
void seedRandom();

// A number between the bounds, both included. Missing low: 0; missing high:
// 2147483647; negative bounds count as 0; swapped bounds are swapped back.
// Equal bounds return at once without a step; otherwise low + r mod (span+1)
// with span at most 2147483646.
int32_t randomInRange(std::optional<int32_t> low = std::nullopt,
                      std::optional<int32_t> high = std::nullopt);

// Milliseconds since the system started, 32 bits, wrapping.
uint32_t tickCount();
// Replaces the tick source (tests); an empty function restores the real one.
void setTickSource(std::function<uint32_t()> source);

}  // namespace nalvic
