// Feeds arbitrary bytes to the engine functions that take them and checks
// each against a plain byte-by-byte version or a property that must hold.
//
// Input layout: one byte of options, one byte giving the length of the
// second text (the find text or delimiter), that text, then the source.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "scan_reference.h"
#include "text/characters.h"
#include "text/random.h"
#include "text/replace.h"
#include "text/shuffle.h"
#include "text/text.h"
#include "text/text_array.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::string> elements(const nalvic::TextArray& array) {
    std::vector<std::string> out;
    for (int32_t i = 1; i <= nalvic::arrayCount(array); ++i) out.emplace_back(nalvic::arrayAt(array, i));
    return out;
}

void checkReplace(std::string_view source, std::string_view find, bool foldCase) {
    check(nalvic::textReplace(source, find, "<>", foldCase ? 0 : 1) ==
          nalvic::reference::replace(source, find, "<>", foldCase));
}

void checkSplit(std::string_view text, std::string_view delimiter) {
    check(elements(nalvic::textSplit(text, delimiter)) == nalvic::reference::split(text, delimiter));
}

void checkCharacters(std::string_view text) {
    nalvic::Text folded(text);
    nalvic::TextArray characters;
    nalvic::segmentCharacters(folded, characters);
    check(folded == nalvic::foldToHalfWidth(text));
    check(folded.size() <= text.size());
    std::string joined;
    for (int32_t i = 1; i <= nalvic::arrayCount(characters); ++i) {
        const std::string_view character = nalvic::arrayAt(characters, i);
        check(character.size() == (static_cast<unsigned char>(character[0]) >= 0x80 ? 2u : 1u));
        joined += character;
    }
    check(joined == folded);

    // A shuffle keeps the characters (inputs stay within one block).
    std::vector<std::string> before = elements(characters);
    nalvic::TextArray shuffled;
    nalvic::seedRandom(1);
    nalvic::shuffleAllBlocks(characters, shuffled);
    check(nalvic::arrayCount(characters) == 0);
    check(nalvic::joinElements(shuffled).size() == folded.size());
    std::vector<std::string> after = elements(shuffled);
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    check(before == after);
}

void checkNumbers(std::string_view text) {
    const int32_t value = nalvic::textToInt(text);
    check(nalvic::textToInt(nalvic::numberToText(value)) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const uint8_t options = data[0];
    const std::size_t findLength = std::min<std::size_t>(data[1] % 8, size - 2);
    const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::string_view find = rest.substr(0, findLength);
    // Texts never hold a zero byte; the rest of the input is cut at one.
    const std::string_view source = rest.substr(findLength, rest.find('\0', findLength) - findLength);
    if (find.find('\0') != std::string_view::npos) return 0;

    checkReplace(source, find, (options & 1) != 0);
    checkSplit(source, (options & 2) != 0 ? std::string_view("\r\n") : find);
    checkCharacters(source);
    checkNumbers(source);
    return 0;
}
