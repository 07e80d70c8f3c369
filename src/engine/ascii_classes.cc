#include "engine/ascii_classes.h"

namespace tavrix {

int isAsciiDigit(int c) { return c >= '0' && c <= '9'; }
int isAsciiUpper(int c) { return c >= 'A' && c <= 'Z'; }
int isAsciiLower(int c) { return c >= 'a' && c <= 'z'; }
int isAsciiAlpha(int c) { return isAsciiUpper(c) || isAsciiLower(c); }
int isAsciiAlnum(int c) { return isAsciiAlpha(c) || isAsciiDigit(c); }
int isAsciiSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
int isAsciiHexDigit(int c) { return isAsciiDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
int isMrzLetter(int c) { return isAsciiUpper(c) || c == '<'; }
int isMrzChar(int c) { return isMrzLetter(c) || isAsciiDigit(c); }

int32_t spanFindFailing(Span s, CharPredicate pred) {
  if (s.data == nullptr || pred == nullptr) return -1;
  for (int32_t i = 0; i < s.length; ++i) {
    if (pred(byteOf(s.data[i])) == 0) return i + 1;
  }
  return 0;
}

int32_t strFindFailing(const char* text, CharPredicate pred) {
  if (text == nullptr || pred == nullptr) return -1;
  for (int32_t i = 0; text[i] != '\0' && i < INT32_MAX; ++i) {
    if (pred(byteOf(text[i])) == 0) return i + 1;
  }
  return 0;
}

}  // namespace tavrix
