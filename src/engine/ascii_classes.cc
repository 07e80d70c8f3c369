#include "engine/ascii_classes.h"

namespace tavrix {

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
