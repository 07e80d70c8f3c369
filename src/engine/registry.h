// The format registry: every known format with the decoder that prepares
// the text for it, the parser that reads it and the issuer it is expected
// to come from.
#pragma once

#include <cstdint>

#include "engine/decoders.h"
#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

using FormatParser = int32_t (*)(const char* text, int32_t length, FieldRecord* record,
                                 const ParserHandle* context);

struct FormatRow {
  uint32_t documentClass = 0;
  uint32_t formatId = 0;
  Decoder decoder = nullptr;
  FormatParser parser = nullptr;
  const char* expectedCountry = nullptr;       // ISO 3166 alpha-3, or null for any
  const char* expectedJurisdiction = nullptr;  // two letters, or null for any
};

// Score adjustment for a row that expects a country or jurisdiction,
// computed on the record its parser left; `scratch` may be overwritten.
using ScoreAdjustment = int32_t (*)(const FieldRecord* record, const FormatRow* row, char* scratch,
                                    int32_t scratchCapacity);

struct FormatTable {
  const FormatRow* rows;
  int32_t count;
  ScoreAdjustment adjust;  // null: rows get no adjustment
};

// The library's registry, rows in the order in which they are tried.
FormatTable formatRegistry();

}  // namespace tavrix
