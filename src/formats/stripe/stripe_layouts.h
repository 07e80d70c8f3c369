// The pieces a stripe format is assembled from: how its text is cut into
// tracks, how the tracks are checked (and stripped of their sentinels),
// and the field steps that differ from the default ones.
#pragma once

#include <cstdint>

#include "formats/stripe/stripe_parser.h"

namespace tavrix {

// Splits. 0, -1 (text too short) or -20 (layout not found).
// '%' track 1 "?;" track 2 "?%" track 3 on one line (the "?#" form: track 3
// opens with '#').
int32_t splitSentinelPercent(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
int32_t splitSentinelHash(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
// Track 1 up to the last "?;", track 2 (or, for the second form, track 3)
// from there on.
int32_t splitLastPair(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
int32_t splitLastPairToTrack3(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
// One track per line: two lines, three lines, three lines from track 3 up.
int32_t splitTwoLines(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
int32_t splitThreeLines(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
int32_t splitThreeLinesReversed(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
// Each track between "{!|n" and "|!}".
int32_t splitBrackets(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
// The first three texts between '?' end sentinels; the trimmed form drops
// line ends and spaces around each.
int32_t splitQuestionMarks(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
int32_t splitQuestionMarksTrimmed(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
// The whole text is track 1; the whole text but its end sentinel is track 2.
int32_t splitWholeText(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);
int32_t splitTrack2Only(StripeParser* parser, const char* text, int32_t length, TrackSet* tracks);

// Checks. 0 or -20; each strips what its layout puts before the data.
int32_t checkBankCard(StripeParser* parser, TrackSet* tracks);
int32_t checkLicence(StripeParser* parser, TrackSet* tracks);
int32_t checkLicenceWithTrack3(StripeParser* parser, TrackSet* tracks);
int32_t checkShiftedIin(StripeParser* parser, TrackSet* tracks);
int32_t checkBareIin(StripeParser* parser, TrackSet* tracks);
int32_t checkLenient(StripeParser* parser, TrackSet* tracks);
int32_t checkCanadian(StripeParser* parser, TrackSet* tracks);
int32_t checkTrack1Only(StripeParser* parser, TrackSet* tracks);
int32_t checkLetters(StripeParser* parser, TrackSet* tracks);
int32_t checkGapIin(StripeParser* parser, TrackSet* tracks);
int32_t checkTrack2Only(StripeParser* parser, TrackSet* tracks);

// A financial card: track 1 opens with '%', 'B' and a digit.
bool isBankCardTrack1(Span track1);

// Field steps of single formats.
// The postal code as the digits after "%" and the version (five to nine).
void stripeDigitPostalCode(StripeParser* parser, Span track3);
// Canada: address, description at a fixed place, imperial units, postal code.
void canadianAddress(StripeParser* parser, Span track1);
void fixedDescriptionLocate(StripeParser* parser, Span track3, Span* description);
void canadianPostalCode(StripeParser* parser, Span track3);
// '#' track 3 with the postal code from its fifth character.
void hashTrack3PostalCode(StripeParser* parser, Span track3);
// Track 3 that carries the licence number in its description.
int32_t runLicenceInTrack3(StripeParser* parser, const char* text, int32_t length);
void licenceNumberInDescription(StripeParser* parser, Span track3);
void percentDigitsPostalCode(StripeParser* parser, Span track3);
// Issuer number, a separator, then the licence number.
void separatedTrack2Number(StripeParser* parser, Span track2);
void separatedTrack2Dates(StripeParser* parser, Span track2);
// Licence number split around the dates: "=" middle digits "=" after them.
void splitTrack2Number(StripeParser* parser, Span track2);

}  // namespace tavrix
