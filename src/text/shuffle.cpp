#include "text/shuffle.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "text/large_buffer.h"
#include "text/random_raw.h"

namespace nalvic {

namespace {

constexpr uint64_t ones8 = 0x0101010101010101u;
constexpr uint64_t highs8 = 0x8080808080808080u;

// Each byte of the result holds the number of set bits in that byte of x.
constexpr uint64_t bitsPerByte(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    return (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
}

constexpr unsigned bitCount(uint64_t x) { return static_cast<unsigned>((bitsPerByte(x) * ones8) >> 56); }

// selectInByte[byte][r]: the position of the (r+1)-th set bit of byte.
constexpr auto selectInByte = [] {
    std::array<std::array<uint8_t, 8>, 256> table{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        unsigned rank = 0;
        for (unsigned bit = 0; bit < 8; ++bit)
            if (byte & (1u << bit)) table[byte][rank++] = static_cast<uint8_t>(bit);
    }
    return table;
}();

// The position of the (rank+1)-th set bit of word; rank < bitCount(word).
// Branch-free: byte-wise prefix counts locate the byte, a table the bit.
constexpr unsigned selectInWord(uint64_t word, unsigned rank) {
    const uint64_t prefix = bitsPerByte(word) * ones8;  // byte i: set bits in bytes 0..i
    // High bit of byte i set where prefix_i <= rank; those bytes come first.
    const uint64_t before = ((rank * ones8 | highs8) - prefix) & highs8;
    const unsigned byte = static_cast<unsigned>(((before >> 7) * ones8) >> 56);
    const unsigned shift = byte * 8;
    const unsigned skipped = static_cast<unsigned>((prefix << 8 >> shift) & 0xFF);
    return shift + selectInByte[(word >> shift) & 0xFF][rank - skipped];
}

// The positions of one block not yet drawn, one bit each, for blocks of up
// to 4096 positions. The word holding the c-th remaining position is found
// by counting the words whose running totals fall short of c: a fixed-size
// loop over 64 short integers that the compiler turns into a few vector
// instructions, with no branch to mispredict.
class SmallRemaining {
public:
    static constexpr std::size_t capacity = 64 * 64;

    explicit SmallRemaining(std::size_t count) {
        words_.fill(0);
        // Words past the block keep a total no draw can reach.
        totals_.fill(INT16_MAX);
        for (std::size_t word = 0; word * 64 < count; ++word) {
            const std::size_t bits = std::min<std::size_t>(64, count - word * 64);
            words_[word] = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
            totals_[word] = static_cast<int16_t>(word * 64 + bits);
        }
    }

    // Removes the c-th (1-based) remaining position and returns it (0-based).
    std::size_t take(uint32_t c) {
        // Both loops are kept in 16-bit arithmetic, which is what lets the
        // compiler vectorise them.
        const auto wanted = static_cast<int16_t>(c);
        int16_t word = 0;
        for (std::size_t i = 0; i < totals_.size(); ++i)
            word = static_cast<int16_t>(word + (totals_[i] < wanted));
        const unsigned before = word == 0 ? 0 : static_cast<unsigned>(totals_[static_cast<std::size_t>(word) - 1]);
        const unsigned bit = selectInWord(words_[static_cast<std::size_t>(word)], c - 1 - before);
        words_[static_cast<std::size_t>(word)] &= ~(uint64_t{1} << bit);
        for (int16_t i = 0; i < static_cast<int16_t>(totals_.size()); ++i)
            totals_[static_cast<std::size_t>(i)] = static_cast<int16_t>(totals_[static_cast<std::size_t>(i)] - (i >= word));
        return static_cast<std::size_t>(word) * 64 + bit;
    }

private:
    std::array<uint64_t, 64> words_;
    alignas(64) std::array<int16_t, 64> totals_;  // remaining in words 0..i
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
            if (i <= words_.size()) tree_[i] += bitCount(words_[i - 1]);
            if (const std::size_t parent = i + (i & (~i + 1)); parent <= top_) tree_[parent] += tree_[i];
        }
    }

    std::size_t take(uint32_t c) {
        std::size_t word = 0;
        for (std::size_t step = top_ / 2; step != 0; step >>= 1) {
            if (tree_[word + step] < c) {
                word += step;
                c -= tree_[word];
            }
        }
        const unsigned bit = selectInWord(words_[word], c - 1);
        words_[word] &= ~(uint64_t{1} << bit);
        for (std::size_t i = word + 1; i <= top_; i += i & (~i + 1)) --tree_[i];
        return word * 64 + bit;
    }

private:
    std::vector<uint64_t> words_;
    std::size_t top_;
    std::vector<uint32_t> tree_;
};

// 1 + r mod n, as randomInRange(1, n) forms it from a raw output r, without
// a division: for n up to 4096 the quotient r / n is (r * ceil(2^32 / n)) >> 32,
// exact because r stays below 2^15.
class OneTo {
public:
    static uint32_t draw(uint32_t n) {
        if (n == 1) return 1;  // equal bounds: no step of the generator
        const uint32_t r = nextRawRandom();
        if (n >= reciprocals.size()) return 1 + r % n;
        const auto quotient = static_cast<uint32_t>((uint64_t{r} * reciprocals[n]) >> 32);
        return 1 + r - quotient * n;
    }

private:
    static constexpr auto reciprocals = [] {
        std::array<uint64_t, 4097> table{};
        for (uint64_t n = 1; n < table.size(); ++n) table[n] = ((uint64_t{1} << 32) + n - 1) / n;
        return table;
    }();
};

}  // namespace

void shuffleBlock(TextArray& from, TextArray& to, int32_t k) {
    const auto count = static_cast<std::size_t>(std::clamp(k, 0, from.count()));
    std::vector<std::string_view> block(count);
    from.views(0, count, block.data());
    std::vector<std::string_view> drawn(count);
    // The j-th draw picks among the count - j positions not yet drawn.
    const auto drawAll = [&](auto remaining) {
        for (std::size_t j = 0; j < count; ++j)
            drawn[j] = block[remaining.take(OneTo::draw(static_cast<uint32_t>(count - j)))];
    };
    if (count <= SmallRemaining::capacity)
        drawAll(SmallRemaining(count));
    else
        drawAll(LargeRemaining(count));
    to.appendMany(drawn.data(), count);
    from.removeFirst(count);
}

void shuffleAllBlocks(TextArray& from, TextArray& to) {
    to.reserve(static_cast<std::size_t>(from.count()), from.joined().size());
    while (from.count() > shuffleBlockSize) shuffleBlock(from, to, shuffleBlockSize);
    shuffleBlock(from, to, from.count());
}

Text joinElements(const TextArray& array) {
    Text joined;
    reserveMore(joined, array.joined().size());
    joined.append(array.joined());
    return joined;
}

}  // namespace nalvic
