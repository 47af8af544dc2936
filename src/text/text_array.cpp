#include "text/text_array.h"

#include <algorithm>
#include <string>

#include "text/bits.h"
#include "text/char_scan.h"
#include "text/large_buffer.h"

namespace nalvic {

namespace {

std::string indexErrorMessage(ArrayIndexError::Kind kind, int32_t index) {
    const char* what = kind == ArrayIndexError::Kind::BelowOne ? "below 1" : "beyond the count";
    return "array index " + std::to_string(index) + " is " + what;
}

uint64_t bitsBelow(std::size_t bit) { return (uint64_t{1} << bit) - 1; }

}  // namespace

ArrayIndexError::ArrayIndexError(Kind kind, int32_t index)
    : std::out_of_range(indexErrorMessage(kind, index)), kind_(kind) {}

int32_t TextArray::count() const noexcept { return static_cast<int32_t>(slots_ - first_); }

std::size_t TextArray::startOf(std::size_t slot) const noexcept {
    if (!characters_) return starts_[slot];
    const std::size_t group = slot / groupSize;
    const std::size_t inGroup = slot % groupSize;
    // Each slot before this one in its group takes one byte, or two when wide.
    return groupStarts_[group] + inGroup + bits::count(wide_[group] & bitsBelow(inGroup));
}

std::size_t TextArray::endOf(std::size_t slot) const noexcept {
    if (!characters_) return ends_[slot];
    return startOf(slot) + 1 + ((wide_[slot / groupSize] >> (slot % groupSize)) & 1u);
}

std::string_view TextArray::operator[](std::size_t zeroBased) const noexcept {
    const std::size_t slot = first_ + zeroBased;
    const std::size_t start = startOf(slot);
    return std::string_view(bytes_).substr(start, endOf(slot) - start);
}

// Counts are 32-bit signed and byte offsets 32-bit unsigned.
void TextArray::checkRoom(std::size_t elements, std::size_t bytes) const {
    if (slots_ - first_ + elements > static_cast<std::size_t>(INT32_MAX) ||
        bytes_.size() + bytes > UINT32_MAX)
        throw std::length_error("TextArray too large");
}

void TextArray::append(std::string_view text) {
    checkRoom(1, text.size());
    if (characters_ && (text.size() == 1 || text.size() == 2)) {
        appendCharacter(text);
        return;
    }
    if (characters_) usePieces();
    makeRoom(starts_, 1);
    starts_.push_back(static_cast<uint32_t>(bytes_.size()));
    makeRoom(bytes_, text.size());
    bytes_.append(text);
    makeRoom(ends_, 1);
    ends_.push_back(static_cast<uint32_t>(bytes_.size()));
    ++slots_;
}

void TextArray::appendCharacter(std::string_view text) {
    makeRoom(bytes_, 2);
    makeRoom(groupStarts_, 1);
    makeRoom(wide_, 1);
    appendCharacterInRoom(text);
}

// Appends a one- or two-byte element; the buffers have room for it.
void TextArray::appendCharacterInRoom(std::string_view text) {
    const std::size_t inGroup = slots_ % groupSize;
    if (inGroup == 0) {
        groupStarts_.push_back(static_cast<uint32_t>(bytes_.size()));
        wide_.push_back(0);
    }
    bytes_.push_back(text[0]);
    if (text.size() == 2) {
        wide_.back() |= uint64_t{1} << inGroup;
        bytes_.push_back(text[1]);
    }
    ++slots_;
}

void TextArray::appendReordered(const TextArray& source, std::size_t first, const uint32_t* order,
                                std::size_t n) {
    if (!characters_ || !source.characters_ || &source == this) {
        std::vector<std::string> copies;
        copies.reserve(n);
        for (std::size_t i = 0; i < n; ++i) copies.emplace_back(source[first + order[i]]);
        for (const auto& copy : copies) append(copy);
        return;
    }
    checkRoom(n, 2 * n);
    if (n == 0) return;
    // The order may reach anywhere in the source: first read the range it
    // covers in one sequential pass, as (first byte, second byte, wide).
    uint32_t highest = 0;
    for (std::size_t i = 0; i < n; ++i) highest = std::max(highest, order[i]);
    std::vector<uint32_t> characters(std::size_t{highest} + 1);
    std::size_t slot = source.first_ + first;
    std::size_t start = source.startOf(slot);
    for (uint32_t& character : characters) {
        const auto wide = static_cast<uint32_t>((source.wide_[slot / groupSize] >> (slot % groupSize)) & 1u);
        character = static_cast<unsigned char>(source.bytes_[start]) |
                    static_cast<uint32_t>(static_cast<unsigned char>(source.bytes_[start + wide])) << 8 |
                    wide << 16;
        start += 1 + wide;
        ++slot;
    }
    makeRoom(groupStarts_, n / groupSize + 1);
    makeRoom(wide_, n / groupSize + 1);
    // Two bytes are written for every element whatever its width, so that
    // the mix of widths costs no branch; what is not used is cut off below.
    makeRoom(bytes_, 2 * n + 1);
    const std::size_t oldSize = bytes_.size();
    bytes_.resize(oldSize + 2 * n + 1);
    char* const base = bytes_.data();
    char* out = base + oldSize;
    // The wide bits of the current group gather in a register and are
    // stored once the group is full or the elements run out.
    uint64_t wideBits = wide_.empty() ? 0 : wide_.back();
    for (std::size_t i = 0; i < n; ++i, ++slots_) {
        const uint32_t character = characters[order[i]];
        const uint32_t wide = character >> 16;
        const std::size_t inGroup = slots_ % groupSize;
        if (inGroup == 0) {
            if (!wide_.empty()) wide_.back() = wideBits;
            groupStarts_.push_back(static_cast<uint32_t>(out - base));
            wide_.push_back(0);
            wideBits = 0;
        }
        wideBits |= uint64_t{wide} << inGroup;
        out[0] = static_cast<char>(character & 0xFF);
        out[1] = static_cast<char>((character >> 8) & 0xFF);
        out += 1 + wide;
    }
    wide_.back() = wideBits;
    bytes_.resize(static_cast<std::size_t>(out - base));
}

void TextArray::appendCharacters(std::string_view text) {
    if (!characters_) {
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t width = static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size() ? 2 : 1;
            append(text.substr(i, width));
            i += width;
        }
        return;
    }
    checkRoom(text.size(), text.size());
    const std::size_t base = bytes_.size();
    makeRoom(bytes_, text.size());
    bytes_.append(text);
    makeRoom(groupStarts_, text.size() / groupSize + 1);
    makeRoom(wide_, text.size() / groupSize + 1);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    // The wide bits of the current group gather in a register, as above.
    uint64_t wideBits = wide_.empty() ? 0 : wide_.back();
    for (std::size_t i = 0; i < text.size(); ++slots_) {
        const std::size_t inGroup = slots_ % groupSize;
        if (inGroup == 0) {
            if (!wide_.empty()) wide_.back() = wideBits;
            groupStarts_.push_back(static_cast<uint32_t>(base + i));
            wide_.push_back(0);
            wideBits = 0;
        }
        // Computed rather than branched on: the widths of a mixed text
        // follow no pattern a branch predictor could learn.
        const std::size_t wide = static_cast<std::size_t>(bytes[i] >> 7) & (i + 1 < text.size() ? 1u : 0u);
        wideBits |= uint64_t{wide} << inGroup;
        i += 1 + wide;
    }
    if (!wide_.empty()) wide_.back() = wideBits;
}

// Switches to a start and an end per slot, for elements of any length.
void TextArray::usePieces() {
    std::vector<uint32_t> starts;
    std::vector<uint32_t> ends;
    reserveMore(starts, slots_ + 1);
    reserveMore(ends, slots_ + 1);
    for (std::size_t slot = 0; slot < slots_; ++slot) {
        starts.push_back(static_cast<uint32_t>(startOf(slot)));
        ends.push_back(static_cast<uint32_t>(endOf(slot)));
    }
    starts_ = std::move(starts);
    ends_ = std::move(ends);
    characters_ = false;
    wide_ = {};
    groupStarts_ = {};
}

void TextArray::removeAt(int32_t index) {
    if (index < 1 || index > count()) return;
    if (index == 1) {
        removeFirst(1);
        return;
    }
    if (characters_) usePieces();
    // The element's bytes stay behind as a gap until gaps outweigh the rest.
    const auto slot = static_cast<std::ptrdiff_t>(first_) + index - 1;
    starts_.erase(starts_.begin() + slot);
    ends_.erase(ends_.begin() + slot);
    --slots_;
    if (bytes_.size() > 4096 && bytes_.size() > 2 * byteCount()) dropGaps();
}

// Packs the live elements back to back, dropping every byte between them.
void TextArray::dropGaps() {
    std::string packed;
    reserveMore(packed, byteCount());
    std::vector<uint32_t> starts;
    std::vector<uint32_t> ends;
    reserveMore(starts, slots_ - first_);
    reserveMore(ends, slots_ - first_);
    for (std::size_t slot = first_; slot < slots_; ++slot) {
        starts.push_back(static_cast<uint32_t>(packed.size()));
        packed.append(bytes_, starts_[slot], ends_[slot] - starts_[slot]);
        ends.push_back(static_cast<uint32_t>(packed.size()));
    }
    bytes_ = std::move(packed);
    starts_ = std::move(starts);
    ends_ = std::move(ends);
    slots_ -= first_;
    first_ = 0;
}

void TextArray::removeFirst(std::size_t n) {
    first_ += std::min(n, slots_ - first_);
    dropDeadFront();
}

void TextArray::dropDeadFront() {
    if (first_ == slots_) {
        reset();
        return;
    }
    // Compact only once the removed elements outnumber the live ones, so
    // removing from the front stays cheap on average.
    if (first_ < slots_ - first_) return;
    // Bits can only be dropped a whole group at a time.
    const std::size_t dropped = characters_ ? first_ / groupSize * groupSize : first_;
    if (dropped == 0) return;
    const std::size_t base = startOf(dropped);
    bytes_.erase(0, base);
    const auto shift = [base](std::vector<uint32_t>& offsets, std::size_t drop) {
        offsets.erase(offsets.begin(), offsets.begin() + static_cast<std::ptrdiff_t>(drop));
        for (uint32_t& offset : offsets) offset -= static_cast<uint32_t>(base);
    };
    if (characters_) {
        shift(groupStarts_, dropped / groupSize);
        wide_.erase(wide_.begin(), wide_.begin() + static_cast<std::ptrdiff_t>(dropped / groupSize));
    } else {
        shift(starts_, dropped);
        shift(ends_, dropped);
    }
    first_ -= dropped;
    slots_ -= dropped;
}

void TextArray::reset() noexcept {
    bytes_ = {};
    slots_ = 0;
    first_ = 0;
    characters_ = true;
    wide_ = {};
    groupStarts_ = {};
    starts_ = {};
    ends_ = {};
}

void TextArray::reserve(std::size_t elements, std::size_t bytes) {
    reserveMore(bytes_, bytes);
    if (characters_) {
        reserveMore(groupStarts_, elements / groupSize + 1);
        reserveMore(wide_, elements / groupSize + 1);
    } else {
        reserveMore(starts_, elements);
        reserveMore(ends_, elements);
    }
}

std::size_t TextArray::byteCount() const noexcept {
    if (first_ == slots_) return 0;
    if (characters_) return bytes_.size() - startOf(first_);
    std::size_t total = 0;
    for (std::size_t slot = first_; slot < slots_; ++slot) total += ends_[slot] - starts_[slot];
    return total;
}

Text TextArray::joined() const {
    Text out;
    if (first_ == slots_) return out;
    reserveMore(out, byteCount());
    if (characters_) {
        out.append(bytes_, startOf(first_));
        return out;
    }
    for (std::size_t slot = first_; slot < slots_; ++slot)
        out.append(bytes_, starts_[slot], ends_[slot] - starts_[slot]);
    return out;
}

TextArray TextArray::fromPieces(Text bytes, std::vector<uint32_t> starts, std::vector<uint32_t> ends) {
    TextArray array;
    array.bytes_ = std::move(bytes);
    array.slots_ = starts.size();
    array.characters_ = false;
    array.starts_ = std::move(starts);
    array.ends_ = std::move(ends);
    return array;
}

int32_t arrayCount(const TextArray& array) { return array.count(); }

std::string_view arrayAt(const TextArray& array, int32_t index) {
    if (index < 1) throw ArrayIndexError(ArrayIndexError::Kind::BelowOne, index);
    if (index > array.count()) throw ArrayIndexError(ArrayIndexError::Kind::BeyondCount, index);
    return array[static_cast<std::size_t>(index - 1)];
}

void arrayAppend(TextArray& array, std::string_view text) { array.append(text); }

void arrayRemoveAt(TextArray& array, int32_t index) { array.removeAt(index); }

void arrayReset(TextArray& array) { array.reset(); }

TextArray textSplit(std::string_view text, std::string_view delimiter) {
    Text copy;
    reserveMore(copy, text.size());
    copy.append(text);
    return textSplitTaking(std::move(copy), delimiter);
}

TextArray textSplitTaking(Text text, std::string_view delimiter) {
    if (text.empty()) return {};
    if (text.size() > INT32_MAX) throw std::length_error("text too large to split");
    std::vector<uint32_t> starts;
    std::vector<uint32_t> ends;
    // A first guess at the number of pieces, lines of some 64 bytes; more
    // room is made as needed.
    reserveMore(starts, text.size() / 64 + 1);
    reserveMore(ends, text.size() / 64 + 1);
    const auto cut = [&](std::size_t from, std::size_t to) {
        makeRoom(starts, 1);
        makeRoom(ends, 1);
        starts.push_back(static_cast<uint32_t>(from));
        ends.push_back(static_cast<uint32_t>(to));
    };
    std::size_t start = 0;
    if (!delimiter.empty()) {
        MatchScanner scanner(text, delimiter, /*foldCase=*/false);
        for (std::size_t at = scanner.next(0); at != MatchScanner::none; at = scanner.next(start)) {
            cut(start, at);
            start = at + delimiter.size();
        }
    }
    if (start < text.size()) cut(start, text.size());
    return TextArray::fromPieces(std::move(text), std::move(starts), std::move(ends));
}

}  // namespace nalvic
