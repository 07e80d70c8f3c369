// Result codes that stay inside the library: the text utilities, the field
// record and the engine use them among themselves, and none of them leaves
// an exported function (the codes a caller can receive are in the public
// header).
#pragma once

#include <cstdint>

#include "tavrix_parser.h"

inline constexpr int32_t VTX_ERR_FAILED = -1;            // a text utility could not do its work
inline constexpr int32_t VTX_ERR_FIELD_NOT_FOUND = -16;  // no field of a priority list holds text
inline constexpr int32_t VTX_ERR_NO_LENGTH = -17;        // the engine was given an input length below 1
inline constexpr int32_t VTX_ERR_MALFORMED = -20;        // text does not have the required form
