#include "engine/text_replace.h"

#include <cstring>

namespace tavrix {
namespace {

// Index of the first occurrence of `pattern` in text[from, length), or -1.
// Most texts hold few of a pattern's first character, which memchr finds
// fast; where they are dense (a flood of headers) the next candidate is
// looked for byte by byte over a short stretch first, and each candidate
// costs two inline comparisons before the rest of the pattern is compared.
int32_t findFrom(const char* text, int32_t length, int32_t from, Span pattern) {
  const int32_t last = length - pattern.length;
  const char head = pattern.data[0];
  constexpr int32_t kNearby = 32;
  while (from <= last) {
    int32_t at = from;
    const int32_t near = from + kNearby <= last ? from + kNearby : last + 1;
    while (at < near && text[at] != head) ++at;
    if (at == near) {
      if (near > last) return -1;
      const void* hit = std::memchr(text + near, head, static_cast<size_t>(last - near + 1));
      if (hit == nullptr) return -1;
      at = static_cast<int32_t>(static_cast<const char*>(hit) - text);
    }
    if (pattern.length == 1) return at;
    if (text[at + 1] == pattern.data[1] &&
        std::memcmp(text + at + 2, pattern.data + 2, static_cast<size_t>(pattern.length - 2)) == 0) {
      return at;
    }
    from = at + 1;
  }
  return -1;
}

// One forward pass reading from `read` and writing from `write` (write
// never passes read), replacing at most `limit` occurrences: the text
// between occurrences moves as one block. Returns the index written up to;
// *readEnd gets where reading stopped. With a growing replacement the
// caller has moved the text right by limit * growth first, so the gap
// closes exactly at the last one.
int32_t replacePass(char* buffer, int32_t write, int32_t read, int32_t end, int32_t limit, Span pattern,
                    Span replacement, int32_t* readEnd) {
  for (int32_t done = 0; done < limit; ++done) {
    const int32_t at = findFrom(buffer, end, read, pattern);
    if (at < 0) break;
    const int32_t block = at - read;
    if (block > 0 && write != read) std::memmove(buffer + write, buffer + read, static_cast<size_t>(block));
    write += block;
    std::memmove(buffer + write, replacement.data, static_cast<size_t>(replacement.length));
    write += replacement.length;
    read = at + pattern.length;
  }
  *readEnd = read;
  return write;
}

}  // namespace

int32_t textReplaceAll(char* buffer, int32_t length, int32_t capacity, Span pattern, Span replacement) {
  if (length < 1) return length < 0 ? 0 : length;
  if (buffer == nullptr || spanIsEmpty(pattern) || replacement.data == nullptr || replacement.length < 1) {
    return length;
  }
  if (pattern.length > length) return length;
  const int32_t first = findFrom(buffer, length, 0, pattern);
  if (first < 0) return length;

  const int32_t growth = replacement.length - pattern.length;
  if (growth <= 0) {
    // Same length or shorter: a single pass, the gap only ever widens; the
    // text after the last occurrence moves up behind it.
    int32_t readEnd = 0;
    const int32_t write = replacePass(buffer, first, first, length, INT32_MAX, pattern, replacement, &readEnd);
    const int32_t rest = length - readEnd;
    if (rest > 0 && write != readEnd) std::memmove(buffer + write, buffer + readEnd, static_cast<size_t>(rest));
    return write + rest;
  }

  // Growing: count the occurrences that fit, left to right, stopping at the
  // first that would take the text past the capacity.
  const int64_t room = capacity > length ? static_cast<int64_t>(capacity) - length : 0;
  const int64_t fitting = room / growth;
  int32_t count = 0;
  for (int32_t at = first; at >= 0 && count < fitting; at = findFrom(buffer, length, at + pattern.length, pattern)) {
    ++count;
  }
  if (count == 0) return length;
  const int32_t shift = count * growth;
  std::memmove(buffer + shift, buffer, static_cast<size_t>(length));
  int32_t readEnd = 0;
  const int32_t write = replacePass(buffer, 0, shift, length + shift, count, pattern, replacement, &readEnd);
  // After the last replacement the writer has caught up with the reader:
  // the remaining text already sits in its final place.
  return write + (length + shift - readEnd);
}

}  // namespace tavrix
