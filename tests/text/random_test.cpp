#include "text/random.h"

#include <gtest/gtest.h>

#include <ctime>
#include <optional>
#include <thread>
#include <vector>

namespace nalvic {
namespace {

// Runs `body` on a new thread, whose generator starts at state 1.
template <typename Body>
void onFreshThread(Body body) {
    std::thread(body).join();
}

int32_t raw() { return randomInRange(0, 32767); }

// The state a seeding left behind, worked out from the next three raw
// outputs: each output shows 15 bits of the state after a step, so only the
// top bit and the low 16 bits are searched.
uint32_t seedBehindNextOutputs() {
    const uint32_t r1 = static_cast<uint32_t>(raw());
    const uint32_t r2 = static_cast<uint32_t>(raw());
    const uint32_t r3 = static_cast<uint32_t>(raw());
    const auto step = [](uint32_t s) { return s * 214013u + 2531011u; };
    const auto output = [](uint32_t s) { return (s >> 16) & 0x7FFFu; };
    uint32_t inverse = 214013u;  // Newton's iteration for the inverse modulo 2^32
    for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
    for (uint32_t top = 0; top < 2; ++top) {
        for (uint32_t low = 0; low < 0x10000u; ++low) {
            const uint32_t first = (top << 31) | (r1 << 16) | low;
            if (output(step(first)) == r2 && output(step(step(first))) == r3)
                return (first - 2531011u) * inverse;
        }
    }
    ADD_FAILURE() << "no state gives the outputs " << r1 << ", " << r2 << ", " << r3;
    return 0;
}

TEST(RandomSource, FreshThreadStartsAtStateOne) {
    onFreshThread([] {
        std::vector<int32_t> firstOutputs;
        for (int i = 0; i < 5; ++i) firstOutputs.push_back(raw());
        EXPECT_EQ(firstOutputs, (std::vector<int32_t>{41, 18467, 6334, 26500, 19169}));
    });
}

TEST(RandomSource, RangeIsLowPlusRawModuloSize) {
    onFreshThread([] {
        EXPECT_EQ(randomInRange(1, 4), 2);  // 1 + 41 mod 4
        EXPECT_EQ(randomInRange(1, 3), 3);  // 1 + 18467 mod 3
    });
    onFreshThread([] {
        EXPECT_EQ(randomInRange(), 41);     // 0 .. 2147483647
        EXPECT_EQ(randomInRange(10), 10 + 18467);
        EXPECT_EQ(randomInRange(std::nullopt, 2), 6334 % 3);
    });
}

TEST(RandomSource, EqualBoundsSpendNoStep) {
    onFreshThread([] {
        EXPECT_EQ(randomInRange(5, 5), 5);
        EXPECT_EQ(randomInRange(-3, 0), 0);  // both bounds count as 0
        EXPECT_EQ(raw(), 41);
    });
}

TEST(RandomSource, NormalisesBounds) {
    struct Case {
        int32_t low, high, sameAsLow, sameAsHigh;
    };
    const Case cases[] = {
        {7, 3, 3, 7},
        {-5, 2, 0, 2},
        {1, 0, 0, 1},
        {3, -9, 0, 3},
        {0, INT32_MAX, 0, INT32_MAX},
        {INT32_MAX, 0, 0, INT32_MAX},
        {INT32_MAX - 1, INT32_MAX, INT32_MAX - 1, INT32_MAX},
    };
    for (const auto& c : cases) {
        for (uint32_t seed : {1u, 99u, 123456789u}) {
            seedRandom(seed);
            const int32_t got = randomInRange(c.low, c.high);
            seedRandom(seed);
            EXPECT_EQ(got, randomInRange(c.sameAsLow, c.sameAsHigh)) << c.low << ", " << c.high;
            EXPECT_GE(got, c.sameAsLow);
            EXPECT_LE(got, c.sameAsHigh);
        }
    }
}

TEST(RandomSource, NeverReachesBeyondLowPlus32767) {
    seedRandom(2024);
    int32_t highest = 0;
    for (int i = 0; i < 100000; ++i) highest = std::max(highest, randomInRange(0, 100000));
    EXPECT_LE(highest, 32767);
    EXPECT_GT(highest, 32000);
}

TEST(RandomSource, SameSeedSameDraws) {
    const auto draws = [] {
        std::vector<int32_t> out;
        for (int i = 0; i < 20; ++i) out.push_back(randomInRange(1, 1000));
        return out;
    };
    seedRandom(77);
    const auto first = draws();
    seedRandom(77);
    EXPECT_EQ(draws(), first);
}

TEST(RandomSource, StateBelongsToTheThread) {
    seedRandom(5);
    const int32_t expected = raw();
    seedRandom(5);
    onFreshThread([] {
        seedRandom(999);
        (void)raw();
    });
    onFreshThread([] { EXPECT_EQ(raw(), 41); });
    EXPECT_EQ(raw(), expected);
}

TEST(RandomSource, SeedingFromTheClockAdvancesTheCounter) {
    uint32_t ticks = 5000;
    setTickSource([&ticks] { return ticks; });
    seedRandom();
    const uint32_t first = seedBehindNextOutputs();
    seedRandom();  // same millisecond: the counter still makes it differ
    const uint32_t second = seedBehindNextOutputs();
    EXPECT_EQ(second, first + (first & 0xFFu) + 100u);
    ticks += 1000;
    seedRandom();
    EXPECT_EQ(seedBehindNextOutputs(), second + (second & 0xFFu) + 100u + 1000u);
    setTickSource({});
}

TEST(RandomSource, RealTickCountIsMillisecondsSinceBoot) {
    setTickSource({});
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto expected = static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                                static_cast<uint64_t>(now.tv_nsec) / 1'000'000u);
    EXPECT_LE(tickCount() - expected, 1000u);
    setTickSource([] { return 7u; });
    EXPECT_EQ(tickCount(), 7u);
    setTickSource({});
}

}  // namespace
}  // namespace nalvic
