// Track 3: where the physical description starts, and the postal code.
#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_parser.h"

namespace tavrix {
namespace {

// Sentinel, two version characters and the eleven-character postal code
// stand before the description.
constexpr int32_t kDescriptionOffset = 14;
constexpr int32_t kPostalCodeOffset = 3;  // past the sentinel and the version
constexpr int32_t kPostalCodeWidth = 11;

bool isTrack3Sentinel(char c) { return c == '%' || c == '#' || c == '+'; }

int32_t leadingRun(Span s, CharPredicate pred) {
  int32_t n = 0;
  while (n < s.length && pred(byteOf(s.data[n])) != 0) ++n;
  return n;
}

}  // namespace

int isPostalCodeChar(int c) { return isAsciiUpper(c) || isAsciiDigit(c) || isAsciiSpace(c); }

void stripeTrack3Locate(StripeParser*, Span track3, Span* description) {
  *description = Span{};
  if (track3.data == nullptr || track3.length < 16) return;
  for (int32_t i = track3.length - 15; i >= 0; --i) {
    if (isTrack3Sentinel(track3.data[i])) {
      const int32_t start = i + kDescriptionOffset;
      *description = Span{track3.data + start, track3.length - start};
      return;
    }
  }
}

void stripeStorePostalCode(StripeParser* parser, Span code, bool canadianForm, bool zipPlusFour) {
  spanTrimIf(&code, isAsciiSpace);
  if (spanIsEmpty(code)) return;
  char formed[12];
  if (canadianForm && code.length == 6) {
    // K1A0B1 -> K1A 0B1
    for (int32_t i = 0; i < 3; ++i) {
      formed[i] = code.data[i];
      formed[i + 4] = code.data[i + 3];
    }
    formed[3] = ' ';
    recordSetSpan(parser->record, field::addressPostalCode, Span{formed, 7});
  } else if (zipPlusFour && code.length == 9) {
    // 123456789 -> 12345-6789
    for (int32_t i = 0; i < 5; ++i) formed[i] = code.data[i];
    formed[5] = '-';
    for (int32_t i = 5; i < 9; ++i) formed[i + 1] = code.data[i];
    recordSetSpan(parser->record, field::addressPostalCode, Span{formed, 10});
  } else {
    recordSetSpan(parser->record, field::addressPostalCode, code);
  }
}

// The last sentinel (from the end) followed, after the version, by more
// than three postal-code characters.
void stripeTrack3PostalCode(StripeParser* parser, Span track3) {
  if (track3.data == nullptr || track3.length < 7) return;
  for (int32_t i = track3.length - 1; i >= 0; --i) {
    if (!isTrack3Sentinel(track3.data[i]) || track3.length - i <= 6) continue;
    const int32_t start = i + kPostalCodeOffset;
    const int32_t width = track3.length - start < kPostalCodeWidth ? track3.length - start : kPostalCodeWidth;
    const int32_t run = leadingRun(Span{track3.data + start, width}, isPostalCodeChar);
    if (run > 3) {
      stripeStorePostalCode(parser, Span{track3.data + start, run}, true, true);
      return;
    }
  }
}

}  // namespace tavrix
