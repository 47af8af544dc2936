// The boundary between the engine's GBK bytes and Qt's Unicode text.
//
// Lossless for everything a user can paste: every Unicode character becomes
// exactly one engine character (one byte below 0x80, or two bytes of which
// the first is 0x80 or more) and comes back unchanged.
//  - Characters GBK encodes travel as their GBK codes.
//  - Characters GBK cannot encode (emoji, CJK Extension B, private-use
//    characters, ...) and the euro sign, whose CP936 code is the single byte
//    0x80 that the engine would pair with the next byte, are given a free
//    two-byte code, preferably from GBK's user-defined area, for the life of
//    the process. No such code has an ASCII letter as its second byte, so
//    ignore-case replacement never pairs two of them.
//  - Should the free codes ever run out, a character falls back to its
//    four-byte GB18030 form: still lossless, though two engine characters.
// Bytes that are not valid GBK show as U+FFFD (a lone 0x80 as the euro sign).
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

#include "text/text.h"

namespace nalvic {

enum class LineBreaks {
    Keep,      // "\r" and "\n" stay as they are
    CrLfToLf,  // "\r\n" becomes "\n"; a lone "\r" or "\n" stays
    AllToLf,   // "\r\n", a lone "\r" and a lone "\n" each become "\n"
};

QString gbkToUnicode(std::string_view bytes, LineBreaks breaks = LineBreaks::Keep);

// With `breaksToCrLf`, "\n" and the paragraph separator U+2029 become "\r\n".
Text unicodeToGbk(QStringView text, bool breaksToCrLf = false);

// How many characters can still get a two-byte code of their own.
std::size_t freeGbkCodes();

}  // namespace nalvic
