#include "api/diagnostics.h"

#include "api/getter.h"
#include "engine/parser_handle.h"

namespace tavrix {

int32_t diagnosticsOf(const void* handle, ParseDiagnostics* out) {
  const auto* h = static_cast<const ParserHandle*>(handle);
  if (out == nullptr || !handleHasStorage(h)) return VTX_ERR_ARGUMENT;
  out->documentClass = h->record.documentClass;
  out->formatId = h->record.formatId;
  return VTX_OK;
}

int32_t diagnosticField(const void* handle, int32_t fieldId, Span* out) {
  const auto* h = static_cast<const ParserHandle*>(handle);
  if (out == nullptr || !handleHasStorage(h) || fieldId < 0 || fieldId >= kFieldCount) return VTX_ERR_ARGUMENT;
  const Span s = recordField(&h->record, fieldId);
  if (spanIsEmpty(s)) return VTX_ERR_NOT_AVAILABLE;
  *out = s;
  return VTX_OK;
}

}  // namespace tavrix
