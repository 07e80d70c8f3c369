// The parse engine as plainly as it can be written, kept as the oracle for
// the library's engine: for every row, decode afresh, upper-case, clear the
// whole record, parse and score; then decode and parse the winner once more
// and add the version number.
#pragma once

#include "engine/engine.h"

namespace tavrix::test {

int32_t referenceParseEngine(const FormatTable& table, const char* input, int32_t length, const EngineRoom& room,
                             const ParserHandle* context);

}  // namespace tavrix::test
