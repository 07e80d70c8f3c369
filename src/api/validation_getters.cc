// Exported validators: each stores its verdict (1 cannot be judged, 2
// valid, 3 invalid) and returns 0, or returns the failure and leaves the
// status alone.
#include "api/getter.h"
#include "fields/validation.h"

namespace tavrix {
namespace {

int32_t verdictInto(int32_t verdict, int32_t* status) {
  if (verdict < 0) return verdict;
  *status = verdict;
  return VTX_OK;
}

// The handle's decoding buffer serves as scratch space: the values read
// so far live in the record's arena, not there.
int32_t documentIdVerdict(const ParserHandle& handle, int32_t* status) {
  return verdictInto(validateDocumentId(&handle.record, handle.workBuffer, handle.workInUse), status);
}

int32_t jurisdictionVerdict(const ParserHandle& handle, int32_t* status) {
  return verdictInto(validateJurisdictionCode(&handle.record), status);
}

}  // namespace
}  // namespace tavrix

extern "C" VTX_API int32_t VTX_validateDocumentId(void* handle, int32_t* status) {
  return ::tavrix::runStatusGetter(handle, status, ::tavrix::documentIdVerdict);
}

extern "C" VTX_API int32_t VTX_validateJurisdictionCode(void* handle, int32_t* status) {
  return ::tavrix::runStatusGetter(handle, status, ::tavrix::jurisdictionVerdict);
}

extern "C" VTX_API int32_t VTX_validateBarcode(void* handle, int32_t columns, int32_t rows, int32_t level,
                                               int32_t* status) {
  const auto* h = static_cast<const ::tavrix::ParserHandle*>(handle);
  if (h == nullptr || status == nullptr || !::tavrix::handleHasStorage(h)) return VTX_ERR_ARGUMENT;
  return ::tavrix::verdictInto(::tavrix::validateSymbolGeometry(&h->record, columns, rows, level), status);
}
