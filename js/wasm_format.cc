// The recognised format of the last parse, for the package's result object
// (`formatId`, `documentClass`). The C interface has no getter for them; the
// command-line tool reads them through the same diagnostic view.
#include <cstdint>

#include "api/diagnostics.h"

extern "C" __attribute__((used, visibility("default"))) int32_t tavrix_wasm_format(const void* handle,
                                                                                 int32_t* formatId,
                                                                                 int32_t* documentClass) {
  if (formatId == nullptr || documentClass == nullptr) return -21;
  tavrix::ParseDiagnostics diagnostics{6, 68};
  const int32_t rc = tavrix::diagnosticsOf(handle, &diagnostics);
  if (rc != 0) return rc;
  *formatId = static_cast<int32_t>(diagnostics.formatId);
  *documentClass = static_cast<int32_t>(diagnostics.documentClass);
  return 0;
}
