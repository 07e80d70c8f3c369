// Field steps that single stripe formats put in place of the defaults.
#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_layouts.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

constexpr int32_t kFixedDescriptionStart = 15;

int32_t digitRun(Span s, int32_t from, int32_t maximum) {
  int32_t n = 0;
  while (from + n < s.length && n < maximum && isAsciiDigit(byteOf(s.data[from + n]))) ++n;
  return n;
}

int32_t leadingPostalRun(Span s, int32_t from, int32_t maximum) {
  int32_t n = 0;
  while (from + n < s.length && n < maximum && isPostalCodeChar(byteOf(s.data[from + n]))) ++n;
  return n;
}

}  // namespace

void stripeDigitPostalCode(StripeParser* parser, Span track3) {
  if (track3.data == nullptr || track3.length < 8 || track3.data[0] != '%') return;
  const int32_t run = digitRun(track3, 3, 9);
  if (run < 5) return;
  stripeStorePostalCode(parser, Span{track3.data + 3, run}, false, true);
}

void canadianAddress(StripeParser* parser, Span track1) {
  stripeAddressWith(parser, track1, isPlainTextChar, isNotWordChar, nullptr);
}

void fixedDescriptionLocate(StripeParser*, Span track3, Span* description) {
  *description = Span{};
  if (track3.data == nullptr || track3.length < kFixedDescriptionStart) return;
  *description = Span{track3.data + kFixedDescriptionStart, track3.length - kFixedDescriptionStart};
}

// The first '#' or '%' (from the start) followed, after the version, by more
// than three postal-code characters.
void canadianPostalCode(StripeParser* parser, Span track3) {
  if (track3.data == nullptr || track3.length < 7) return;
  for (int32_t i = 0; track3.length - i >= 4; ++i) {
    if (track3.data[i] != '#' && track3.data[i] != '%') continue;
    const int32_t run = leadingPostalRun(track3, i + 3, 11);
    if (run > 3) {
      stripeStorePostalCode(parser, Span{track3.data + i + 3, run}, true, false);
      return;
    }
  }
}

void hashTrack3PostalCode(StripeParser* parser, Span track3) {
  if (track3.data == nullptr || track3.length < 9 || track3.data[0] != '#') return;
  const int32_t end = track3.length < 13 ? track3.length : 13;
  stripeStorePostalCode(parser, Span{track3.data + 4, end - 4}, false, true);
}

int32_t runLicenceInTrack3(StripeParser* parser, const char* text, int32_t length) {
  TrackSet tracks{};
  int32_t rc = parser->splitTracks(parser, text, length, &tracks);
  if (rc != VTX_OK) return rc;
  rc = parser->checkTracks(parser, &tracks);
  if (rc != VTX_OK) return rc;
  if (parser->parseTrack1 != nullptr) parser->parseTrack1(parser, tracks.track1);
  if (parser->parseTrack3 != nullptr) parser->parseTrack3(parser, tracks.track3);
  if (parser->track2Number != nullptr) parser->track2Number(parser, tracks.track3);
  stripeFinishDocumentType(parser);
  return VTX_OK;
}

void licenceNumberInDescription(StripeParser* parser, Span track3) {
  Span description{};
  stripeTrack3Locate(parser, track3, &description);
  if (description.length < 53) return;
  Span number{description.data + 41, 12};
  spanTrimSet(&number, " ");
  if (!spanIsEmpty(number)) recordSetSpan(parser->record, field::licenseNumber, number);
}

// The first '%' whose version is followed by five to nine digits.
void percentDigitsPostalCode(StripeParser* parser, Span track3) {
  if (track3.data == nullptr || track3.length < 7) return;
  for (int32_t i = 0; track3.length - i >= 4; ++i) {
    const int32_t after = track3.length - i - 1;
    if (track3.data[i] != '%' || after <= 6 || !isAsciiDigit(byteOf(track3.data[i + 3]))) continue;
    const int32_t run = digitRun(track3, i + 3, (after < 11 ? after : 11) - 2);
    if (run >= 5) {
      stripeStorePostalCode(parser, Span{track3.data + i + 3, run}, false, true);
      return;
    }
  }
}

void separatedTrack2Number(StripeParser* parser, Span track2) {
  if (track2.data == nullptr || track2.length < 21 || digitRun(track2, 0, 6) != 6) return;
  if (isAsciiAlnum(byteOf(track2.data[6]))) return;
  stripeNumberFrom(parser, track2, 7);
}

void separatedTrack2Dates(StripeParser* parser, Span track2) {
  if (track2.data == nullptr || track2.length < 8) return;
  stripeDatesAfterEquals(parser, track2, 7);
}

// IIN, digits, '=', twelve date digits, '=', middle digits, '=': the
// licence number is the middle digits followed by those after the IIN.
void splitTrack2Number(StripeParser* parser, Span track2) {
  constexpr int32_t kLongest = 31;
  if (track2.data == nullptr || track2.length < 8) return;
  const int32_t head = digitRun(track2, 6, 13);
  const int32_t first = 6 + head;
  if (first >= track2.length || track2.data[first] != '=') return;
  const int32_t second = first + 13;
  if (track2.length - first < 14 || track2.data[second] != '=' || second == track2.length - 1) return;
  const int32_t middle = digitRun(track2, second + 1, track2.length);
  const int32_t third = second + 1 + middle;
  if (third >= track2.length || track2.data[third] != '=' || middle > kLongest) return;
  char number[kLongest];
  int32_t n = 0;
  for (int32_t i = 0; i < middle; ++i) number[n++] = track2.data[second + 1 + i];
  for (int32_t i = 0; i < head && n < kLongest; ++i) number[n++] = track2.data[6 + i];
  recordSetSpan(parser->record, field::licenseNumber, Span{number, n});
}

}  // namespace tavrix
