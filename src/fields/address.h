// The holder's address: two street lines, the city and the postal code.
// The mailing address fields come first, the residence fields second.
// Jurisdictions may replace the street rule (Canadian issuers append city,
// province and postal code to the street) and format the postal code.
//
// Each accessor returns 0 with a NUL-terminated value of at most
// capacity - 1 characters, VTX_ERR_ARGUMENT (no record or arena, null
// buffer, capacity below 1), VTX_ERR_NOT_AVAILABLE, or for the U.S. postal
// form VTX_ERR_BUFFER_TOO_SMALL (it needs capacity 11).
#pragma once

#include <cstdint>

#include "engine/record.h"

namespace tavrix {

// Characters trimmed from the ends of a street line.
inline constexpr const char* kStreetCleaningChars = " ,$@\\/-^\t\n\r";

int32_t address1Accessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t address2Accessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t cityAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// The postal-code field, else the residence one, else the code found after
// the city and jurisdiction code in the first street line; formatted by
// the jurisdiction's handler when it has one.
// The city and jurisdiction code that find a code in the street line are
// formed in the caller's buffer, whose size then limits the search.
int32_t postalCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// The same with the city and jurisdiction code formed in a scratch room of
// their own, so that only the code itself has to fit the caller's buffer.
int32_t postalCodeWithScratch(const FieldRecord* record, char* buffer, int32_t capacity, char* scratch,
                              int32_t scratchCapacity);

}  // namespace tavrix
