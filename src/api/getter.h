// The calling convention shared by every exported getter and validator.
// Exported functions are one-line wrappers around an accessor; the
// argument checks live here once.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "tavrix_parser.h"

namespace tavrix {

// Forms a text value into buffer (capacity >= 1, buffer not null, handle
// parsed at least once: all checked before the call).
using TextAccessor = int32_t (*)(const ParserHandle& handle, char* buffer, int32_t capacity);
// Forms a verdict (1 cannot be judged, 2 valid, 3 invalid) into *status.
using StatusAccessor = int32_t (*)(const ParserHandle& handle, int32_t* status);

inline bool handleHasStorage(const ParserHandle* handle) {
  return handle != nullptr && handle->record.arena.storage != nullptr && handle->record.arena.capacity >= 1;
}

// Null handle, null buffer, capacity below 1 or a handle that never parsed:
// -21. Otherwise whatever the accessor answers.
inline int32_t runTextGetter(void* handle, char* buffer, int32_t capacity, TextAccessor accessor) {
  const auto* h = static_cast<const ParserHandle*>(handle);
  if (h == nullptr || buffer == nullptr || capacity < 1 || !handleHasStorage(h)) return VTX_ERR_ARGUMENT;
  return accessor(*h, buffer, capacity);
}

// Flags: 1 when the field is exactly "1", else 0; -26 (value untouched)
// when the field is empty.
inline int32_t runFlagGetter(void* handle, int32_t* value, int32_t fieldId) {
  const auto* h = static_cast<const ParserHandle*>(handle);
  if (h == nullptr || value == nullptr || !handleHasStorage(h)) return VTX_ERR_ARGUMENT;
  const Span field = recordField(&h->record, fieldId);
  if (spanIsEmpty(field)) return VTX_ERR_NOT_AVAILABLE;
  *value = (field.length == 1 && field.data[0] == '1') ? 1 : 0;
  return VTX_OK;
}

inline int32_t runStatusGetter(void* handle, int32_t* status, StatusAccessor accessor) {
  const auto* h = static_cast<const ParserHandle*>(handle);
  if (h == nullptr || status == nullptr || !handleHasStorage(h)) return VTX_ERR_ARGUMENT;
  return accessor(*h, status);
}

// Copies a span into the caller's buffer with the plain cut rule: at most
// capacity - 1 characters and a NUL. An empty span gives the empty string.
inline int32_t copyValueOut(char* buffer, int32_t capacity, Span value) {
  if (spanIsEmpty(value) || capacity < 2) {
    buffer[0] = '\0';
    return VTX_OK;
  }
  spanCopyOut(buffer, capacity, value, nullptr, nullptr, '\0');
  return VTX_OK;
}

}  // namespace tavrix

// Defines an exported text getter on top of an accessor.
#define TAVRIX_TEXT_GETTER(name, accessor)                                           \
  extern "C" VTX_API int32_t name(void* handle, char* buffer, int32_t capacity) {    \
    return ::tavrix::runTextGetter(handle, buffer, capacity, accessor);              \
  }

// Defines an exported flag getter reading one field.
#define TAVRIX_FLAG_GETTER(name, fieldId)                                            \
  extern "C" VTX_API int32_t name(void* handle, int32_t* value) {                    \
    return ::tavrix::runFlagGetter(handle, value, fieldId);                          \
  }
