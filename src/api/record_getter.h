// Adapts an accessor that works on a field record to the handle-based
// accessor form the exported getters wrap.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"
#include "tavrix_parser.h"

namespace tavrix {

using RecordTextAccessor = int32_t (*)(const FieldRecord* record, char* buffer, int32_t capacity);

template <RecordTextAccessor Accessor>
int32_t onRecord(const ParserHandle& handle, char* buffer, int32_t capacity) {
  return Accessor(&handle.record, buffer, capacity);
}

// Values formed in steps (a name split from a full name and cleaned, a
// street line a jurisdiction rewrites, a name joined from its parts) are
// formed at full size in the handle's scratch room and then cut to the
// caller's capacity, so a small buffer gets the beginning of the same value
// and never a value formed from pieces that were already cut. Scratch is
// the first region of the work buffer, free once a parse is over; a caller
// whose buffer is at least that large (the Java binding hands in that very
// region) gets the value formed in place, and so does a buffer of one byte,
// which can only hold "" and keeps the getters' own answer for it.
template <RecordTextAccessor Accessor>
int32_t formedThenCut(const ParserHandle& handle, char* buffer, int32_t capacity) {
  char* scratch = handle.workBuffer;
  const int32_t room = handle.workInUse;
  if (scratch == nullptr || room <= capacity || capacity < 2) return Accessor(&handle.record, buffer, capacity);
  const int32_t result = Accessor(&handle.record, scratch, room);
  if (result != VTX_OK) {
    buffer[0] = '\0';
    return result;
  }
  int32_t length = 0;
  while (length < capacity - 1 && scratch[length] != '\0') ++length;
  for (int32_t i = 0; i < length; ++i) buffer[i] = scratch[i];
  buffer[length] = '\0';
  return VTX_OK;
}

}  // namespace tavrix
