// Block shuffle: characters are shuffled within consecutive blocks of
// `shuffleBlockSize`, drawing from the calling thread's generator.
#pragma once

#include <cstdint>
#include <functional>

#include "text/text_array.h"

namespace nalvic {

inline constexpr int32_t shuffleBlockSize = 3000;

// Moves the first k elements of `from` to the end of `to` in random order:
// k times, c := randomInRange(1, n) and the c-th element not yet drawn is
// moved, n counting down from k.
void shuffleBlock(TextArray& from, TextArray& to, int32_t k);

// The whole block stage: shuffleBlock over full blocks while more than a
// block remains, then once over the rest (0..3000 elements). `stop`, when
// given, is asked before each full block; false when it stopped the shuffle.
bool shuffleAllBlocks(TextArray& from, TextArray& to, const std::function<bool()>& stop = {});

// Joins all elements in order.
Text joinElements(const TextArray& array);

}  // namespace nalvic
