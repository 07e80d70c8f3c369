// Readers for the items of a machine-readable zone: three-letter codes,
// YYMMDD dates and the PRIMARY<<SECONDARY<MORE name item.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// Up to three letters from the start of a code item, stopping at the
// first '<'; the positions after the stop are NUL (no further
// terminator). -21 for null pointers or a span shorter than 3; -20 when a
// character of the span is not 'A'..'Z' or '<'.
int32_t mrzReadCode(Span s, char* out3);
// Six digits YYMMDD: year 1900 + YY, no range check. -21 unless exactly six
// characters and out not null; -20 unless all are digits.
int32_t mrzParseDate(Span s, DateTime* out);
// Splits a name item: whole = the item without surrounding '<'; primary,
// secondary and rest the name parts. -21 for null pointers or a negative
// length; -20 for a character other than 'A'..'Z' and '<', or an item
// that is all filler.
int32_t mrzSplitName(Span s, Span* whole, Span* primary, Span* secondary, Span* rest);

}  // namespace tavrix
