// Converting between a TextArray and a plain vector, to compare in tests.
#pragma once

#include <string>
#include <vector>

#include "text/text_array.h"

namespace nalvic {

using Texts = std::vector<std::string>;

inline Texts elements(const TextArray& array) {
    Texts out;
    for (int32_t i = 1; i <= arrayCount(array); ++i) out.emplace_back(arrayAt(array, i));
    return out;
}

inline TextArray arrayOf(const Texts& texts) {
    TextArray array;
    for (const auto& text : texts) arrayAppend(array, text);
    return array;
}

}  // namespace nalvic
