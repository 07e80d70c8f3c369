// Diagnostic view of a handle for the command-line tool and tests: the
// recognised format and the raw fields. Not part of the exported interface.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

struct ParseDiagnostics {
  uint32_t documentClass;  // 6 when no format is set
  uint32_t formatId;       // 68 when no format is set
};

// -21 for a null handle or one that never parsed.
int32_t diagnosticsOf(const void* handle, ParseDiagnostics* out);
// Raw text of one field: 0 with `out` set, -26 when empty, -21 for bad arguments.
int32_t diagnosticField(const void* handle, int32_t fieldId, Span* out);

}  // namespace tavrix
