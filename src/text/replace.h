// textReplace: replace every occurrence of a text, left to right.
//
// Rules:
//  - An empty source or an empty find text gives the source.
//  - The scan starts at the first byte; after a match it resumes right behind
//    it, so matches never overlap and the replacement is never rescanned.
//  - Where no match starts at a byte of 0x80 or more, the scan steps over it
//    and the byte after it as one character: a match never starts at the
//    second byte of a two-byte character.
//  - With caseSensitive == 0, bytes 'A'..'Z' compare equal to 'a'..'z'
//    wherever they stand, second bytes of two-byte characters included; no
//    other letters fold.
//  - When nothing matches, the result equals the source byte for byte, an
//    incomplete two-byte character at the very end included.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/text.h"

namespace nalvic {

Text textReplace(std::string_view source, std::string_view find, std::string_view replacement,
                 int32_t caseSensitive);

}  // namespace nalvic
