// Tokenisers and run finders. Delimiters are a NUL-terminated set.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// Flag for spanNextToken and spanSplit: skip delimiters before the token
// (and, for spanSplit, store no empty token).
inline constexpr uint32_t kTokenSkipLeading = 1u;

// token = the characters of `input` up to the first delimiter; rest = what
// follows that delimiter (the delimiter belongs to neither). `rest` may
// point at the span the input was copied from. Returns 0, or -1 when token
// or rest is null.
int32_t spanNextToken(Span input, Span* token, Span* rest, const char* delimiters, uint32_t flags);
// The 0-based index-th non-empty token: 0 and `out` set, or -1 (empty
// span, negative index, too few tokens, null out).
int32_t spanTokenAt(Span s, Span* out, int32_t index, const char* delimiters);
// Splits into at most maxCount tokens; returns how many were stored.
int32_t spanSplit(Span s, Span* out, int32_t maxCount, const char* delimiters, uint32_t flags);

// Next run of characters satisfying `pred`, skipping others before it: a
// run of at least `minimum` ended by a failing character, a run that
// reached `maximum`, or a run that reached the end of the span (whatever
// its length). 1 when found (run and rest set), else 0 with rest = s and
// run = (s start, 0). Preconditions as spanTakeRun.
int32_t spanFindRun(Span s, CharPredicate pred, int32_t minimum, int32_t maximum, Span* run, Span* rest);
// A run at the start of the span: succeeds when the run stopped at
// `maximum` or the end of the span, or at a failing character after at
// least `minimum`. 1 on success; 0 otherwise (rest = s, run empty). Returns
// 0 writing nothing for null data or predicate, an empty span, or a
// minimum or maximum below 1.
int32_t spanTakeRun(Span s, CharPredicate pred, int32_t minimum, int32_t maximum, Span* run, Span* rest);

}  // namespace tavrix
