// Reading and writing decimal numbers, and the code-pair lookup.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// Reads a decimal number the way C's atoi does (leading ASCII white space,
// an optional sign, then digits up to the first non-digit) but only within
// the span, and saturates at the int32 limits instead of overflowing. 0
// when there are no digits.
int32_t spanAtoi(Span s);
// The same for the 64-bit range.
int64_t spanAtoi64(Span s);

// Flag for formatInt: write exactly `width` characters, zero-padded.
inline constexpr uint32_t kFormatZeroPad = 1u;
// Writes the decimal form of `value` and returns the characters written
// (no terminator). 0 when the natural length (digits plus a minus sign)
// exceeds width or out is null. With kFormatZeroPad exactly width
// characters are written, '-' replacing the first one of a negative value.
int32_t formatInt(int64_t value, char* out, int32_t width, uint32_t flags);
// 0 when out is null or width below 1; otherwise formatInt.
int32_t formatIntChecked(int64_t value, char* out, int32_t width, uint32_t flags);
// '0'..'9' for 0..9, a space for anything greater.
char digitChar(uint32_t value);

struct CodePair {
  uint32_t code;
  int32_t value;
};
// First pair with `code` at or after *index (0 when index is null or
// negative): returns its value and stores its index; when none, returns -1
// and stores count. Continue from *index + 1 for further matches.
int32_t codePairLookup(uint32_t code, const CodePair* pairs, int32_t count, int32_t* index);

}  // namespace tavrix
