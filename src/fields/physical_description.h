// The holder's physical description: sex, eye and hair colour, race,
// height and weight. Codes become words, weights are converted between
// pounds and kilograms, heights are written with their unit.
//
// Each accessor returns 0 with a NUL-terminated value, VTX_ERR_ARGUMENT
// (no record or arena, null buffer, capacity below 1; below 4 for the
// weights), VTX_ERR_NOT_AVAILABLE, or VTX_ERR_BUFFER_TOO_SMALL where said.
#pragma once

#include <cstdint>

#include "engine/record.h"

namespace tavrix {

inline constexpr int32_t kSexMale = 0;
inline constexpr int32_t kSexFemale = 1;

// The holder's sex from the gender field: "MALE" or a text starting with
// "1" or "M" is male (0), "FEMALE" or a text starting with "2" or "F" is
// female (1); exact letter case. 0 and *out set; VTX_ERR_ARGUMENT for a
// null record or out; VTX_ERR_NOT_AVAILABLE for an empty field or any
// other text.
int32_t sexOf(const FieldRecord* record, int32_t* out);

// "Male" (needs capacity 5) or "Female" (needs 7); a smaller buffer gives
// VTX_ERR_BUFFER_TOO_SMALL.
int32_t genderAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// A known colour code (case-sensitive) as its word; any other text as it is.
int32_t eyeColorAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t hairColorAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Race, trimmed of control characters and blanks, inner ones made spaces.
int32_t raceAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Height as stored, or feet and inches as 5'09", or centimetres as 175cm.
// The two formed values give VTX_ERR_BUFFER_TOO_SMALL when they do not fit.
int32_t heightAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Weight in kilograms or pounds: stored, converted from the other unit
// (the empty string when the converted number does not fit), or the text
// of the weight range.
int32_t weightKgAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t weightLbsAccessor(const FieldRecord* record, char* buffer, int32_t capacity);

}  // namespace tavrix
