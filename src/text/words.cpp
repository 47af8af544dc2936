#include "text/words.h"

#include "text/large_buffer.h"
#include "text/random.h"
#include "text/random_raw.h"

namespace nalvic {

Text composeWord(const TextArray& pool, int32_t length, int32_t poolSize) {
    Text word;
    if (length <= 0) return word;
    if (poolSize < 2 || poolSize > pool.count()) {
        // The draws may fall outside the pool: let arrayAt judge each one.
        for (int32_t i = 0; i < length; ++i) word.append(arrayAt(pool, randomInRange(1, poolSize)));
        return word;
    }
    const auto size = static_cast<uint32_t>(poolSize);
    const uint64_t reciprocal = reciprocalOf(size);
    for (int32_t i = 0; i < length; ++i)
        word.append(pool[oneTo(nextRawRandom(), size, reciprocal) - 1]);
    return word;
}

void appendAffixedLine(Text& out, std::string_view prefix, std::string_view line,
                       std::string_view suffix) {
    makeRoom(out, prefix.size() + line.size() + suffix.size() + 2);
    out.append(prefix).append(line).append(suffix).append("\r\n");
}

}  // namespace nalvic
