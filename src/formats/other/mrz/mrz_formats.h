// The machine-readable zones of passports, identity cards and visas
// (format ids 64 to 67) as registry parsers. The zone's lines arrive joined
// into one string of zone characters; each format knows its documents by
// the total length and the document code at the start.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

inline constexpr int32_t kZoneFirstFormat = 64;
inline constexpr int32_t kZoneLastFormat = 67;

// Reads a zone as format `formatId`: 0 when the text is one of its
// documents (the record then holds what it read); -20 for a text of
// another length, alphabet or document code, or an item of the wrong form;
// -21 for null pointers or an id outside 64..67. The parse time of
// the context gives two-digit years their century.
int32_t parseZone(int32_t formatId, const char* text, int32_t length, FieldRecord* record,
                  const ParserHandle* context);

template <int32_t FormatId>
int32_t parseZoneFormat(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  static_assert(FormatId >= kZoneFirstFormat && FormatId <= kZoneLastFormat, "not a zone format id");
  return parseZone(FormatId, text, length, record, context);
}

}  // namespace tavrix
