// Half-width folding and cutting a text into its characters.
#pragma once

#include "text/text.h"
#include "text/text_array.h"

namespace nalvic {

// Folds the ideographic space, full-width tilde, the two stars and the
// full-width ASCII forms (0xA3 0xA1..0xFE) to single bytes; every other
// character is copied. A lone byte of 0x80 or more at the very end is dropped.
Text foldToHalfWidth(std::string_view text);

// Resets `characters`, replaces `text` by its folded form and appends every
// character of it, in order, one element each.
void segmentCharacters(Text& text, TextArray& characters);

}  // namespace nalvic
