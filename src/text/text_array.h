// TextArray: an ordered list of texts indexed from 1 that owns its elements.
//
// Elements are stored in one buffer. While every element is one or two bytes
// long (the characters of a text), an element costs its bytes plus about a
// bit and a half; other lists keep a 32-bit start and end per element.
// Removing elements from the front is cheap either way.
#pragma once

#include <concepts>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
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
    // Appends elements first + order[0], first + order[1], ... (0-based,
    // each inside 0..count) of `source`, in that order.
    void appendReordered(const TextArray& source, std::size_t first, const uint32_t* order,
                         std::size_t n);
    // Appends every character of `text` as an element of its own: a byte
    // below 0x80, or a byte of 0x80 or more with the byte after it (alone
    // when it is the last byte).
    void appendCharacters(std::string_view text);
    void removeAt(int32_t index);  // 1-based; no-op outside 1..count
    // Removes the first min(n, count) elements; cheap, whatever n.
    void removeFirst(std::size_t n);
    void reset() noexcept;
    // Reserves room for `elements` elements holding `bytes` bytes in all.
    void reserve(std::size_t elements, std::size_t bytes);

    // The number of bytes of all elements together.
    std::size_t byteCount() const noexcept;
    // Every element, in order, back to back.
    Text joined() const;

    // The array of the pieces [starts[i], ends[i]) of `bytes`, which it
    // takes over; the pieces ascend and do not overlap.
    static TextArray fromPieces(Text bytes, std::vector<uint32_t> starts, std::vector<uint32_t> ends);

private:
    static constexpr std::size_t groupSize = 64;

    // Throws std::length_error unless `elements` more elements holding
    // `bytes` more bytes fit.
    void checkRoom(std::size_t elements, std::size_t bytes) const;
    std::size_t startOf(std::size_t slot) const noexcept;
    std::size_t endOf(std::size_t slot) const noexcept;
    void appendCharacter(std::string_view text);
    void appendCharacterInRoom(std::string_view text);
    void usePieces();
    void dropDeadFront();
    void dropGaps();

    // Slots count every element ever appended since the last compaction;
    // the first `first_` of them are removed elements whose bytes are still
    // held until enough of them pile up to be worth compacting away.
    std::string bytes_;
    std::size_t slots_ = 0;
    std::size_t first_ = 0;
    // While `characters_`: the elements lie back to back; one bit per slot,
    // set for a two-byte element, and the byte offset at which each group
    // of 64 slots starts.
    bool characters_ = true;
    std::vector<uint64_t> wide_;
    std::vector<uint32_t> groupStarts_;
    // Otherwise: where each slot's bytes start and end. Bytes between the
    // pieces (the delimiters of a split, removed elements) belong to none.
    std::vector<uint32_t> starts_;
    std::vector<uint32_t> ends_;
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

// The same for a text the array may take over: its bytes are kept as they
// are, delimiters included, instead of being copied piece by piece.
TextArray textSplitTaking(Text text, std::string_view delimiter);

// A Text passed as an rvalue (such as one just read) is taken over.
template <typename T>
    requires std::same_as<T, Text>
TextArray textSplit(T&& text, std::string_view delimiter) {
    return textSplitTaking(std::move(text), delimiter);
}

}  // namespace nalvic
