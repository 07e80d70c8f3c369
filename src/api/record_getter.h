// Adapts an accessor that works on a field record to the handle-based
// accessor form the exported getters wrap.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

using RecordTextAccessor = int32_t (*)(const FieldRecord* record, char* buffer, int32_t capacity);

template <RecordTextAccessor Accessor>
int32_t onRecord(const ParserHandle& handle, char* buffer, int32_t capacity) {
  return Accessor(&handle.record, buffer, capacity);
}

}  // namespace tavrix
