// The package's own exports beside the VTX_ functions: the recognised format
// of the last parse, for the result object (`formatId`, `documentClass`; the
// C interface has no getter for them, the command-line tool reads them
// through the same diagnostic view), and the allocator's bytes in use, for
// the package's memoryUsage().
#include <malloc.h>

#include <cstdint>

#include "api/diagnostics.h"

#define TAVRIX_WASM_EXPORT extern "C" __attribute__((used, visibility("default")))

TAVRIX_WASM_EXPORT int32_t tavrix_wasm_format(const void* handle, int32_t* formatId, int32_t* documentClass) {
  if (formatId == nullptr || documentClass == nullptr) return -21;
  tavrix::ParseDiagnostics diagnostics{6, 68};
  const int32_t rc = tavrix::diagnosticsOf(handle, &diagnostics);
  if (rc != 0) return rc;
  *formatId = static_cast<int32_t>(diagnostics.formatId);
  *documentClass = static_cast<int32_t>(diagnostics.documentClass);
  return 0;
}

TAVRIX_WASM_EXPORT int32_t tavrix_wasm_allocated(void) {
  return static_cast<int32_t>(mallinfo().uordblks);
}
