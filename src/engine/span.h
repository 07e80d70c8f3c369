// Basic value types shared by every part of the library: the text view,
// the calendar value and the character-class predicate.
#pragma once

#include <cstdint>

#include "engine/internal_codes.h"

namespace tavrix {

// A view of text that it does not own. Empty when the pointer is null or
// the length is below 1; every reader tests both.
struct Span {
  const char* data = nullptr;
  int32_t length = 0;
};

inline constexpr bool spanIsEmpty(Span s) { return s.data == nullptr || s.length < 1; }

// A calendar value. Dates use year (with century), month and day and leave
// the time of day at zero.
struct DateTime {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};

// Character class test. Always called with an unsigned byte value (0-255);
// returns non-zero for a member. Bytes from 0x80 up are members of no
// ASCII class.
using CharPredicate = int (*)(int);

// A byte as the unsigned value that classifiers and table indexes take.
inline constexpr int byteOf(char c) { return static_cast<unsigned char>(c); }

// A set of characters given with its count, so a NUL can be a member and
// never ends the set early.
struct CharSet {
  const char* chars = nullptr;
  int32_t count = 0;
};

// Membership in a NUL-terminated set (null and "" are empty). The NUL
// byte itself is never a member: the terminator is not part of the set.
inline bool inCharSet(const char* set, char c) {
  if (set == nullptr || c == '\0') return false;
  for (const char* p = set; *p != '\0'; ++p) {
    if (*p == c) return true;
  }
  return false;
}

inline bool inCharSet(CharSet set, char c) {
  for (int32_t i = 0; i < set.count; ++i) {
    if (set.chars[i] == c) return true;
  }
  return false;
}

}  // namespace tavrix
