// Internal entry points of the life-cycle calls.
#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "engine/registry.h"

namespace tavrix {

// The buffer sizes a parse of `length` bytes works with (the arena may be
// given more when a parse needs it); both at least 8192.
int64_t workSizeFor(int32_t length);
int64_t arenaSizeFor(int32_t length);

using EngineFunction = int32_t (*)(const FormatTable& table, const char* input, int32_t length,
                                   const EngineRoom& room, const ParserHandle* context);

// VTX_parse with an explicit registry (tests run small tables of their own)
// and engine (tests compare the library's engine with a plain one).
int32_t parseWithRegistry(ParserHandle* h, const FormatTable& table, const void* data, int32_t length,
                          EngineFunction engine = runParseEngine);

}  // namespace tavrix
