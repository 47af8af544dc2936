// Random words and per-line affixes.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/text.h"
#include "text/text_array.h"

namespace nalvic {

// A word of `length` characters drawn with randomInRange(1, poolSize) from
// `pool`; empty when length <= 0. Requires a non-empty pool when length > 0.
Text composeWord(const TextArray& pool, int32_t length, int32_t poolSize);

// prefix + line + suffix + "\r\n", appended to `out`.
void appendAffixedLine(Text& out, std::string_view prefix, std::string_view line,
                       std::string_view suffix);

}  // namespace nalvic
