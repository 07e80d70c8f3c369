// The three "HC" card formats (format ids 48 to 50): a fixed-position text
// opening with '@' and "HC" at its fifth and sixth places, a financial-layout
// track 1 ("%B" and a card number), and a text of tagged lines after which
// the country is Canada.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

int32_t parseHcFixedPositions(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parseHcFinancialTrack(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parseHcTaggedLines(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);

}  // namespace tavrix
