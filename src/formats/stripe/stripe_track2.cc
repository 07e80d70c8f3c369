// Track 2: issuer number, licence number and the two dates.
#include "engine/ascii_classes.h"
#include "engine/calendar.h"
#include "engine/text_numbers.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_parser.h"

namespace tavrix {
namespace {

constexpr int32_t kIinLength = 6;
constexpr int32_t kDateDigits = 12;  // YYMM expiry, CCYYMMDD birth
constexpr int32_t kMaxNumberDigits = 13;
constexpr int32_t kMaxOverflowDigits = 5;

// Expiry months that are no month.
constexpr int32_t kNeverExpires = 77;
constexpr int32_t kMonthAfterBirthMonth = 88;
constexpr int32_t kOnBirthday = 99;

int32_t twoDigits(const char* p) { return (p[0] - '0') * 10 + (p[1] - '0'); }
int32_t fourDigits(const char* p) { return twoDigits(p) * 100 + twoDigits(p + 2); }

bool digitsAt(Span s, int32_t from, int32_t count) {
  if (from < 0 || count < 0 || s.data == nullptr || from + count > s.length) return false;
  for (int32_t i = from; i < from + count; ++i) {
    if (!isAsciiDigit(byteOf(s.data[i]))) return false;
  }
  return true;
}

int32_t findChar(Span s, int32_t from, char c) {
  for (int32_t i = from < 0 ? 0 : from; i < s.length; ++i) {
    if (s.data[i] == c) return i;
  }
  return -1;
}

}  // namespace

void stripeTrack2Iin(StripeParser* parser, Span track) {
  if (track.data == nullptr || track.length < 8) return;
  Span account;
  Span rest;
  spanNextToken(track, &account, &rest, "=", 0);
  if (account.length < 7 || account.length > 19 || spanFindFailing(account, isAsciiDigit) != 0) return;
  recordSetSpan(parser->record, field::issuerIdNumber, Span{account.data, kIinLength});
}

void stripeNumberFrom(StripeParser* parser, Span track, int32_t digitsFrom) {
  int32_t end = digitsFrom;
  while (end < track.length && end - digitsFrom < kMaxNumberDigits && isAsciiDigit(byteOf(track.data[end]))) ++end;
  const int32_t count = end - digitsFrom;
  if (count < 1 || end >= track.length || track.data[end] != '=') return;
  // Up to 13 digits and 5 overflow digits.
  char number[kMaxNumberDigits + kMaxOverflowDigits];
  int32_t n = 0;
  for (int32_t i = digitsFrom; i < end; ++i) number[n++] = track.data[i];
  // Overflow digits follow the twelve date digits when something does.
  const int32_t overflow = end + kDateDigits + 1;
  if (track.length - end >= kDateDigits + 2 && isAsciiDigit(byteOf(track.data[overflow]))) {
    for (int32_t i = overflow; i < track.length && i < overflow + kMaxOverflowDigits; ++i) {
      if (!isAsciiDigit(byteOf(track.data[i]))) break;
      number[n++] = track.data[i];
    }
  }
  recordSetSpan(parser->record, field::licenseNumber, Span{number, n});
}

void stripeTrack2Number(StripeParser* parser, Span track) {
  if (track.data == nullptr || track.length < 20 || !digitsAt(track, 0, kIinLength)) return;
  stripeNumberFrom(parser, track, kIinLength);
}

void stripeStoreDates(StripeParser* parser, Span digits) {
  if (!digitsAt(digits, 0, kDateDigits)) return;
  const int32_t yy = twoDigits(digits.data);
  const int32_t expiryMonth = twoDigits(digits.data + 2);
  const int32_t birthYear = fourDigits(digits.data + 4);
  const int32_t birthMonth = twoDigits(digits.data + 8);
  const int32_t birthDay = twoDigits(digits.data + 10);
  const int32_t year = parser->parseTime.year / 100 * 100 + yy;

  // A birth month of 13 or more is taken from the expiry month when that
  // one is a real month.
  DateTime birth{birthYear, birthMonth, birthDay};
  if (birthMonth >= 13 && expiryMonth < 13) birth.month = expiryMonth;
  if (dateTimeValid(birth) == VTX_OK) recordSetDate(parser->record, field::birthDate, &birth);

  DateTime expiry{};
  if (expiryMonth < 13) {
    expiry = DateTime{year, expiryMonth, clampDay(year, expiryMonth, birthDay)};
  } else if (expiryMonth == kMonthAfterBirthMonth) {
    expiry = birthMonth + 1 == 13 ? DateTime{year + 1, 1, 1} : DateTime{year, birthMonth + 1, 1};
  } else if (expiryMonth == kOnBirthday) {
    expiry = DateTime{year, birthMonth, clampDay(year, birthMonth, birthDay)};
  } else if (expiryMonth == kNeverExpires) {
    recordSetFieldStr(parser->record, field::expirationDate, "99991231");
    return;
  } else {
    return;
  }
  if (dateTimeValid(expiry) == VTX_OK) recordSetDate(parser->record, field::expirationDate, &expiry);
}

void stripeDatesAfterEquals(StripeParser* parser, Span track, int32_t from) {
  const int32_t equals = findChar(track, from, '=');
  if (equals < 0 || track.length - equals < kDateDigits + 1) return;
  stripeStoreDates(parser, Span{track.data + equals + 1, kDateDigits});
}

void stripeTrack2Dates(StripeParser* parser, Span track) {
  if (track.data == nullptr || track.length < 8) return;
  stripeDatesAfterEquals(parser, track, 0);
}

}  // namespace tavrix
