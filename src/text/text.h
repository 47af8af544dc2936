// The text model: GBK byte strings and the primitive operations on them.
//
// A Text is a byte string in GBK (code page 936) that never contains a zero
// byte. Lengths and positions count bytes; positions start at 1.
//
// A character is one byte below 0x80, or a byte of 0x80 or more together with
// the byte after it, whatever that byte is. No code-page table is consulted:
// this rule is the whole character model. A text whose last byte begins a
// character and is 0x80 or more ends in an incomplete two-byte character.
//
// Every operation is pure: arguments are read, never changed, and a new value
// is returned. Nothing here fails except `arrayAt` outside 1..count.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nalvic {

using Text = std::string;
// A received body: any bytes, zero bytes included.
using Bytes = std::string;

// Number of bytes.
int32_t textLength(std::string_view text);

// `count` bytes from the 1-based `start`; empty when start < 1, start > length
// or count <= 0. Byte-based: may cut a two-byte character.
Text textMid(std::string_view text, int32_t start, int32_t count);

// The first byte as a signed 8-bit value; 0 for the empty text. Negative
// exactly when the first byte is 0x80 or above.
int32_t charCode(std::string_view text);

Text textConcat(std::string_view a, std::string_view b, std::string_view c = {});

// -1, 0 or 1: unsigned byte comparison; a proper prefix is the smaller.
int textCompare(std::string_view a, std::string_view b);

// Decimal reading that never fails: full-width digits, signs and the
// ideographic space count as their ASCII forms; leading white space is
// skipped; one sign; digits accumulate modulo 2^32; anything else ends the
// number. No digits read as 0.
int32_t textToInt(std::string_view text);

// The "%.13g" form of the value.
Text numberToText(double value);

// The bytes before the first zero byte.
Text bytesToText(const Bytes& bytes);

}  // namespace nalvic
