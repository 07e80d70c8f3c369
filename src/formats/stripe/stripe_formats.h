// The seventeen magnetic-stripe formats (format ids 0 to 16) as registry
// parsers. Formats 0 to 14 are the default stripe parser set up by a row
// of the variant table; 15 and 16 carry everything in one line.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

inline constexpr int32_t kStripeLastThreeTrackFormat = 14;
inline constexpr int32_t kStripeLineFeedFreeFormat = 11;

// Runs the three-track format `formatId` (0..14) on decoded text: 0 when
// the text has its layout, else the split's or check's code; -22 for an
// id outside 0..14.
int32_t parseStripeVariant(int32_t formatId, const char* text, int32_t length, FieldRecord* record,
                           const ParserHandle* context);

template <int32_t FormatId>
int32_t parseStripeFormat(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  static_assert(FormatId >= 0 && FormatId <= kStripeLastThreeTrackFormat && FormatId != kStripeLineFeedFreeFormat,
                "a three-track format that reads the text as it is");
  return parseStripeVariant(FormatId, text, length, record, context);
}

// Format 11 reads the text with its line feeds taken out, in place.
int32_t parseStripeWithoutLineFeeds(char* text, int32_t length, FieldRecord* record, const ParserHandle* context);

// The Australian track 1 (format 15) and the one-line "OH" stripe (16).
int32_t parseAustralianStripe(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parseSingleLineStripe(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);

}  // namespace tavrix
