// Plausibility verdicts on a parsed document: the form of the licence or
// document number, the jurisdiction code against the issuer number, and
// the PDF417 symbol geometry. Each answers VTX_STATUS_UNKNOWN (1: a value
// it needs is missing, or the jurisdiction is not in its table),
// VTX_STATUS_VALID (2) or VTX_STATUS_INVALID (3), or VTX_ERR_ARGUMENT.
// None changes the record.
#pragma once

#include <cstdint>

#include "engine/record.h"

namespace tavrix {

// Symbol geometry ranges a barcode can have at all.
inline constexpr int32_t kFewestColumns = 3;
inline constexpr int32_t kMostColumns = 33;
inline constexpr int32_t kFewestRows = 3;
inline constexpr int32_t kMostRows = 90;
inline constexpr int32_t kLowestLevel = 0;
inline constexpr int32_t kHighestLevel = 8;

// The number's form for the jurisdiction and document type ("DL" or "ID").
// The scratch buffer receives intermediate texts and is left overwritten.
// VTX_ERR_ARGUMENT for a null record or scratch buffer, or a capacity
// below 1.
int32_t validateDocumentId(const FieldRecord* record, char* scratch, int32_t capacity);
// Whether the issuer number names the record's jurisdiction.
// VTX_ERR_ARGUMENT for a null record.
int32_t validateJurisdictionCode(const FieldRecord* record);
// Whether the jurisdiction prints symbols of this geometry.
// VTX_ERR_ARGUMENT for a null record, or columns, rows or level outside
// 3..33, 3..90, 0..8.
int32_t validateSymbolGeometry(const FieldRecord* record, int32_t columns, int32_t rows, int32_t level);

}  // namespace tavrix
