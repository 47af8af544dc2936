#include "text/shuffle.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "text/random.h"

namespace nalvic {

namespace {

// The elements of one block not yet drawn, as a Fenwick tree of 0/1 counts,
// so that the c-th remaining element is found in O(log k) instead of by
// shifting a list.
class Remaining {
public:
    explicit Remaining(std::size_t count) : tree_(count + 1, 0), top_(std::bit_floor(count)) {
        for (std::size_t i = 1; i <= count; ++i) {
            tree_[i] += 1;
            if (const std::size_t parent = i + (i & -i); parent <= count) tree_[parent] += tree_[i];
        }
    }

    // Removes the c-th (1-based) remaining element and returns its 0-based
    // position in the block.
    std::size_t take(uint32_t c) {
        std::size_t pos = 0;
        for (std::size_t step = top_; step != 0; step >>= 1) {
            const std::size_t probe = pos + step;
            if (probe < tree_.size() && tree_[probe] < c) {
                pos = probe;
                c -= tree_[probe];
            }
        }
        for (std::size_t i = pos + 1; i < tree_.size(); i += i & -i) tree_[i] -= 1;
        return pos;
    }

private:
    std::vector<uint32_t> tree_;
    std::size_t top_;
};

}  // namespace

void shuffleBlock(TextArray& from, TextArray& to, int32_t k) {
    const auto count = static_cast<std::size_t>(std::clamp(k, 0, from.count()));
    Remaining remaining(count);
    for (std::size_t n = count; n >= 1; --n) {
        const auto c = static_cast<uint32_t>(randomInRange(1, static_cast<int32_t>(n)));
        to.append(from[remaining.take(c)]);
    }
    from.removeFirst(count);
}

void shuffleAllBlocks(TextArray& from, TextArray& to) {
    while (from.count() > shuffleBlockSize) shuffleBlock(from, to, shuffleBlockSize);
    shuffleBlock(from, to, from.count());
}

Text joinElements(const TextArray& array) { return Text(array.joined()); }

}  // namespace nalvic
