// What the holder may drive: vehicle class, restriction and endorsement
// codes with their descriptions, and the compliance type. The standard
// AAMVA codes are preferred over the jurisdiction's own elements.
//
// Each accessor returns 0 with a NUL-terminated value of at most
// capacity - 1 characters (control characters and blanks trimmed from the
// ends, inner ones made spaces), VTX_ERR_ARGUMENT (no record or arena,
// null buffer, capacity below 1) or VTX_ERR_NOT_AVAILABLE. The yes/no
// indicators are plain flag fields read by the flag getters.
#pragma once

#include <cstdint>

#include "engine/record.h"

namespace tavrix {

// One accessor behind both vehicle-class getters.
int32_t vehicleClassAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Runs of one white-space character are collapsed as well.
int32_t restrictionCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t restrictionDescriptionAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t endorsementCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t endorsementDescriptionAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t vehicleClassDescriptionAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Exactly one visible character, returned as it is.
int32_t complianceTypeAccessor(const FieldRecord* record, char* buffer, int32_t capacity);

}  // namespace tavrix
