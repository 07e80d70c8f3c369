// Small span helpers for splitting and comparing the words of name and
// licence fields. Splitting follows the shared tokeniser's rules: a
// delimiter ends a token and belongs to none, a delimiter at the very end
// gives no trailing empty token, and at most `maxCount` tokens are kept
// (the text after the last kept token is dropped).
#pragma once

#include <cstdint>

#include "engine/ascii_classes.h"
#include "engine/span.h"

namespace tavrix::words {

inline Span trimWhite(Span s) {
  if (spanIsEmpty(s)) return Span{};
  while (s.length > 0 && isAsciiSpace(byteOf(s.data[0]))) {
    ++s.data;
    --s.length;
  }
  while (s.length > 0 && isAsciiSpace(byteOf(s.data[s.length - 1]))) --s.length;
  return s;
}

inline Span trimSet(Span s, const char* set) {
  if (spanIsEmpty(s)) return Span{};
  while (s.length > 0 && inCharSet(set, s.data[0])) {
    ++s.data;
    --s.length;
  }
  while (s.length > 0 && inCharSet(set, s.data[s.length - 1])) --s.length;
  return s;
}

// Splits `s` at any of `delimiters`. With keepEmpty false, empty tokens
// are skipped; with it true, they are stored. Returns the tokens stored.
inline int32_t split(Span s, Span* out, int32_t maxCount, const char* delimiters, bool keepEmpty) {
  if (spanIsEmpty(s) || out == nullptr || maxCount < 1) return 0;
  int32_t count = 0;
  int32_t i = 0;
  while (i < s.length && count < maxCount) {
    if (!keepEmpty) {
      while (i < s.length && inCharSet(delimiters, s.data[i])) ++i;
    }
    const int32_t start = i;
    while (i < s.length && !inCharSet(delimiters, s.data[i])) ++i;
    const Span token{s.data + start, i - start};
    if (i < s.length) ++i;  // the delimiter that ended the token
    if (token.length > 0 || keepEmpty) out[count++] = token;
  }
  return count;
}

inline bool equals(Span s, const char* text) {
  if (s.data == nullptr || text == nullptr) return false;
  int32_t i = 0;
  for (; i < s.length; ++i) {
    if (text[i] == '\0' || text[i] != s.data[i]) return false;
  }
  return text[i] == '\0';
}

inline bool equalsIgnoreCase(Span s, const char* text) {
  if (s.data == nullptr || text == nullptr) return false;
  int32_t i = 0;
  for (; i < s.length; ++i) {
    if (text[i] == '\0' || asciiUpper(text[i]) != asciiUpper(s.data[i])) return false;
  }
  return text[i] == '\0';
}

// Removes, keeping the order, every word from index `from` on for which
// `drop` holds; returns the new count.
template <typename Predicate>
int32_t removeIf(Span* list, int32_t count, int32_t from, Predicate drop) {
  int32_t kept = from < count ? from : count;
  for (int32_t i = kept; i < count; ++i) {
    if (!drop(list[i])) list[kept++] = list[i];
  }
  return kept;
}

}  // namespace tavrix::words
