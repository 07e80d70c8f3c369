#include "formats/stripe/stripe_parser.h"

#include <initializer_list>

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_description.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

// Track 1 character classes (white space counts where the class allows it):
//   jurisdiction  letters, digits, '_'                      isIdentChar
//   city          letters, digits, blanks, ' - . / \ _      isNameTextChar
//   name          the city's and $ ,                        isAddressChar
//   address       the name's and #                          isAddressCharHash
// What a stored city keeps (letters, digits, - / \ _) is isCodeChar; what a
// stored address keeps (the city's and ' .) is isNameChar.

// Ends of a city run that are separators, not part of the name.
constexpr const char* kCityTrim = "-.'/\\ \t$^?";
// Ends of an address that are punctuation left over after the keep-set trim.
constexpr const char* kAddressEndPunctuation = "_-'\\/";

// Shortest track 1 each search can find its parts in.
constexpr int32_t kCityMinimum = 3;
constexpr int32_t kNameMinimum = 3;
constexpr int32_t kAddressMinimum = 5;

// The span from one character after `run` starts to the end of `track`:
// where a search resumes after a failed attempt, so every repeat moves on.
Span resumeAfter(Span track, Span run) {
  const int32_t start = static_cast<int32_t>(run.data - track.data) + 1;
  return start >= track.length ? Span{track.data + track.length, 0} : Span{track.data + start, track.length - start};
}

Span skipCarets(Span s) {
  while (s.length > 0 && s.data[0] == '^') spanAdvance(&s, 1);
  return s;
}

}  // namespace

void stripeParserInitEmpty(StripeParser* parser, FieldRecord* record, const ParserHandle* context) {
  *parser = StripeParser{};
  parser->record = record;
  parser->parseTime = parseTimeOf(context);
}

namespace {

// The default parser, copied whole: every stripe variant of every parse
// starts from it.
constexpr StripeParser kDefaultParser{
    .record = nullptr,
    .parseTime = {},
    .run = stripeRun,
    .splitTracks = nullptr,
    .checkTracks = nullptr,
    .parseTrack1 = stripeParseTrack1,
    .track1Jurisdiction = stripeTrack1Jurisdiction,
    .track1City = stripeTrack1City,
    .track1Name = stripeTrack1Name,
    .track1Address = stripeTrack1Address,
    .parseTrack2 = stripeParseTrack2,
    .track2Iin = stripeTrack2Iin,
    .track2Number = stripeTrack2Number,
    .track2Dates = stripeTrack2Dates,
    .parseTrack3 = stripeParseTrack3,
    .track3PostalCode = stripeTrack3PostalCode,
    .track3Locate = stripeTrack3Locate,
    .track3Class = stripeDescriptionText<0, 2, field::classificationCode>,
    .track3Restrictions = stripeDescriptionText<2, 10, field::restrictionCode>,
    .track3Endorsements = stripeDescriptionText<12, 4, field::endorsementsCode>,
    .track3Sex = stripeDescriptionText<16, 1, field::gender>,
    .track3Height = stripeHeightEitherUnit<17>,
    .track3Weight = stripeWeightEitherUnit<20>,
    .track3HairColor = stripeColour<23, field::hairColor>,
    .track3EyeColor = stripeColour<26, field::eyeColor>,
};

}  // namespace

void stripeParserInit(StripeParser* parser, FieldRecord* record, const ParserHandle* context) {
  *parser = kDefaultParser;
  parser->record = record;
  parser->parseTime = parseTimeOf(context);
}

void stripeFinishDocumentType(StripeParser* parser) {
  if (recordFieldStatus(parser->record, field::documentType) == VTX_OK) return;
  if (recordFilledCount(parser->record) > 0) recordSetFieldStr(parser->record, field::documentType, "DL");
}

int32_t stripeRun(StripeParser* parser, const char* text, int32_t length) {
  TrackSet tracks{};
  if (parser->splitTracks != nullptr) {
    const int32_t rc = parser->splitTracks(parser, text, length, &tracks);
    if (rc != VTX_OK) return rc;
  }
  if (parser->checkTracks != nullptr) {
    const int32_t rc = parser->checkTracks(parser, &tracks);
    if (rc != VTX_OK) return rc;
  }
  if (parser->parseTrack1 != nullptr) parser->parseTrack1(parser, tracks.track1);
  if (parser->parseTrack2 != nullptr) parser->parseTrack2(parser, tracks.track2);
  if (parser->parseTrack3 != nullptr) parser->parseTrack3(parser, tracks.track3);
  stripeFinishDocumentType(parser);
  return VTX_OK;
}

void stripeParseTrack1(StripeParser* parser, Span track) {
  if (spanIsEmpty(track)) return;
  for (StripeTrackOp op : {parser->track1Jurisdiction, parser->track1City, parser->track1Name,
                           parser->track1Address}) {
    if (op != nullptr) op(parser, track);
  }
}

void stripeParseTrack2(StripeParser* parser, Span track) {
  if (spanIsEmpty(track)) return;
  for (StripeTrackOp op : {parser->track2Iin, parser->track2Number, parser->track2Dates}) {
    if (op != nullptr) op(parser, track);
  }
}

void stripeParseTrack3(StripeParser* parser, Span track) {
  if (spanIsEmpty(track)) return;
  if (parser->track3Locate != nullptr) {
    Span description{};
    parser->track3Locate(parser, track, &description);
    for (StripeTrackOp op : {parser->track3Class, parser->track3Restrictions, parser->track3Endorsements,
                             parser->track3Sex, parser->track3Height, parser->track3Weight,
                             parser->track3HairColor, parser->track3EyeColor}) {
      if (op != nullptr) op(parser, description);
    }
  }
  if (parser->track3PostalCode != nullptr) parser->track3PostalCode(parser, track);
}

void stripeTrack1Jurisdiction(StripeParser* parser, Span track) {
  if (track.data == nullptr || track.length < 2) return;
  if (!isIdentChar(byteOf(track.data[0])) || !isIdentChar(byteOf(track.data[1]))) return;
  recordSetSpan(parser->record, field::addressJurisdictionCode, Span{track.data, 2});
}

// The city follows the first two-character code that has city characters
// directly after it.
void stripeTrack1City(StripeParser* parser, Span track) {
  if (track.data == nullptr || track.length < kCityMinimum) return;
  Span current = track;
  Span city{};
  for (;;) {
    if (current.length < kCityMinimum) return;
    Span code;
    Span rest;
    if (spanFindRun(current, isIdentChar, 2, 2, &code, &rest) == 0) return;
    if (spanTakeRun(rest, isNameTextChar, 1, 13, &city, nullptr) != 0) break;
    current = resumeAfter(track, code);
  }
  spanTrimSet(&city, kCityTrim);
  if (spanIsEmpty(city)) return;
  recordSetFieldIf(parser->record, field::addressCity, city, isNotCodeChar, isAsciiSpace, ' ');
}

// The name stands after the code and city and the '^' that ends them.
void stripeTrack1Name(StripeParser* parser, Span track) {
  if (track.data == nullptr || track.length < kNameMinimum) return;
  Span current = track;
  Span name{};
  for (;;) {
    if (current.length < kNameMinimum) return;
    Span codeAndCity;
    Span rest;
    if (spanFindRun(current, isNameTextChar, 2, 15, &codeAndCity, &rest) == 0) return;
    if (spanTakeRun(skipCarets(rest), isAddressChar, 1, 35, &name, nullptr) != 0) break;
    current = resumeAfter(track, codeAndCity);
  }
  spanTrimIf(&name, isAsciiSpace);
  if (!spanIsEmpty(name)) recordSetSpan(parser->record, field::fullName, name);
}

void stripeAddressWith(StripeParser* parser, Span track, CharPredicate addressChar, CharPredicate outsideKeep,
                       const char* endPunctuation) {
  if (track.data == nullptr || track.length < kAddressMinimum) return;
  Span current = track;
  Span address{};
  for (;;) {
    Span code;
    Span rest;
    if (spanFindRun(current, isIdentChar, 2, 2, &code, &rest) == 0) return;
    Span city;
    Span name;
    if (spanTakeRun(rest, isNameTextChar, 2, 13, &city, &rest) != 0 &&
        spanTakeRun(skipCarets(rest), isAddressChar, 1, 35, &name, &rest) != 0 &&
        spanTakeRun(skipCarets(rest), addressChar, 1, 255, &address, nullptr) != 0) {
      break;
    }
    current = resumeAfter(track, code);
    if (current.length < kAddressMinimum) return;
  }
  spanTrimIf(&address, outsideKeep);
  spanTrimSet(&address, endPunctuation);
  if (spanIsEmpty(address)) return;
  recordSetFieldIf(parser->record, field::addressStreet1, address, outsideKeep, isAsciiSpace, ' ');
}

void stripeTrack1Address(StripeParser* parser, Span track) {
  stripeAddressWith(parser, track, isAddressCharHash, isNotNameChar, kAddressEndPunctuation);
}

}  // namespace tavrix
