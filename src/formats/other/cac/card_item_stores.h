// The item stores of the card formats: how an item's characters become the
// field's text, by the form its layout gives it.
#pragma once

#include <cstdint>

#include "engine/span.h"
#include "formats/other/cac/card_layout_parser.h"

namespace tavrix {

// The base-32 cards: numbers written in decimal, day counts as dates,
// everything else trimmed.
void cardStoreBase32Item(CardLayoutParser* parser, const LayoutItem& item, Span value);
// The item layouts: month-abbreviation dates, heights and the name list;
// everything else trimmed.
void cardStoreLayoutItem(CardLayoutParser* parser, const LayoutItem& item, Span value);

// A base-32 number ('0'-'9' are 0-9, 'A'-'V' are 10-31, most significant
// first, a '=' ends it): 0 with the value, or -1 for a character outside
// the alphabet or no digit at all.
int32_t cardBase32Value(Span digits, uint64_t* value);

}  // namespace tavrix
