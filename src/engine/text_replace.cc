#include "engine/text_replace.h"

#include <cstring>

namespace tavrix {
namespace {

bool matchesAt(const char* text, int32_t length, int32_t at, Span pattern) {
  return at <= length - pattern.length && std::memcmp(text + at, pattern.data, pattern.length) == 0;
}

// One forward pass reading from `read` and writing from `write` (write
// never passes read), replacing at most `limit` occurrences. Returns the
// index written up to when the pass ended; *readEnd gets where reading
// stopped. With a growing replacement the caller has moved the text right
// by limit * growth first, so the gap closes exactly at the last one.
int32_t replacePass(char* buffer, int32_t read, int32_t end, int32_t limit, Span pattern, Span replacement,
                    int32_t* readEnd) {
  int32_t write = 0;
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

  const int32_t growth = replacement.length - pattern.length;
  if (growth <= 0) {
    // Same length or shorter: a single pass, the gap only ever widens.
    int32_t readEnd = 0;
    const int32_t write = replacePass(buffer, 0, length, INT32_MAX, pattern, replacement, &readEnd);
    return write;
  }

  // Growing: count the occurrences that fit, left to right, stopping at the
  // first that would take the text past the capacity.
  const int64_t room = capacity > length ? static_cast<int64_t>(capacity) - length : 0;
  const int64_t fitting = room / growth;
  int32_t count = 0;
  for (int32_t i = 0; i <= length - pattern.length && count < fitting;) {
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
  const int32_t write = replacePass(buffer, shift, length + shift, count, pattern, replacement, &readEnd);
  // After the last replacement the writer has caught up with the reader:
  // the remaining text already sits in its final place.
  return write + (length + shift - readEnd);
}

}  // namespace tavrix
