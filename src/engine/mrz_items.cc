#include "engine/mrz_items.h"

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"

namespace tavrix {

int32_t mrzReadCode(Span s, char* out3) {
  if (out3 == nullptr || s.data == nullptr || s.length < 3) return VTX_ERR_ARGUMENT;
  if (spanFindFailing(s, isMrzLetter) != 0) return VTX_ERR_MALFORMED;
  bool stopped = false;
  for (int32_t i = 0; i < 3; ++i) {
    if (s.data[i] == '<') stopped = true;
    out3[i] = stopped ? '\0' : s.data[i];
  }
  return VTX_OK;
}

int32_t mrzParseDate(Span s, DateTime* out) {
  if (out == nullptr || s.data == nullptr || s.length != 6) return VTX_ERR_ARGUMENT;
  if (spanFindFailing(s, isAsciiDigit) != 0) return VTX_ERR_MALFORMED;
  auto pair = [&s](int32_t at) { return (s.data[at] - '0') * 10 + (s.data[at + 1] - '0'); };
  *out = DateTime{1900 + pair(0), pair(2), pair(4), 0, 0, 0};
  return VTX_OK;
}

int32_t mrzSplitName(Span s, Span* whole, Span* primary, Span* secondary, Span* rest) {
  if (s.data == nullptr || s.length < 0 || whole == nullptr || primary == nullptr || secondary == nullptr ||
      rest == nullptr) {
    return VTX_ERR_ARGUMENT;
  }
  *whole = *primary = *secondary = *rest = Span{};
  if (spanFindFailing(s, isMrzLetter) != 0) return VTX_ERR_MALFORMED;
  Span w = s;
  spanTrimSet(&w, "<");
  if (spanIsEmpty(w)) return VTX_ERR_MALFORMED;
  *whole = w;

  const int32_t gap = spanFind(w, Span{"<<", 2});
  if (gap >= 0) {
    Span before{w.data, gap};
    spanTrimSet(&before, "<");
    Span after{w.data + gap + 2, w.length - gap - 2};
    spanTrimSet(&after, "<");
    *primary = before;
    spanNextToken(after, secondary, rest, "<", 0);
  } else {
    Span remainder;
    spanNextToken(w, primary, &remainder, "<", 0);
    spanNextToken(remainder, secondary, rest, "<", 0);
  }
  return VTX_OK;
}

}  // namespace tavrix
