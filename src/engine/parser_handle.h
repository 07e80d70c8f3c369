// The parser handle behind the C interface's untyped pointer.
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Fills `now` with the local calendar time; returns 0 on success.
using ClockFunction = int32_t (*)(DateTime* now);

struct ParserHandle {
  DateTime parseTime;          // stamped at the start of every parse; zero before the first
  FieldRecord record;          // fields of the latest parse
  FieldRecord spare;           // the engine's second record while it compares candidates
  char* workBuffer = nullptr;  // decoded input; scratch for validators and the Java binding
  char* arenaBuffer = nullptr;  // the text arenas of the record and the spare record
  int32_t workCapacity = 0;   // size of workBuffer
  int32_t arenaCapacity = 0;  // size of arenaBuffer
  // How much of the work buffer the latest parse used: sized from that
  // input's length, so scratch work after the parse (validators, the Java
  // binding) sees the same room whatever an earlier input grew the buffer to.
  int32_t workInUse = 0;
  // Where the parse time comes from; null means the local clock. Tests set
  // it to fix "today" for the two-digit-year rules.
  ClockFunction clock = nullptr;
};

// The parse time of a context handed to a format parser (zeros when null).
inline DateTime parseTimeOf(const ParserHandle* context) {
  return context != nullptr ? context->parseTime : DateTime{};
}

}  // namespace tavrix
