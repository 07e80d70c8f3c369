// ASCII character classes usable as CharPredicate, and the checks that
// test a whole text against one. Every classifier takes an unsigned byte
// value; bytes from 0x80 up (and anything outside 0..255) belong to no
// class.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// Inline (constexpr), so that the parsers' loops pay no call; each still has one
// address to be passed as a predicate.
constexpr int isAsciiDigit(int c) { return c >= '0' && c <= '9'; }
constexpr int isAsciiUpper(int c) { return c >= 'A' && c <= 'Z'; }
constexpr int isAsciiLower(int c) { return c >= 'a' && c <= 'z'; }
constexpr int isAsciiAlpha(int c) { return isAsciiUpper(c) || isAsciiLower(c); }  // letters
constexpr int isAsciiAlnum(int c) { return isAsciiAlpha(c) || isAsciiDigit(c); }  // letters and digits
constexpr int isAsciiSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }  // space, TAB, LF, VT, FF, CR
constexpr int isAsciiHexDigit(int c) { return isAsciiDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
constexpr int isMrzLetter(int c) { return isAsciiUpper(c) || c == '<'; }  // 'A'..'Z' or the filler '<'
constexpr int isMrzChar(int c) { return isMrzLetter(c) || isAsciiDigit(c); }  // '0'..'9', 'A'..'Z' or '<'

// Upper-case form of an ASCII letter; any other byte unchanged.
inline constexpr char asciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// -1 for null data or a null predicate; 0 when the span is empty or every
// character satisfies the predicate; else the 1-based position of the
// first character that does not.
int32_t spanFindFailing(Span s, CharPredicate pred);
// The same for a NUL-terminated string; -1 if either is null.
int32_t strFindFailing(const char* text, CharPredicate pred);

}  // namespace tavrix
