// Internal entry points of the life-cycle calls.
#pragma once

#include <cstdint>

#include "engine/registry.h"

namespace tavrix {

// The buffer sizes a parse of `length` bytes works with (the arena may be
// given more when a parse needs it); both at least 8192.
int64_t workSizeFor(int32_t length);
int64_t arenaSizeFor(int32_t length);

// VTX_parse with an explicit registry (tests run small tables of their own).
int32_t parseWithRegistry(ParserHandle* h, const FormatTable& table, const void* data, int32_t length);

}  // namespace tavrix
