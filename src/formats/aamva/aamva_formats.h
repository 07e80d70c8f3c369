// The 31 AAMVA barcode formats (format ids 17 to 47) as registry parsers.
// Each is the one reader configured by a row of the variant table.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

inline constexpr int32_t kAamvaFirstFormat = 17;
inline constexpr int32_t kAamvaLastFormat = 47;

// Runs the variant of one format id on decoded text: 0 when the text has
// that variant's shape (the record then holds what it read), else the
// failing step's code; -22 for an id outside 17..47.
int32_t parseAamvaVariant(int32_t formatId, const char* text, int32_t length, FieldRecord* record);

template <int32_t FormatId>
int32_t parseAamvaFormat(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  static_assert(FormatId >= kAamvaFirstFormat && FormatId <= kAamvaLastFormat, "not an AAMVA format id");
  return parseAamvaVariant(FormatId, text, length, record);
}

}  // namespace tavrix
