#include "fields/number_pattern.h"

#include "engine/ascii_classes.h"

namespace tavrix {

bool numberMatchesPattern(Span number, const unsigned char* pattern) {
  if (pattern == nullptr) return false;
  NumberCursor cursor{spanIsEmpty(number) ? Span{} : number};
  for (int32_t i = 0; i < kPatternCapacity; ++i) {
    const unsigned char b = pattern[i];
    if (b == 0) return cursor.atEnd();
    if (b < pattern_byte::kDigits) {
      if (!cursor.take(static_cast<char>(b))) return false;
      continue;
    }
    const int32_t n = b & 0x0F;
    bool matched = true;
    switch (b & 0xF0) {
      case pattern_byte::kDigits: matched = cursor.takeRun(isAsciiDigit, n); break;
      case pattern_byte::kLetters: matched = cursor.takeRun(isAsciiAlpha, n); break;
      case pattern_byte::kAlnum: matched = cursor.takeRun(isAsciiAlnum, n); break;
      case pattern_byte::kOptional:
        switch (b) {
          case pattern_byte::kOptionalHyphen: cursor.skipOptional('-'); break;
          case pattern_byte::kOptionalStar: cursor.skipOptional('*'); break;
          case pattern_byte::kOptionalLetter: cursor.skipOptional(isAsciiAlpha); break;
          case pattern_byte::kOptionalDigit: cursor.skipOptional(isAsciiDigit); break;
          default: break;  // the other bytes of this range have no effect
        }
        break;
      default: break;  // 0xC0 and up: no effect
    }
    if (!matched) return false;
  }
  return false;  // no end byte inside the pattern's capacity
}

}  // namespace tavrix
