// The parse engine: tries every registry row on the input, keeps the best
// scoring one and runs it again for real.
#pragma once

#include <cstdint>

#include "engine/registry.h"

namespace tavrix {

int32_t runParseEngine(const FormatTable& table, const char* input, int32_t length, char* work,
                       int32_t workCapacity, FieldRecord* record, const ParserHandle* context);

// The two version digits of an AAMVA header ("@" ... "ANSI " + 6-digit
// issuer number + version): 0 and `out` set, -26 when there is none, -21
// for null arguments or a negative length.
int32_t findAamvaVersion(const char* text, int32_t length, Span* out);

}  // namespace tavrix
