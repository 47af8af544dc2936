// The generator's raw step, and forming 1 + r mod n from it without a
// division, for engine code that draws in bulk. The results are exactly
// those of randomInRange(1, n).
#pragma once

#include <cstddef>
#include <cstdint>

namespace nalvic {

// One step of the calling thread's generator; a value from 0 to 32767.
uint32_t nextRawRandom() noexcept;
// `n` steps, their outputs into out[0..n).
void nextRawRandoms(uint32_t* out, std::size_t n) noexcept;

// ceil(2^32 / n) for n >= 1, with which oneTo forms r mod n.
constexpr uint64_t reciprocalOf(uint32_t n) { return ((uint64_t{1} << 32) + n - 1) / n; }

// 1 + r mod n for a raw output r (below 2^15) and n >= 2, given
// reciprocalOf(n). Exact: the error of the reciprocal is below n, so
// (r * reciprocal) >> 32 is r / n whenever r times that error stays below
// 2^32, which holds for every n up to 32767; above that, r mod n is r.
constexpr uint32_t oneTo(uint32_t r, uint32_t n, uint64_t reciprocal) {
    if (n > 32767) return 1 + r;
    const auto quotient = static_cast<uint32_t>((uint64_t{r} * reciprocal) >> 32);
    return 1 + r - quotient * n;
}

}  // namespace nalvic
