// The magnetic-stripe parser: one machine for every driving-licence stripe
// layout. A reader delivers up to three tracks in one text:
//   track 1  '%', jurisdiction (2), city, '^', name, '^', address, '^', '?'
//   track 2  ';', issuer number (6), licence number, '=', expiry YYMM,
//            birth date CCYYMMDD, licence-number overflow, '?'
//   track 3  '%' (or '#', '+'), version (2), postal code (11), then the
//            physical description at fixed places, '?'
// Every step is a slot holding a plain function; a stripe format is the
// default parser with its own split and check and a few slots replaced or
// emptied. An empty slot is skipped.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Result codes of the split and check steps.
namespace stripe_rc {
inline constexpr int32_t kTooShort = -1;      // the text is shorter than the layout needs
inline constexpr int32_t kNotThisLayout = -20;  // the tracks are not where the layout has them
inline constexpr int32_t kNoSuchFormat = -22;   // no stripe format has the id
}  // namespace stripe_rc

// The three tracks as spans into the decoded text; nothing is copied.
struct TrackSet {
  Span track1;
  Span track2;
  Span track3;
};

struct StripeParser;

using StripeRunOp = int32_t (*)(StripeParser* parser, const char* text, int32_t length);
using StripeSplitOp = int32_t (*)(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
using StripeCheckOp = int32_t (*)(StripeParser* parser, TrackSet* tracks);
using StripeTrackOp = void (*)(StripeParser* parser, Span track);
using StripeLocateOp = void (*)(StripeParser* parser, Span track3, Span* description);

struct StripeParser {
  FieldRecord* record = nullptr;
  DateTime parseTime;  // its year gives two-digit years their century
  StripeRunOp run = nullptr;
  StripeSplitOp splitTracks = nullptr;
  StripeCheckOp checkTracks = nullptr;
  StripeTrackOp parseTrack1 = nullptr;
  StripeTrackOp track1Jurisdiction = nullptr;
  StripeTrackOp track1City = nullptr;
  StripeTrackOp track1Name = nullptr;
  StripeTrackOp track1Address = nullptr;
  StripeTrackOp parseTrack2 = nullptr;
  StripeTrackOp track2Iin = nullptr;
  StripeTrackOp track2Number = nullptr;
  StripeTrackOp track2Dates = nullptr;
  StripeTrackOp parseTrack3 = nullptr;
  StripeTrackOp track3PostalCode = nullptr;
  StripeLocateOp track3Locate = nullptr;
  // The physical description, read from the span track3Locate found.
  StripeTrackOp track3Class = nullptr;
  StripeTrackOp track3Restrictions = nullptr;
  StripeTrackOp track3Endorsements = nullptr;
  StripeTrackOp track3Sex = nullptr;
  StripeTrackOp track3Height = nullptr;
  StripeTrackOp track3Weight = nullptr;
  StripeTrackOp track3HairColor = nullptr;
  StripeTrackOp track3EyeColor = nullptr;
};

// Stores the record and the parse time, leaves split and check empty and
// puts the default step into every other slot.
void stripeParserInit(StripeParser* parser, FieldRecord* record, const ParserHandle* context);
// The same parser with every slot empty.
void stripeParserInitEmpty(StripeParser* parser, FieldRecord* record, const ParserHandle* context);

// Driver: split, check (either's non-zero result is returned), the three
// track steps, then the document type "DL" when something was read.
int32_t stripeRun(StripeParser* parser, const char* text, int32_t length);
// Stores "DL" as the document type unless one is stored, when the parse
// read at least one field: a text that yields nothing stays empty.
void stripeFinishDocumentType(StripeParser* parser);

// The track steps: each calls its field slots in order.
void stripeParseTrack1(StripeParser* parser, Span track);
void stripeParseTrack2(StripeParser* parser, Span track);
void stripeParseTrack3(StripeParser* parser, Span track);

// Track 1 fields.
void stripeTrack1Jurisdiction(StripeParser* parser, Span track);
void stripeTrack1City(StripeParser* parser, Span track);
void stripeTrack1Name(StripeParser* parser, Span track);
void stripeTrack1Address(StripeParser* parser, Span track);
// The address search with its own address characters: `outsideKeep`
// marks what is trimmed from the ends and stored as a space, and
// `endPunctuation` (may be null) what is trimmed from the ends after that.
void stripeAddressWith(StripeParser* parser, Span track, CharPredicate addressChar, CharPredicate outsideKeep,
                       const char* endPunctuation);

// Track 2 fields.
void stripeTrack2Iin(StripeParser* parser, Span track);
void stripeTrack2Number(StripeParser* parser, Span track);
void stripeTrack2Dates(StripeParser* parser, Span track);
// The twelve date digits YYMM CCYYMMDD (expiry, birth) into the record;
// nothing unless all twelve are digits.
void stripeStoreDates(StripeParser* parser, Span twelveDigits);
// From the first '=' at or after `from`: the dates that follow it.
void stripeDatesAfterEquals(StripeParser* parser, Span track, int32_t from);
// Licence number: `digitsFrom` is where the number's digits start, after
// the issuer number; they run to an '=' and may be followed, after the
// twelve date digits, by up to five overflow digits.
void stripeNumberFrom(StripeParser* parser, Span track, int32_t digitsFrom);

// Track 3: the description's place and the postal code.
void stripeTrack3Locate(StripeParser* parser, Span track3, Span* description);
void stripeTrack3PostalCode(StripeParser* parser, Span track3);
// Stores a postal code run as the record keeps it: six characters as
// "XXX XXX", nine (with `zipPlusFour`) as "NNNNN-NNNN", others unchanged.
void stripeStorePostalCode(StripeParser* parser, Span code, bool canadianForm, bool zipPlusFour);

// Upper-case letters, digits and white space: the characters of a postal
// code field.
int isPostalCodeChar(int c);

}  // namespace tavrix
