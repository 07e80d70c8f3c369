// Span basics, comparison, search and trimming. Read-only operations take
// spans by value; operations that narrow a span take a pointer to it.
// Character sets are NUL-terminated member lists (null or "" has no
// member); predicates are called with unsigned byte values only.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// True for a null pointer or an empty span (the by-value form is in span.h).
inline bool spanIsEmpty(const Span* s) { return s == nullptr || spanIsEmpty(*s); }

// Drops the first n characters (all of them when n is not below the
// length). Nothing happens for an empty span or n below 1.
void spanAdvance(Span* s, int32_t n);

// Comparison. Bytes compare as signed characters.
// 0 when equal. Span data null: -1 if `text` is not null, else 0; `text`
// null: 1. Different lengths: span length minus text length. Otherwise 1
// or -1 at the first differing byte.
int32_t spanCompareStr(Span s, const char* text);
// Flags for spanCompare.
inline constexpr uint32_t kCompareIgnoreCase = 1u;
// 0 when equal. a's data null: -1 if b's data is not null, else 0; b's
// data null: 1. Different lengths: length of a minus length of b. Else 1
// or -1 at the first difference; kCompareIgnoreCase compares two letters
// by their upper-case forms.
int32_t spanCompare(Span a, Span b, uint32_t flags);
// Index of the first occurrence of `needle`, or -1 (either empty, or the
// needle longer than the haystack).
int32_t spanFind(Span haystack, Span needle);
// Removes, in place and keeping the order, every span equal to one of the
// strings; returns the new count (0 when count is below 1).
int32_t spanListRemoveStrs(Span* spans, int32_t count, const char* const* strings, int32_t stringCount);

// Trimming. Each does nothing for a null or empty span, a null or empty
// set, or a null predicate. The *Set forms trim both ends left first.
void spanTrimLeftSet(Span* s, const char* set);
void spanTrimRightSet(Span* s, const char* set);
void spanTrimSet(Span* s, const char* set);
void spanTrimLeftIf(Span* s, CharPredicate pred);
void spanTrimRightIf(Span* s, CharPredicate pred);
void spanTrimIf(Span* s, CharPredicate pred);

// Trims both ends of buffer[0, length) by the set, moves what remains to
// the start and returns its length. Writes no terminator. A null buffer or
// set, or a length below 1, leaves the buffer alone and returns the length
// (a negative length counts as 0).
int32_t textTrimSet(char* buffer, int32_t length, const char* set);

}  // namespace tavrix
