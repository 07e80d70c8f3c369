#include "engine/text_numbers.h"

#include <cstdint>

#include "engine/ascii_classes.h"

namespace tavrix {
namespace {

// Reads sign and digits within the span, saturating at [low, high].
int64_t readSaturated(Span s, int64_t low, int64_t high) {
  if (s.data == nullptr || s.length < 1) return 0;
  int32_t i = 0;
  while (i < s.length && isAsciiSpace(byteOf(s.data[i]))) ++i;
  bool negative = false;
  if (i < s.length && (s.data[i] == '+' || s.data[i] == '-')) {
    negative = s.data[i] == '-';
    ++i;
  }
  // Accumulate towards the sign's limit so that the lowest value fits.
  const uint64_t limit = negative ? static_cast<uint64_t>(-(low + 1)) + 1u : static_cast<uint64_t>(high);
  uint64_t value = 0;
  for (; i < s.length && isAsciiDigit(byteOf(s.data[i])); ++i) {
    const uint64_t digit = static_cast<uint64_t>(s.data[i] - '0');
    if (value > (limit - digit) / 10u) {
      value = limit;
      // Keep consuming digits: the number is simply too large.
      continue;
    }
    value = value * 10u + digit;
  }
  if (!negative) return static_cast<int64_t>(value);
  if (value == limit) return low;
  return -static_cast<int64_t>(value);
}

}  // namespace

int32_t spanAtoi(Span s) { return static_cast<int32_t>(readSaturated(s, INT32_MIN, INT32_MAX)); }

int64_t spanAtoi64(Span s) { return readSaturated(s, INT64_MIN, INT64_MAX); }

int32_t formatInt(int64_t value, char* out, int32_t width, uint32_t flags) {
  if (out == nullptr) return 0;
  const bool negative = value < 0;
  uint64_t magnitude = negative ? static_cast<uint64_t>(-(value + 1)) + 1u : static_cast<uint64_t>(value);
  char digits[20];
  int32_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10u);
    magnitude /= 10u;
  } while (magnitude != 0);
  const int32_t natural = count + (negative ? 1 : 0);
  if (width < natural) return 0;
  const int32_t total = (flags & kFormatZeroPad) != 0 ? width : natural;
  int32_t pos = total;
  for (int32_t i = 0; i < count; ++i) out[--pos] = digits[i];
  while (pos > 0) out[--pos] = '0';
  if (negative) out[0] = '-';
  return total;
}

int32_t formatIntChecked(int64_t value, char* out, int32_t width, uint32_t flags) {
  if (out == nullptr || width < 1) return 0;
  return formatInt(value, out, width, flags);
}

char digitChar(uint32_t value) { return value <= 9u ? static_cast<char>('0' + value) : ' '; }

int32_t codePairLookup(uint32_t code, const CodePair* pairs, int32_t count, int32_t* index) {
  const int32_t n = (pairs == nullptr || count < 0) ? 0 : count;
  int32_t start = index != nullptr ? *index : 0;
  if (start < 0) start = 0;
  for (int32_t i = start; i < n; ++i) {
    if (pairs[i].code == code) {
      if (index != nullptr) *index = i;
      return pairs[i].value;
    }
  }
  if (index != nullptr) *index = count < 0 ? 0 : count;
  return -1;
}

}  // namespace tavrix
