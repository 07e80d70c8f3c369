#include "formats/other/national/national_text.h"

#include "engine/ascii_classes.h"
#include "engine/text_span.h"

namespace tavrix {
namespace {

constexpr const char* kSpanishMonths[] = {"ENE", "FEB", "MAR", "ABR", "MAY", "JUN",
                                          "JUL", "AGO", "SEP", "OCT", "NOV", "DIC"};
constexpr const char* kEnglishMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
static_assert(sizeof(kSpanishMonths) / sizeof(kSpanishMonths[0]) == 12);
static_assert(sizeof(kEnglishMonths) / sizeof(kEnglishMonths[0]) == 12);

bool digitAt(Span s, int32_t at) { return at < s.length && isAsciiDigit(byteOf(s.data[at])); }

// One or two digits at `at`: the value, and `at` moved past them. -1 when
// there is no digit.
int32_t takeSmallNumber(Span s, int32_t* at) {
  if (!digitAt(s, *at)) return -1;
  int32_t value = s.data[(*at)++] - '0';
  if (digitAt(s, *at)) value = value * 10 + (s.data[(*at)++] - '0');
  return value;
}

// Four digits at `at`, or -1.
int32_t takeYear(Span s, int32_t* at) {
  int32_t value = 0;
  for (int32_t i = 0; i < 4; ++i) {
    if (!digitAt(s, *at + i)) return -1;
    value = value * 10 + (s.data[*at + i] - '0');
  }
  *at += 4;
  return value;
}

// 1-12 for the three letters at `at` (compared upper-cased), else 0.
int32_t takeMonthName(Span s, int32_t* at, const char* const (&names)[12]) {
  if (*at + 3 > s.length) return 0;
  for (int32_t m = 0; m < 12; ++m) {
    bool same = true;
    for (int32_t i = 0; i < 3 && same; ++i) same = asciiUpper(s.data[*at + i]) == names[m][i];
    if (same) {
      *at += 3;
      return m + 1;
    }
  }
  return 0;
}

bool isNullAt(Span s, int32_t at) {
  if (at + 4 > s.length) return false;
  return asciiUpper(s.data[at]) == 'N' && asciiUpper(s.data[at + 1]) == 'U' && asciiUpper(s.data[at + 2]) == 'L' &&
         asciiUpper(s.data[at + 3]) == 'L';
}

int32_t writeCleaned(const Span* source, char* destination, int32_t room, bool dashesToSpaces) {
  if (source == nullptr || spanIsEmpty(*source) || destination == nullptr) return 0;
  int32_t n = 0;
  for (int32_t i = 0; i < source->length && n < room;) {
    if (isNullAt(*source, i)) {
      i += 4;
      continue;
    }
    const char c = source->data[i++];
    destination[n++] = (dashesToSpaces && c == '-') ? ' ' : c;
  }
  return n;
}

}  // namespace

int isNationalNameChar(int c) { return isAsciiAlnum(c) || isAsciiSpace(c) || c == '_'; }

int32_t findFrom(Span text, int32_t from, const char* needle) {
  if (from < 0 || from >= text.length || needle == nullptr) return -1;
  int32_t length = 0;
  while (needle[length] != '\0') ++length;
  const int32_t at = spanFind(Span{text.data + from, text.length - from}, Span{needle, length});
  return at < 0 ? -1 : from + at;
}

int32_t runStartBefore(Span text, int32_t end, CharPredicate pred) {
  if (end > text.length) end = text.length;
  int32_t start = end;
  while (start > 0 && pred(byteOf(text.data[start - 1])) != 0) --start;
  return start;
}

Span tailFrom(Span text, int32_t from) {
  if (from >= text.length) return Span{text.data + (text.length > 0 ? text.length : 0), 0};
  return Span{text.data + from, text.length - from};
}

int32_t writeWithoutNull(void* context, char* destination, int32_t room) {
  return writeCleaned(static_cast<const Span*>(context), destination, room, false);
}

int32_t writeNameWithoutDashes(void* context, char* destination, int32_t room) {
  int32_t n = writeCleaned(static_cast<const Span*>(context), destination, room, true);
  while (n > 0 && isAsciiSpace(byteOf(destination[n - 1]))) --n;
  return n;
}

int32_t takeSlashDate(Span s, bool swapRule, DateTime* out) {
  if (out == nullptr || spanIsEmpty(s)) return 0;
  int32_t at = 0;
  int32_t first = takeSmallNumber(s, &at);
  if (first < 0 || at >= s.length || s.data[at++] != '/') return 0;
  int32_t second = takeSmallNumber(s, &at);
  if (second < 0 || at >= s.length || s.data[at++] != '/') return 0;
  const int32_t year = takeYear(s, &at);
  if (year < 0) return 0;
  if (swapRule && second >= 13 && second <= 31 && first >= 1 && first <= 12) {
    const int32_t month = first;
    first = second;
    second = month;
  }
  *out = DateTime{year, second, first, 0, 0, 0};
  return at;
}

int32_t takeSpanishMonthDate(Span s, DateTime* out) {
  if (out == nullptr || spanIsEmpty(s)) return 0;
  int32_t at = 0;
  const int32_t day = takeSmallNumber(s, &at);
  if (day < 0) return 0;
  const int32_t month = takeMonthName(s, &at, kSpanishMonths);
  if (month == 0) return 0;
  const int32_t year = takeYear(s, &at);
  if (year < 0 || at >= s.length || s.data[at] != '-') return 0;
  *out = DateTime{year, month, day, 0, 0, 0};
  return at + 1;
}

int32_t englishMonthDate(Span s, DateTime* out) {
  if (out == nullptr || spanIsEmpty(s)) return VTX_ERR_FAILED;
  int32_t at = 0;
  const int32_t day = takeSmallNumber(s, &at);
  if (day < 0) return VTX_ERR_FAILED;
  while (at < s.length && isAsciiSpace(byteOf(s.data[at]))) ++at;
  const int32_t month = takeMonthName(s, &at, kEnglishMonths);
  if (month == 0) return VTX_ERR_FAILED;
  while (at < s.length && isAsciiSpace(byteOf(s.data[at]))) ++at;
  const int32_t year = takeYear(s, &at);
  if (year < 0 || at != s.length) return VTX_ERR_FAILED;
  *out = DateTime{year, month, day, 0, 0, 0};
  return VTX_OK;
}

}  // namespace tavrix
