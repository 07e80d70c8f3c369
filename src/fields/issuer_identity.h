// Who issued the document and what it is: issuer number, jurisdiction,
// country name and code, issuing authority, document type, AAMVA version.
// Values missing from the record are derived through the reference tables.
//
// Each accessor writes a NUL-terminated value of at most capacity - 1
// characters and returns 0, VTX_ERR_ARGUMENT (no record or arena, null
// buffer, capacity below 1) or VTX_ERR_NOT_AVAILABLE.
#pragma once

#include <cstdint>

#include "engine/record.h"

namespace tavrix {

// Scratch sizes for intermediate values; a longer value is cut and then
// fails its table lookup.
inline constexpr int32_t kJurisdictionScratch = 16;
inline constexpr int32_t kIssuerNumberScratch = 32;
inline constexpr int32_t kCountryScratch = 64;

// Field documentType, else "DL" or "UNKNOWN" from what the record holds.
// Always 0 once the arguments are valid.
int32_t documentTypeAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Mailing or residence jurisdiction field, else the issuer number's code.
int32_t jurisdictionCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Issuer number field when known, else the number of the jurisdiction.
int32_t issuerNumberAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Country field, else the name of the country code, else the country of
// the jurisdiction ("United States", "Canada", ...).
int32_t countryAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// Country-code field as stored, else the alpha-3 code of the country.
int32_t countryCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// The jurisdiction code of the issuer number.
int32_t issuedByAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// The two version digits of the AAMVA header.
int32_t aamvaVersionAccessor(const FieldRecord* record, char* buffer, int32_t capacity);

// Common argument check of the record accessors.
inline bool accessorArgumentsValid(const FieldRecord* record, const char* buffer, int32_t capacity) {
  return record != nullptr && record->arena.storage != nullptr && record->arena.capacity >= 1 &&
         buffer != nullptr && capacity >= 1;
}

}  // namespace tavrix
