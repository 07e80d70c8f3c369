// The physical description of track 3: licence class, restrictions,
// endorsements, sex, height, weight, hair and eye colour at fixed places.
// Each item is a step for the parser's description slots, made for the
// place where a layout keeps it; an item the description is too short for
// stores nothing.
#pragma once

#include <cstdint>

#include "engine/ascii_classes.h"
#include "engine/record.h"
#include "engine/text_numbers.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_parser.h"

namespace tavrix {

// The item at [position, position + width), trimmed of white space; empty
// when the description does not reach its end.
inline Span descriptionItem(Span description, int32_t position, int32_t width) {
  if (description.data == nullptr || description.length < position + width) return Span{};
  Span item{description.data + position, width};
  spanTrimIf(&item, isAsciiSpace);
  return item;
}

inline bool allDigits(Span s) { return !spanIsEmpty(s) && spanFindFailing(s, isAsciiDigit) == 0; }

// A text item stored as it stands (class, restrictions, endorsements, sex).
template <int32_t Position, int32_t Width, field::Id Field>
void stripeDescriptionText(StripeParser* parser, Span description) {
  const Span item = descriptionItem(description, Position, Width);
  if (!spanIsEmpty(item)) recordSetSpan(parser->record, Field, item);
}

// Height of three digits: one starting with 1 or 2 is in centimetres,
// any other is feet and inches (510 is 5 ft 10 in).
template <int32_t Position>
void stripeHeightEitherUnit(StripeParser* parser, Span description) {
  const Span item = descriptionItem(description, Position, 3);
  if (!allDigits(item)) return;
  const bool centimetres = item.data[0] == '1' || item.data[0] == '2';
  recordSetSpan(parser->record, centimetres ? field::heightCm : field::heightFeetInches, item);
}

// Height always in feet and inches.
template <int32_t Position>
void stripeHeightFeetInches(StripeParser* parser, Span description) {
  const Span item = descriptionItem(description, Position, 3);
  if (allDigits(item)) recordSetSpan(parser->record, field::heightFeetInches, item);
}

// Weight of up to three digits (a blank may stand first): below 101 it is
// kilograms, from 101 on pounds.
template <int32_t Position>
void stripeWeightEitherUnit(StripeParser* parser, Span description) {
  if (description.data == nullptr || description.length < Position + 3) return;
  const char* raw = description.data + Position;
  if (!(isAsciiDigit(byteOf(raw[0])) || isAsciiSpace(byteOf(raw[0])))) return;
  if (!isAsciiDigit(byteOf(raw[1])) || !isAsciiDigit(byteOf(raw[2]))) return;
  const Span item = descriptionItem(description, Position, 3);
  recordSetSpan(parser->record, spanAtoi(item) < 101 ? field::weightKg : field::weightPounds, item);
}

// Weight always in pounds.
template <int32_t Position>
void stripeWeightPounds(StripeParser* parser, Span description) {
  const Span item = descriptionItem(description, Position, 3);
  if (allDigits(item)) recordSetSpan(parser->record, field::weightPounds, item);
}

// A colour code of three letters.
template <int32_t Position, field::Id Field>
void stripeColour(StripeParser* parser, Span description) {
  if (description.data == nullptr || description.length < Position + 3) return;
  const Span item{description.data + Position, 3};
  if (spanFindFailing(item, isAsciiAlpha) == 0) recordSetSpan(parser->record, Field, item);
}

}  // namespace tavrix
