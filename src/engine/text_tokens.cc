#include "engine/text_tokens.h"

#include "engine/text_span.h"

namespace tavrix {

int32_t spanNextToken(Span input, Span* token, Span* rest, const char* delimiters, uint32_t flags) {
  if (token == nullptr || rest == nullptr) return VTX_ERR_FAILED;
  Span r = input;
  if (r.length < 0) r.length = 0;
  if ((flags & kTokenSkipLeading) != 0) {
    while (!spanIsEmpty(r) && inCharSet(delimiters, r.data[0])) spanAdvance(&r, 1);
  }
  Span t{r.data, 0};
  while (!spanIsEmpty(r)) {
    const char c = r.data[0];
    spanAdvance(&r, 1);
    if (inCharSet(delimiters, c)) break;
    ++t.length;
  }
  *token = t;
  *rest = r;
  return VTX_OK;
}

int32_t spanTokenAt(Span s, Span* out, int32_t index, const char* delimiters) {
  if (out == nullptr || spanIsEmpty(s) || index < 0) return VTX_ERR_FAILED;
  Span current = s;
  Span token;
  for (int32_t i = 0; i <= index; ++i) {
    if (spanIsEmpty(current)) return VTX_ERR_FAILED;
    spanNextToken(current, &token, &current, delimiters, kTokenSkipLeading);
    if (token.length < 1) return VTX_ERR_FAILED;
  }
  *out = token;
  return VTX_OK;
}

int32_t spanSplit(Span s, Span* out, int32_t maxCount, const char* delimiters, uint32_t flags) {
  if (spanIsEmpty(s) || out == nullptr || maxCount < 1) return 0;
  int32_t stored = 0;
  Span current = s;
  do {
    Span token;
    spanNextToken(current, &token, &current, delimiters, flags);
    if (token.length > 0 || (flags & kTokenSkipLeading) == 0) out[stored++] = token;
  } while (stored < maxCount && !spanIsEmpty(current));
  return stored;
}

namespace {

bool runArgumentsValid(Span s, CharPredicate pred, int32_t minimum, int32_t maximum) {
  return s.data != nullptr && pred != nullptr && s.length > 0 && minimum >= 1 && maximum >= 1;
}

void setRunResult(Span s, int32_t start, int32_t count, Span* run, Span* rest) {
  if (run != nullptr) *run = Span{s.data + start, count};
  if (rest != nullptr) *rest = Span{s.data + start + count, s.length - start - count};
}

}  // namespace

int32_t spanTakeRun(Span s, CharPredicate pred, int32_t minimum, int32_t maximum, Span* run, Span* rest) {
  if (!runArgumentsValid(s, pred, minimum, maximum)) return 0;
  int32_t count = 0;
  while (count < maximum && count < s.length && pred(byteOf(s.data[count])) != 0) ++count;
  if (count == maximum || count == s.length || count >= minimum) {
    setRunResult(s, 0, count, run, rest);
    return 1;
  }
  if (run != nullptr) *run = Span{s.data, 0};
  if (rest != nullptr) *rest = s;
  return 0;
}

int32_t spanFindRun(Span s, CharPredicate pred, int32_t minimum, int32_t maximum, Span* run, Span* rest) {
  if (!runArgumentsValid(s, pred, minimum, maximum)) return 0;
  int32_t start = 0;
  int32_t count = 0;
  for (int32_t i = 0; i < s.length; ++i) {
    if (pred(byteOf(s.data[i])) != 0) {
      if (count == 0) start = i;
      ++count;
      if (count == maximum) {
        setRunResult(s, start, count, run, rest);
        return 1;
      }
    } else if (count > 0) {
      if (count >= minimum) {
        setRunResult(s, start, count, run, rest);
        return 1;
      }
      count = 0;
    }
  }
  if (count > 0) {
    setRunResult(s, start, count, run, rest);
    return 1;
  }
  if (run != nullptr) *run = Span{s.data, 0};
  if (rest != nullptr) *rest = s;
  return 0;
}

}  // namespace tavrix
