// The two stripe formats that carry their data in one line: the Australian
// track 1 (name and licence number between '^') and the "OH" line holding
// all three tracks one after the other.
#include <initializer_list>

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_description.h"
#include "formats/stripe/stripe_formats.h"
#include "formats/stripe/stripe_parser.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

using stripe_rc::kNotThisLayout;
using stripe_rc::kTooShort;

// ---- Australia: %<digit>...^NAME^NUMBER^...

int32_t splitAllButLast(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  tracks->track1 = Span{text, length - 1};
  return VTX_OK;
}

int32_t checkPercentDigit(StripeParser*, TrackSet* tracks) {
  const Span t = tracks->track1;
  if (t.data == nullptr || t.length < 2 || t.data[0] != '%' || !isAsciiDigit(byteOf(t.data[1]))) {
    return kNotThisLayout;
  }
  return VTX_OK;
}

int32_t findCaret(Span s, int32_t from) {
  for (int32_t i = from; i < s.length; ++i) {
    if (s.data[i] == '^') return i;
  }
  return -1;
}

// The first '^' followed by a name, '^', a number of up to ten digits and
// another '^'.
void australianNameAndNumber(StripeParser* parser, Span track) {
  if (track.data == nullptr || track.length < 5) return;
  int32_t from = 0;
  while (track.length - from > 4) {
    const int32_t caret = findCaret(track, from);
    if (caret < 0) return;
    const Span afterCaret{track.data + caret + 1, track.length - caret - 1};
    Span name;
    Span rest;
    Span number;
    if (spanTakeRun(afterCaret, isAddressChar, 1, 30, &name, &rest) != 0 && rest.length > 2 && rest.data[0] == '^' &&
        spanTakeRun(Span{rest.data + 1, rest.length - 1}, isDigitOrSpace, 1, 10, &number, &rest) != 0 &&
        rest.length >= 1 && rest.data[0] == '^') {
      spanTrimIf(&name, isAsciiSpace);
      spanTrimIf(&number, isAsciiSpace);
      if (!spanIsEmpty(name)) recordSetSpan(parser->record, field::fullName, name);
      if (!spanIsEmpty(number)) recordSetSpan(parser->record, field::licenseNumber, number);
      return;
    }
    from = caret + 1;
    if (track.length - from < 5) return;
  }
}

int32_t runAustralian(StripeParser* parser, const char* text, int32_t length) {
  TrackSet tracks{};
  int32_t rc = parser->splitTracks(parser, text, length, &tracks);
  if (rc != VTX_OK) return rc;
  rc = parser->checkTracks(parser, &tracks);
  if (rc != VTX_OK) return rc;
  parser->parseTrack1(parser, tracks.track1);
  if (recordFieldStatus(parser->record, field::fullName) != VTX_OK &&
      recordFieldStatus(parser->record, field::licenseNumber) != VTX_OK) {
    return VTX_OK;
  }
  recordSetFieldStr(parser->record, field::country, "Australia");
  stripeFinishDocumentType(parser);
  return VTX_OK;
}

// ---- The "OH" line: OH city ^ name ^ address ^ account number = dates ...

int32_t splitFirstLine(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  if (length < 4) return kTooShort;
  auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
  int32_t i = 0;
  Span line{};
  while (i < length && line.length < 2) {
    while (i < length && lineEnd(text[i])) ++i;
    const int32_t start = i;
    while (i < length && !lineEnd(text[i])) ++i;
    line = Span{text + start, i - start};
  }
  if (line.length < 2) line = Span{};
  // Nothing but line ends may follow the line.
  while (i < length && lineEnd(text[i])) ++i;
  if (i < length) return kNotThisLayout;
  tracks->track1 = line;
  return VTX_OK;
}

int32_t checkOhio(StripeParser*, TrackSet* tracks) {
  const Span t = tracks->track1;
  if (t.data == nullptr || t.length < 2 || t.data[0] != 'O' || t.data[1] != 'H') return kNotThisLayout;
  return VTX_OK;
}

// An account number (7 to 19 digits) directly after a '^'.
struct AccountRun {
  int32_t caret = -1;   // the '^' before it
  int32_t start = -1;   // its first digit
  int32_t end = -1;     // one past its last digit
};

// The account run after the '^' at `caret`; false when there is none.
bool accountAt(Span line, int32_t caret, AccountRun* out) {
  Span run;
  const Span after{line.data + caret + 1, line.length - caret - 1};
  if (spanTakeRun(after, isAsciiDigit, 7, 19, &run, nullptr) == 0) return false;
  out->caret = caret;
  out->start = caret + 1;
  out->end = caret + 1 + run.length;
  return true;
}

// The first '^' at or after `from` with an account run after it.
bool nextAccount(Span line, int32_t from, AccountRun* out) {
  for (int32_t caret = findCaret(line, from); caret >= 0; caret = findCaret(line, caret + 1)) {
    if (accountAt(line, caret, out)) return true;
  }
  return false;
}

bool equalsAt(Span line, int32_t i) { return i < line.length && line.data[i] == '='; }

void ohioIin(StripeParser* parser, Span line) {
  AccountRun account;
  for (int32_t from = 0; nextAccount(line, from, &account); from = account.caret + 1) {
    if (account.end >= line.length) return;
    if (equalsAt(line, account.end)) {
      recordSetSpan(parser->record, field::issuerIdNumber, Span{line.data + account.start, 6});
      return;
    }
  }
}

void ohioNumber(StripeParser* parser, Span line) {
  AccountRun account;
  for (int32_t from = 0; nextAccount(line, from, &account); from = account.caret + 1) {
    if (equalsAt(line, account.end) && line.length - account.end >= 13) {
      recordSetSpan(parser->record, field::licenseNumber,
                    Span{line.data + account.start + 6, account.end - account.start - 6});
      return;
    }
  }
}

// The postal code follows the twelve date digits after the account run's
// '=': 5 to 11 digits, of which the last five (or nine) are the code.
void ohioPostalCode(StripeParser* parser, Span line) {
  AccountRun account;
  for (int32_t from = 0; line.length - from >= 26 && nextAccount(line, from, &account); from = account.caret + 1) {
    if (line.length - account.end < 18 || !equalsAt(line, account.end)) return;
    Span run;
    const int32_t start = account.end + 13;
    if (spanTakeRun(Span{line.data + start, line.length - start}, isAsciiDigit, 5, 11, &run, nullptr) == 0) continue;
    if (run.length == 6) spanAdvance(&run, 1);
    if (run.length >= 7) spanAdvance(&run, 2);
    stripeStorePostalCode(parser, run, false, true);
    return;
  }
}

// The description follows the digits after the dates.
void ohioLocate(StripeParser*, Span line, Span* description) {
  *description = Span{};
  AccountRun account;
  for (int32_t from = 0; line.length - from >= 27 && nextAccount(line, from, &account); from = account.caret + 1) {
    if (line.length - account.end < 19 || !equalsAt(line, account.end)) return;
    Span run;
    Span rest;
    const int32_t start = account.end + 13;
    if (spanTakeRun(Span{line.data + start, line.length - start}, isAsciiDigit, 5, line.length, &run, &rest) == 0) {
      continue;
    }
    if (rest.length > 0) {
      *description = rest;
      return;
    }
  }
}

// The dates follow the first '=' after a token that ends in seven digits.
void ohioDates(StripeParser* parser, Span line) {
  if (line.data == nullptr || line.length < 20) return;
  Span rest = line;
  while (!spanIsEmpty(rest)) {
    Span token;
    spanNextToken(rest, &token, &rest, "=", kTokenSkipLeading);
    const int32_t equals = static_cast<int32_t>(token.data - line.data) + token.length;
    if (equals >= line.length) return;  // the last token has no '=' after it
    const int32_t following = line.length - equals - 1;
    const Span dates{line.data + equals + 1, 12};
    if (following < 20) {
      if (following >= 12) stripeStoreDates(parser, dates);
      return;
    }
    const bool accountEnd = token.length > 6 &&
                            spanFindFailing(Span{token.data + token.length - 7, 7}, isAsciiDigit) == 0;
    if (accountEnd && spanFindFailing(dates, isAsciiDigit) == 0) {
      stripeStoreDates(parser, dates);
      return;
    }
  }
}

void parseOhioLine(StripeParser* parser, Span line) {
  if (spanIsEmpty(line)) return;
  for (StripeTrackOp op : {parser->track1City, parser->track1Name, parser->track1Address, parser->track2Iin,
                           parser->track2Number, parser->track3PostalCode}) {
    if (op != nullptr) op(parser, line);
  }
  if (parser->track3Locate != nullptr) {
    Span description{};
    parser->track3Locate(parser, line, &description);
    for (StripeTrackOp op : {parser->track3Class, parser->track3Restrictions, parser->track3Endorsements,
                             parser->track3Sex, parser->track3Height, parser->track3Weight,
                             parser->track3HairColor, parser->track3EyeColor}) {
      if (op != nullptr) op(parser, description);
    }
  }
  if (parser->track2Dates != nullptr) parser->track2Dates(parser, line);
  recordSetFieldStr(parser->record, field::addressJurisdictionCode, "OH");
}

}  // namespace

int32_t parseAustralianStripe(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  StripeParser parser;
  stripeParserInitEmpty(&parser, record, context);
  parser.run = runAustralian;
  parser.splitTracks = splitAllButLast;
  parser.checkTracks = checkPercentDigit;
  parser.parseTrack1 = australianNameAndNumber;
  return parser.run(&parser, text, length);
}

int32_t parseSingleLineStripe(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  StripeParser parser;
  stripeParserInit(&parser, record, context);
  parser.splitTracks = splitFirstLine;
  parser.checkTracks = checkOhio;
  parser.parseTrack1 = parseOhioLine;
  parser.parseTrack2 = nullptr;
  parser.parseTrack3 = nullptr;
  parser.track2Iin = ohioIin;
  parser.track2Number = ohioNumber;
  parser.track2Dates = ohioDates;
  parser.track3PostalCode = ohioPostalCode;
  parser.track3Locate = ohioLocate;
  parser.track3Class = stripeDescriptionText<2, 2, field::classificationCode>;
  parser.track3Restrictions = stripeDescriptionText<4, 10, field::restrictionCode>;
  parser.track3Endorsements = stripeDescriptionText<14, 4, field::endorsementsCode>;
  parser.track3Sex = stripeDescriptionText<18, 1, field::gender>;
  parser.track3Height = stripeHeightFeetInches<19>;
  parser.track3Weight = stripeWeightPounds<22>;
  parser.track3HairColor = stripeColour<25, field::hairColor>;
  parser.track3EyeColor = stripeColour<28, field::eyeColor>;
  return parser.run(&parser, text, length);
}

}  // namespace tavrix
