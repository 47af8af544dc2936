#include "text/shuffle.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "text/bits.h"
#include "text/large_buffer.h"
#include "text/random_raw.h"

namespace nalvic {

namespace {

// The positions of one block not yet drawn, one bit each, for blocks of up
// to 4096 positions: 64 words in 8 groups of 8. Running totals of the
// remaining positions, over the groups and over the words of each group,
// locate the c-th remaining one. Each set of 8 totals is one 16-byte vector
// (a compiler extension that GCC and Clang map to vector registers), so
// finding how many totals fall short of c, and lowering the totals from a
// place on, take a few instructions and no branch.
class SmallRemaining {
public:
    static constexpr std::size_t width = 8;
    static constexpr std::size_t capacity = width * width * 64;

    explicit SmallRemaining(std::size_t count) {
        words_.fill(0);
        // Groups and words past the block keep a total no draw can reach.
        groupTotals_ = Totals{} + INT16_MAX;
        for (auto& totals : wordTotals_) totals = Totals{} + INT16_MAX;
        for (std::size_t word = 0; word * 64 < count; ++word) {
            const std::size_t used = std::min<std::size_t>(64, count - word * 64);
            words_[word] = used == 64 ? ~uint64_t{0} : (uint64_t{1} << used) - 1;
            const std::size_t group = word / width;
            wordTotals_[group][word % width] = static_cast<int16_t>(word * 64 + used - group * width * 64);
            groupTotals_[group] = static_cast<int16_t>(word * 64 + used);
        }
    }

    // Replaces each draw c by the c-th (1-based) remaining position (0-based),
    // which it removes.
    void takeAll(std::vector<uint32_t>& draws) {
        // The group totals change with every draw and are needed by the
        // next, so they stay in a register rather than go through memory.
        Totals groupTotals = groupTotals_;
        for (uint32_t& draw : draws) draw = static_cast<uint32_t>(take(groupTotals, draw));
        groupTotals_ = groupTotals;
    }

private:
    using Totals = int16_t __attribute__((vector_size(16)));
    static constexpr Totals lanes = {0, 1, 2, 3, 4, 5, 6, 7};

    std::size_t take(Totals& groupTotals, uint32_t c) {
        const std::size_t group = shortOf(groupTotals, static_cast<int>(c));
        const int inGroup = static_cast<int>(c) - totalBefore(groupTotals, group);
        Totals& wordTotals = wordTotals_[group];
        const std::size_t word = shortOf(wordTotals, inGroup);
        const auto rank = static_cast<unsigned>(inGroup - 1 - totalBefore(wordTotals, word));
        uint64_t& positions = words_[group * width + word];
        const unsigned bit = bits::select(positions, rank);
        positions &= ~(uint64_t{1} << bit);
        lowerFrom(groupTotals, group);
        lowerFrom(wordTotals, word);
        return (group * width + word) * 64 + bit;
    }

    // The number of totals below `wanted`.
    static std::size_t shortOf(const Totals& totals, int wanted) {
        const Totals below = totals < (Totals{} + static_cast<int16_t>(wanted));  // lanes of -1 or 0
        uint64_t low = 0;
        uint64_t high = 0;
        std::memcpy(&low, &below, 8);
        std::memcpy(&high, reinterpret_cast<const char*>(&below) + 8, 8);
        constexpr uint64_t laneOnes = 0x0001000100010001u;
        return static_cast<std::size_t>((((low & laneOnes) + (high & laneOnes)) * laneOnes) >> 48);
    }
    static int totalBefore(const Totals& totals, std::size_t i) { return i == 0 ? 0 : totals[i - 1]; }
    static void lowerFrom(Totals& totals, std::size_t from) {
        totals += lanes >= (Totals{} + static_cast<int16_t>(from));  // adds -1 from `from` on
    }

    std::array<uint64_t, width * width> words_;
    Totals groupTotals_;                     // remaining in groups 0..i
    std::array<Totals, width> wordTotals_;   // remaining in words 0..j of a group
};

// The same for blocks of any size: a Fenwick tree over the words' counts.
class LargeRemaining {
public:
    explicit LargeRemaining(std::size_t count)
        : words_((count + 63) / 64, ~uint64_t{0}),
          top_(std::bit_ceil(std::max<std::size_t>(words_.size(), 1))),
          tree_(top_ + 1, 0) {
        if (count % 64 != 0) words_.back() = (uint64_t{1} << (count % 64)) - 1;
        for (std::size_t i = 1; i <= top_; ++i) {
            if (i <= words_.size()) tree_[i] += bits::count(words_[i - 1]);
            if (const std::size_t parent = i + (i & (~i + 1)); parent <= top_) tree_[parent] += tree_[i];
        }
    }

    void takeAll(std::vector<uint32_t>& draws) {
        for (uint32_t& draw : draws) draw = static_cast<uint32_t>(take(draw));
    }

private:
    std::size_t take(uint32_t c) {
        std::size_t word = 0;
        for (std::size_t step = top_ / 2; step != 0; step >>= 1) {
            if (tree_[word + step] < c) {
                word += step;
                c -= tree_[word];
            }
        }
        const unsigned bit = bits::select(words_[word], c - 1);
        words_[word] &= ~(uint64_t{1} << bit);
        for (std::size_t i = word + 1; i <= top_; i += i & (~i + 1)) --tree_[i];
        return word * 64 + bit;
    }

    std::vector<uint64_t> words_;
    std::size_t top_;
    std::vector<uint32_t> tree_;
};

// The draws of a block of k: the j-th (from 0) is what randomInRange(1, k - j)
// gives. They do not depend on what is drawn, so they are all made first,
// in one tight loop.
std::vector<uint32_t> drawsForBlock(std::size_t k) {
    static constexpr auto reciprocals = [] {
        std::array<uint64_t, shuffleBlockSize + 1> table{};
        for (uint32_t n = 1; n < table.size(); ++n) table[n] = reciprocalOf(n);
        return table;
    }();
    std::vector<uint32_t> draws(k);
    if (k == 0) return draws;
    // The last draw has equal bounds and takes no step of the generator.
    nextRawRandoms(draws.data(), k - 1);
    for (std::size_t j = 0; j + 1 < k; ++j) {
        const auto n = static_cast<uint32_t>(k - j);
        draws[j] = oneTo(draws[j], n, n < reciprocals.size() ? reciprocals[n] : reciprocalOf(n));
    }
    draws[k - 1] = 1;
    return draws;
}

}  // namespace

void shuffleBlock(TextArray& from, TextArray& to, int32_t k) {
    const auto count = static_cast<std::size_t>(std::clamp(k, 0, from.count()));
    // The j-th draw picks among the count - j positions not yet drawn; the
    // draws become the positions picked, in place.
    std::vector<uint32_t> order = drawsForBlock(count);
    if (count <= SmallRemaining::capacity)
        SmallRemaining(count).takeAll(order);
    else
        LargeRemaining(count).takeAll(order);
    to.appendReordered(from, 0, order.data(), count);
    from.removeFirst(count);
}

bool shuffleAllBlocks(TextArray& from, TextArray& to, const std::function<bool()>& stop) {
    // Room for all, plus the spare bytes a block is written with.
    to.reserve(static_cast<std::size_t>(from.count()), from.byteCount() + 2 * shuffleBlockSize + 1);
    while (from.count() > shuffleBlockSize) {
        if (stop && stop()) return false;
        shuffleBlock(from, to, shuffleBlockSize);
    }
    shuffleBlock(from, to, from.count());
    return true;
}

Text joinElements(const TextArray& array) { return array.joined(); }

}  // namespace nalvic
