#include "engine/text_replace.h"

#include <cstring>

namespace tavrix {
namespace {

bool matchesAt(const char* text, int32_t length, int32_t at, Span pattern) {
  return at <= length - pattern.length && text[at] == pattern.data[0] &&
         std::memcmp(text + at, pattern.data, static_cast<size_t>(pattern.length)) == 0;
}

// Index of the first occurrence of `pattern` in text[0, length), or -1.
// Most texts hold none of the patterns, so this fast scan usually settles
// the whole call.
int32_t firstMatch(const char* text, int32_t length, Span pattern) {
  const int32_t last = length - pattern.length;
  int32_t at = 0;
  while (at <= last) {
    const void* hit = std::memchr(text + at, pattern.data[0], static_cast<size_t>(last - at + 1));
    if (hit == nullptr) return -1;
    at = static_cast<int32_t>(static_cast<const char*>(hit) - text);
    if (matchesAt(text, length, at, pattern)) return at;
    ++at;
  }
  return -1;
}

// One forward pass reading from `read` and writing from `write` (write
// never passes read), replacing at most `limit` occurrences. Returns the
// index written up to when the pass ended; *readEnd gets where reading
// stopped. With a growing replacement the caller has moved the text right
// by limit * growth first, so the gap closes exactly at the last one.
int32_t replacePass(char* buffer, int32_t write, int32_t read, int32_t end, int32_t limit, Span pattern,
                    Span replacement, int32_t* readEnd) {
  int32_t done = 0;
  while (read < end && done < limit) {
    if (matchesAt(buffer, end, read, pattern)) {
      read += pattern.length;
      std::memmove(buffer + write, replacement.data, static_cast<size_t>(replacement.length));
      write += replacement.length;
      ++done;
    } else {
      buffer[write++] = buffer[read++];
    }
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
  const int32_t first = firstMatch(buffer, length, pattern);
  if (first < 0) return length;

  const int32_t growth = replacement.length - pattern.length;
  if (growth <= 0) {
    // Same length or shorter: a single pass, the gap only ever widens.
    int32_t readEnd = 0;
    const int32_t write = replacePass(buffer, first, first, length, INT32_MAX, pattern, replacement, &readEnd);
    return write;
  }

  // Growing: count the occurrences that fit, left to right, stopping at the
  // first that would take the text past the capacity.
  const int64_t room = capacity > length ? static_cast<int64_t>(capacity) - length : 0;
  const int64_t fitting = room / growth;
  int32_t count = 0;
  for (int32_t i = first; i <= length - pattern.length && count < fitting;) {
    if (matchesAt(buffer, length, i, pattern)) {
      ++count;
      i += pattern.length;
    } else {
      ++i;
    }
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
