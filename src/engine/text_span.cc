#include "engine/text_span.h"

#include <cstring>

#include "engine/ascii_classes.h"

namespace tavrix {

void spanAdvance(Span* s, int32_t n) {
  if (spanIsEmpty(s) || n < 1) return;
  if (n >= s->length) {
    s->data += s->length;
    s->length = 0;
    return;
  }
  s->data += n;
  s->length -= n;
}

int32_t spanCompareStr(Span s, const char* text) {
  if (s.data == nullptr) return text != nullptr ? -1 : 0;
  if (text == nullptr) return 1;
  const int32_t length = s.length < 0 ? 0 : s.length;
  // Measure the string no further than needed to tell the lengths apart.
  int32_t textLength = 0;
  while (textLength <= length && text[textLength] != '\0') ++textLength;
  if (textLength != length) {
    if (textLength > length) {
      // The string is longer; count the rest to report the difference.
      while (text[textLength] != '\0' && textLength < INT32_MAX) ++textLength;
    }
    return length - textLength;
  }
  for (int32_t i = 0; i < length; ++i) {
    const signed char a = static_cast<signed char>(s.data[i]);
    const signed char b = static_cast<signed char>(text[i]);
    if (a != b) return a > b ? 1 : -1;
  }
  return 0;
}

int32_t spanCompare(Span a, Span b, uint32_t flags) {
  if (a.data == nullptr) return b.data != nullptr ? -1 : 0;
  if (b.data == nullptr) return 1;
  const int32_t la = a.length < 0 ? 0 : a.length;
  const int32_t lb = b.length < 0 ? 0 : b.length;
  if (la != lb) return la - lb;
  const bool ignoreCase = (flags & kCompareIgnoreCase) != 0;
  for (int32_t i = 0; i < la; ++i) {
    char ca = a.data[i];
    char cb = b.data[i];
    if (ignoreCase && isAsciiAlpha(byteOf(ca)) && isAsciiAlpha(byteOf(cb))) {
      ca = asciiUpper(ca);
      cb = asciiUpper(cb);
    }
    const signed char sa = static_cast<signed char>(ca);
    const signed char sb = static_cast<signed char>(cb);
    if (sa != sb) return sa > sb ? 1 : -1;
  }
  return 0;
}

int32_t spanFind(Span haystack, Span needle) {
  if (spanIsEmpty(haystack) || spanIsEmpty(needle) || needle.length > haystack.length) return -1;
  const int32_t last = haystack.length - needle.length;
  int32_t i = 0;
  while (i <= last) {
    const void* hit = std::memchr(haystack.data + i, needle.data[0], static_cast<size_t>(last - i + 1));
    if (hit == nullptr) return -1;
    i = static_cast<int32_t>(static_cast<const char*>(hit) - haystack.data);
    if (std::memcmp(haystack.data + i, needle.data, static_cast<size_t>(needle.length)) == 0) return i;
    ++i;
  }
  return -1;
}

int32_t spanListRemoveStrs(Span* spans, int32_t count, const char* const* strings, int32_t stringCount) {
  if (spans == nullptr || count < 1) return 0;
  if (strings == nullptr || stringCount < 1) return count;
  int32_t kept = 0;
  for (int32_t i = 0; i < count; ++i) {
    bool remove = false;
    for (int32_t k = 0; k < stringCount && !remove; ++k) {
      remove = strings[k] != nullptr && spanCompareStr(spans[i], strings[k]) == 0;
    }
    if (!remove) spans[kept++] = spans[i];
  }
  return kept;
}

namespace {

bool setIsEmpty(const char* set) { return set == nullptr || set[0] == '\0'; }

}  // namespace

void spanTrimLeftSet(Span* s, const char* set) {
  if (spanIsEmpty(s) || setIsEmpty(set)) return;
  while (s->length > 0 && inCharSet(set, s->data[0])) {
    ++s->data;
    --s->length;
  }
}

void spanTrimRightSet(Span* s, const char* set) {
  if (spanIsEmpty(s) || setIsEmpty(set)) return;
  while (s->length > 0 && inCharSet(set, s->data[s->length - 1])) --s->length;
}

void spanTrimSet(Span* s, const char* set) {
  spanTrimLeftSet(s, set);
  spanTrimRightSet(s, set);
}

void spanTrimLeftIf(Span* s, CharPredicate pred) {
  if (spanIsEmpty(s) || pred == nullptr) return;
  while (s->length > 0 && pred(byteOf(s->data[0])) != 0) {
    ++s->data;
    --s->length;
  }
}

void spanTrimRightIf(Span* s, CharPredicate pred) {
  if (spanIsEmpty(s) || pred == nullptr) return;
  while (s->length > 0 && pred(byteOf(s->data[s->length - 1])) != 0) --s->length;
}

void spanTrimIf(Span* s, CharPredicate pred) {
  spanTrimLeftIf(s, pred);
  spanTrimRightIf(s, pred);
}

int32_t textTrimSet(char* buffer, int32_t length, const char* set) {
  if (length < 1) return 0;
  if (buffer == nullptr || set == nullptr) return length;
  Span s{buffer, length};
  spanTrimSet(&s, set);
  if (s.length > 0 && s.data != buffer) std::memmove(buffer, s.data, static_cast<size_t>(s.length));
  return s.length;
}

}  // namespace tavrix
