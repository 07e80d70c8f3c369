// In-place replacement in a caller's writable buffer.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// Replaces every non-overlapping occurrence of `pattern` in
// buffer[0, length), left to right, by `replacement` and returns the new
// length; the replacement is never searched again. A growing replacement
// that would take the text past `capacity` stops there: that occurrence
// and all later text stay as they were. Runs in linear time. Writes no
// terminator. An empty pattern or replacement changes nothing.
int32_t textReplaceAll(char* buffer, int32_t length, int32_t capacity, Span pattern, Span replacement);

}  // namespace tavrix
