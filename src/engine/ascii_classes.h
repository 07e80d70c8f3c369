// ASCII character classes usable as CharPredicate, and the checks that
// test a whole text against one. Every classifier takes an unsigned byte
// value; bytes from 0x80 up (and anything outside 0..255) belong to no
// class.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

int isAsciiDigit(int c);   // '0'..'9'
int isAsciiUpper(int c);   // 'A'..'Z'
int isAsciiLower(int c);   // 'a'..'z'
int isAsciiAlpha(int c);   // letters
int isAsciiAlnum(int c);   // letters and digits
int isAsciiSpace(int c);   // space, TAB, LF, VT, FF, CR
int isAsciiHexDigit(int c);  // '0'..'9', 'A'..'F', 'a'..'f'
int isMrzLetter(int c);    // 'A'..'Z' or the filler '<'
int isMrzChar(int c);      // '0'..'9', 'A'..'Z' or '<'

// Upper-case form of an ASCII letter; any other byte unchanged.
inline constexpr char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// -1 for null data or a null predicate; 0 when the span is empty or every
// character satisfies the predicate; else the 1-based position of the
// first character that does not.
int32_t spanFindFailing(Span s, CharPredicate pred);
// The same for a NUL-terminated string; -1 if either is null.
int32_t strFindFailing(const char* text, CharPredicate pred);

}  // namespace tavrix
