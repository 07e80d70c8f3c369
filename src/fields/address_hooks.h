// Address and postal-code handlers that jurisdiction rows point to. They
// belong with the address accessors and are defined there; the handler
// table only needs their signatures.
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Canadian street line: the first non-empty field of `ids` (count of them)
// with the city, province code and postal code the issuer appended to it
// removed. 0 and a NUL-terminated value in buffer, or a negative code.
int32_t canadianAddressHandler(const FieldRecord* record, const int32_t* ids, int32_t count, char* buffer,
                               int32_t capacity);

// U.S. postal code: the digits of `postalCode` in the fixed form
// 12345-6789 (missing digits become 0). 0, VTX_ERR_NOT_AVAILABLE for a
// code without any digit, or VTX_ERR_BUFFER_TOO_SMALL below capacity 11.
int32_t usPostalCodeHandler(Span postalCode, char* buffer, int32_t capacity);

}  // namespace tavrix
