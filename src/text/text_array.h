// TextArray: an ordered list of texts indexed from 1 that owns its elements.
//
// Elements are stored back to back in one buffer, so that a list of millions
// of one- and two-byte characters costs a few bytes per element, and removing
// elements from the front is cheap.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace nalvic {

// Thrown by `arrayAt` for an index outside 1..count.
class ArrayIndexError : public std::out_of_range {
public:
    enum class Kind { BelowOne, BeyondCount };
    ArrayIndexError(Kind kind, int32_t index);
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

class TextArray {
public:
    TextArray() = default;

    int32_t count() const noexcept;
    // Unchecked, 0-based: the hot-path accessor.
    std::string_view operator[](std::size_t zeroBased) const noexcept;

    void append(std::string_view text);
    void removeAt(int32_t index);  // 1-based; no-op outside 1..count
    // Removes the first min(n, count) elements; cheap, whatever n.
    void removeFirst(std::size_t n);
    void reset() noexcept;
    // Reserves room for `elements` elements holding `bytes` bytes in all.
    void reserve(std::size_t elements, std::size_t bytes);

    // Every element, in order, back to back.
    std::string_view joined() const noexcept;

private:
    void dropDeadFront();

    // Element i (0-based) holds bytes_[offsets_[first_ + i], offsets_[first_ + i + 1]).
    // Elements before first_ are removed ones whose bytes are still held until
    // enough of them pile up to be worth compacting away.
    std::string bytes_;
    std::vector<uint32_t> offsets_{0};
    std::size_t first_ = 0;
};

int32_t arrayCount(const TextArray& array);
// Element `index` (1-based). Throws ArrayIndexError outside 1..count. The
// view is valid until the array is next changed.
std::string_view arrayAt(const TextArray& array, int32_t index);
void arrayAppend(TextArray& array, std::string_view text);
void arrayRemoveAt(TextArray& array, int32_t index);
void arrayReset(TextArray& array);

// Cuts `text` at each occurrence of `delimiter`, stepping over two-byte
// characters; a trailing delimiter adds no empty element; the empty text
// gives no element; an empty delimiter gives the whole text.
TextArray textSplit(std::string_view text, std::string_view delimiter);

}  // namespace nalvic
