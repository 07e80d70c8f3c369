// The five Common Access Card formats (format ids 51 to 55) as registry
// parsers: the card layout parser configured by one row of the format
// table each.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

inline constexpr int32_t kCacFirstFormat = 51;
inline constexpr int32_t kCacLastFormat = 55;

// Runs the card format of one format id on decoded text: 0 when the text
// is a card of that format (the record then holds what it read), else the
// failing step's code; -21 for an id outside 51..55.
int32_t parseCacVariant(int32_t formatId, const char* text, int32_t length, FieldRecord* record,
                        const ParserHandle* context);

template <int32_t FormatId>
int32_t parseCacFormat(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  static_assert(FormatId >= kCacFirstFormat && FormatId <= kCacLastFormat, "not a card format id");
  return parseCacVariant(FormatId, text, length, record, context);
}

}  // namespace tavrix
