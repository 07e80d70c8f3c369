// Internal entry points of the life-cycle calls.
#pragma once

#include <cstdint>

#include "engine/registry.h"

namespace tavrix {

// VTX_parse with an explicit registry (tests run small tables of their own).
int32_t parseWithRegistry(ParserHandle* h, const FormatTable& table, const void* data, int32_t length);

}  // namespace tavrix
