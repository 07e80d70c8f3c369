// The Soundex code of a name (some licence numbers begin with it).
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// Writes four characters (the first letter upper-cased, then three
// digits, padded with '0'), no terminator. 0, or -21 for null pointers, an
// empty span, or a non-letter among the characters read (the output may
// then be partly written).
int32_t soundexCode(Span name, char* out4);
// The same for a NUL-terminated string.
int32_t soundexCodeStr(const char* name, char* out4);

}  // namespace tavrix
