#include "text/text_array.h"

#include <algorithm>
#include <string>

#include "text/char_scan.h"

namespace nalvic {

namespace {

std::string indexErrorMessage(ArrayIndexError::Kind kind, int32_t index) {
    const char* what = kind == ArrayIndexError::Kind::BelowOne ? "below 1" : "beyond the count";
    return "array index " + std::to_string(index) + " is " + what;
}

}  // namespace

ArrayIndexError::ArrayIndexError(Kind kind, int32_t index)
    : std::out_of_range(indexErrorMessage(kind, index)), kind_(kind) {}

int32_t TextArray::count() const noexcept {
    return static_cast<int32_t>(offsets_.size() - 1 - first_);
}

std::string_view TextArray::operator[](std::size_t zeroBased) const noexcept {
    const std::size_t slot = first_ + zeroBased;
    return std::string_view(bytes_).substr(offsets_[slot], offsets_[slot + 1] - offsets_[slot]);
}

void TextArray::append(std::string_view text) {
    if (bytes_.size() + text.size() > UINT32_MAX) throw std::length_error("TextArray too large");
    bytes_.append(text);
    offsets_.push_back(static_cast<uint32_t>(bytes_.size()));
}

void TextArray::removeAt(int32_t index) {
    if (index < 1 || index > count()) return;
    if (index == 1) {
        removeFirst(1);
        return;
    }
    const std::size_t slot = first_ + static_cast<std::size_t>(index - 1);
    const uint32_t from = offsets_[slot];
    const uint32_t length = offsets_[slot + 1] - from;
    bytes_.erase(from, length);
    offsets_.erase(offsets_.begin() + static_cast<std::ptrdiff_t>(slot) + 1);
    for (std::size_t later = slot + 1; later < offsets_.size(); ++later) offsets_[later] -= length;
}

void TextArray::removeFirst(std::size_t n) {
    first_ += std::min(n, static_cast<std::size_t>(count()));
    dropDeadFront();
}

void TextArray::dropDeadFront() {
    const std::size_t live = offsets_.size() - 1 - first_;
    if (live == 0) {
        reset();
        return;
    }
    // Compact only once the removed elements outnumber the live ones, so
    // removing from the front stays cheap on average.
    if (first_ < live) return;
    const uint32_t base = offsets_[first_];
    bytes_.erase(0, base);
    offsets_.erase(offsets_.begin(), offsets_.begin() + static_cast<std::ptrdiff_t>(first_));
    for (uint32_t& offset : offsets_) offset -= base;
    first_ = 0;
}

void TextArray::reset() noexcept {
    bytes_.clear();
    offsets_.assign(1, 0);
    first_ = 0;
}

void TextArray::reserve(std::size_t elements, std::size_t bytes) {
    offsets_.reserve(offsets_.size() + elements);
    bytes_.reserve(bytes_.size() + bytes);
}

std::string_view TextArray::joined() const noexcept {
    return std::string_view(bytes_).substr(offsets_[first_]);
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
    TextArray pieces;
    if (text.empty()) return pieces;
    if (delimiter.empty()) {
        pieces.append(text);
        return pieces;
    }
    MatchScanner scanner(text, delimiter, /*foldCase=*/false);
    std::size_t start = 0;
    for (std::size_t at = scanner.next(0); at != MatchScanner::none; at = scanner.next(start)) {
        pieces.append(text.substr(start, at - start));
        start = at + delimiter.size();
    }
    if (start < text.size()) pieces.append(text.substr(start));
    return pieces;
}

}  // namespace nalvic
