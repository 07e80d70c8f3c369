#include "formats/stripe/stripe_formats.h"

#include <cstring>
#include <iterator>

#include "fields/field_ids.h"
#include "formats/stripe/stripe_description.h"
#include "formats/stripe/stripe_layouts.h"
#include "formats/stripe/stripe_parser.h"

namespace tavrix {
namespace {

// Track steps a format leaves out.
enum EmptiedTracks : uint8_t {
  kKeepAllTracks = 0,
  kNoTrack1 = 1,
  kNoTrack2 = 2,
  kNoTrack3 = 4,
};

// What a format changes in the default parser; a null slot keeps the
// default.
struct StripeVariant {
  int32_t formatId = -1;
  StripeSplitOp split = nullptr;
  StripeCheckOp check = nullptr;
  StripeRunOp run = nullptr;
  uint8_t emptied = kKeepAllTracks;
  StripeTrackOp track1Address = nullptr;
  StripeTrackOp track2Number = nullptr;
  StripeTrackOp track2Dates = nullptr;
  StripeLocateOp track3Locate = nullptr;
  StripeTrackOp track3Sex = nullptr;
  StripeTrackOp track3Height = nullptr;
  StripeTrackOp track3Weight = nullptr;
  StripeTrackOp track3PostalCode = nullptr;
};

// One row per format id, in id order.
constexpr StripeVariant kVariants[] = {
    {.formatId = 0, .split = splitLastPair, .check = checkLicence},
    {.formatId = 1, .split = splitTwoLines, .check = checkLicence},
    {.formatId = 2, .split = splitThreeLines, .check = checkLicenceWithTrack3},
    {.formatId = 3, .split = splitThreeLinesReversed, .check = checkLicenceWithTrack3},
    {.formatId = 4, .split = splitSentinelPercent, .check = checkBankCard, .track3PostalCode = stripeDigitPostalCode},
    {.formatId = 5, .split = splitSentinelPercent, .check = checkShiftedIin},
    {.formatId = 6, .split = splitBrackets, .check = checkBareIin},
    {.formatId = 7, .split = splitQuestionMarksTrimmed, .check = checkLenient},
    {.formatId = 8, .split = splitQuestionMarks, .check = checkCanadian, .track1Address = canadianAddress, .track3Locate = fixedDescriptionLocate, .track3Height = stripeHeightFeetInches<17>, .track3Weight = stripeWeightPounds<20>, .track3PostalCode = canadianPostalCode},
    {.formatId = 9, .split = splitSentinelHash, .check = checkBankCard, .track3Locate = fixedDescriptionLocate, .track3Sex = stripeDescriptionText<15, 1, field::gender>, .track3PostalCode = hashTrack3PostalCode},
    {.formatId = 10, .split = splitWholeText, .check = checkTrack1Only, .emptied = kNoTrack2 | kNoTrack3},
    {.formatId = 11, .split = splitLastPairToTrack3, .check = checkLetters, .run = runLicenceInTrack3, .emptied = kNoTrack2, .track2Number = licenceNumberInDescription, .track3PostalCode = percentDigitsPostalCode},
    {.formatId = 12, .split = splitThreeLines, .check = checkGapIin},
    {.formatId = 13, .split = splitSentinelPercent, .check = checkBankCard, .track2Number = separatedTrack2Number, .track2Dates = separatedTrack2Dates, .track3PostalCode = stripeDigitPostalCode},
    {.formatId = 14, .split = splitTrack2Only, .check = checkTrack2Only, .emptied = kNoTrack1 | kNoTrack3, .track2Number = splitTrack2Number},
};
static_assert(std::size(kVariants) == kStripeLastThreeTrackFormat + 1, "one variant per three-track format id");

constexpr bool variantIdsRunInOrder() {
  for (size_t i = 0; i < std::size(kVariants); ++i) {
    if (kVariants[i].formatId != static_cast<int32_t>(i)) return false;
  }
  return true;
}
static_assert(variantIdsRunInOrder(), "variant rows hold formats 0 to 14 in order");

template <typename Slot>
void replace(Slot* slot, Slot with) {
  if (with != nullptr) *slot = with;
}

}  // namespace

int32_t parseStripeVariant(int32_t formatId, const char* text, int32_t length, FieldRecord* record,
                           const ParserHandle* context) {
  if (formatId < 0 || formatId > kStripeLastThreeTrackFormat) return stripe_rc::kNoSuchFormat;
  const StripeVariant& v = kVariants[formatId];
  StripeParser parser;
  stripeParserInit(&parser, record, context);
  parser.splitTracks = v.split;
  parser.checkTracks = v.check;
  replace(&parser.run, v.run);
  if ((v.emptied & kNoTrack1) != 0) parser.parseTrack1 = nullptr;
  if ((v.emptied & kNoTrack2) != 0) parser.parseTrack2 = nullptr;
  if ((v.emptied & kNoTrack3) != 0) parser.parseTrack3 = nullptr;
  replace(&parser.track1Address, v.track1Address);
  replace(&parser.track2Number, v.track2Number);
  replace(&parser.track2Dates, v.track2Dates);
  replace(&parser.track3Locate, v.track3Locate);
  replace(&parser.track3Sex, v.track3Sex);
  replace(&parser.track3Height, v.track3Height);
  replace(&parser.track3Weight, v.track3Weight);
  replace(&parser.track3PostalCode, v.track3PostalCode);
  return parser.run(&parser, text, length);
}

int32_t parseStripeWithoutLineFeeds(char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  // The text must open with track 1's '%': a foreign text is left as it is.
  if (length >= 5 && text[0] != '%' && text[0] != '\n') return stripe_rc::kNotThisLayout;
  int32_t kept = 0;
  for (int32_t i = 0; i < length; ++i) {
    if (text[i] != '\n') text[kept++] = text[i];
  }
  return parseStripeVariant(kStripeLineFeedFreeFormat, text, kept, record, context);
}

}  // namespace tavrix
