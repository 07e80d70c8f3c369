// The forms of licence and document numbers that each jurisdiction issues,
// per document type. Most forms are patterns of the number pattern
// language; Florida and Wisconsin build the number from the holder's
// last-name Soundex code, birth year and (Wisconsin) sex, and Connecticut
// starts it with the birth month, so those three have checkers of their own.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "engine/record.h"
#include "engine/span.h"
#include "fields/number_pattern.h"

namespace tavrix {

// Document-type bits of a check.
inline constexpr uint8_t kIdentificationCard = 1;
inline constexpr uint8_t kDrivingLicence = 2;
inline constexpr uint8_t kEitherDocument = kIdentificationCard | kDrivingLicence;

// True when the number has the check's form. The scratch buffer may be
// overwritten with intermediate values (the holder's last name).
using NumberChecker = bool (*)(const FieldRecord* record, char* scratch, int32_t capacity, Span number,
                               const unsigned char* argument);

struct NumberCheck {
  uint8_t documentTypes;  // kIdentificationCard, kDrivingLicence or both
  NumberChecker checker;
  const unsigned char* argument;  // the compiled pattern, null for the dedicated checkers
};

inline constexpr int32_t kMostNumberChecks = 7;

struct NumberPatternRow {
  const char* code;  // jurisdiction code
  int32_t count;
  NumberCheck checks[kMostNumberChecks];
};

// The argument is a compiled pattern the whole number must match.
bool numberHasPattern(const FieldRecord* record, char* scratch, int32_t capacity, Span number,
                      const unsigned char* pattern);
// Soundex code of the last name, three digits, the birth year's last two
// digits, three digits and an optional last digit, with optional hyphens
// between the pieces.
bool numberFollowsFloridaRule(const FieldRecord* record, char* scratch, int32_t capacity, Span number,
                              const unsigned char* unused);
// 14 characters: Soundex code of the last name, three digits, the birth
// year's last two digits, a digit 0-4 for a man or 5-9 for a woman, four
// digits.
bool numberFollowsWisconsinRule(const FieldRecord* record, char* scratch, int32_t capacity, Span number,
                                const unsigned char* unused);
// 9 digits, the first two the birth month, plus 12 in an even birth year.
bool numberFollowsConnecticutRule(const FieldRecord* record, char* scratch, int32_t capacity, Span number,
                                  const unsigned char* unused);

namespace number_table {

constexpr NumberCheck both(const unsigned char* pattern) { return {kEitherDocument, numberHasPattern, pattern}; }
constexpr NumberCheck dl(const unsigned char* pattern) { return {kDrivingLicence, numberHasPattern, pattern}; }
constexpr NumberCheck id(const unsigned char* pattern) { return {kIdentificationCard, numberHasPattern, pattern}; }
constexpr NumberCheck bothBy(NumberChecker checker) { return {kEitherDocument, checker, nullptr}; }

// Not constexpr: a row with too many checks stops the build.
void tooManyChecks();

consteval NumberPatternRow row(const char* code, std::initializer_list<NumberCheck> checks) {
  if (checks.size() > static_cast<size_t>(kMostNumberChecks)) tooManyChecks();
  NumberPatternRow out{code, static_cast<int32_t>(checks.size()), {}};
  int32_t i = 0;
  for (const NumberCheck& c : checks) out.checks[i++] = c;
  return out;
}

// One row per jurisdiction code, looked up exactly. A document type that a
// row has no check for gets the verdict invalid. "CN", "GU" and "NL" are
// codes the issuer table does not use; Guam's "GM" has no row.
inline constexpr NumberPatternRow NumberPatterns[] = {
    row("AB", {dl("D6 -? D3"_pattern), id("D4 -? D5"_pattern), id("D6 -? D3"_pattern)}),
    row("AK", {both("D7"_pattern)}),
    row("AL", {dl("D7"_pattern), id("L1 D6"_pattern)}),
    row("AR", {both("D9"_pattern)}),
    row("AS", {dl("D3 '-' D2 '-' D4"_pattern), dl("D3 D2 D4"_pattern), dl("D6"_pattern), id("D5 -? D11"_pattern)}),
    row("AZ", {both("L1 D8"_pattern), id("D4 L1 D5"_pattern)}),
    row("BC", {dl("D7"_pattern), id("D9"_pattern)}),
    row("CA", {both("L1 D7"_pattern)}),
    row("CN", {both("D9"_pattern)}),
    row("CO", {both("D2 '-' D3 '-' D4"_pattern), both("D2 D3 D4"_pattern)}),
    row("CT", {bothBy(numberFollowsConnecticutRule)}),
    row("DC", {dl("D7"_pattern), id("D9"_pattern), id("D7"_pattern)}),
    row("DE", {dl("D6"_pattern), dl("D7"_pattern), id("D7"_pattern)}),
    row("FL", {bothBy(numberFollowsFloridaRule)}),
    row("GA", {both("D9"_pattern)}),
    row("GU", {dl("D10"_pattern), id("L1 D2 -? D5"_pattern)}),
    row("HI", {both("L1 D8"_pattern), id("L1 D7"_pattern)}),
    row("IA", {dl("D3 L2 D4"_pattern), dl("D9"_pattern), id("D9"_pattern), id("D3 L2 D4"_pattern)}),
    row("ID", {both("L2 D6 L1"_pattern)}),
    row("IL", {both("L1 D3 '-' D4 '-' D4"_pattern), both("L1 D3 D4 D4"_pattern), both("D4 '-' D4 '-' D3 L1"_pattern),
               both("D4 D4 D3 L1"_pattern)}),
    row("IN", {both("D4 '-' D2 '-' D4"_pattern), both("D4 D2 D4"_pattern)}),
    row("KS", {both("D3 '-' D2 '-' D4"_pattern), both("D3 D2 D4"_pattern), both("L1 D2 '-' D2 '-' D4"_pattern),
               both("L1 D2 D2 D4"_pattern)}),
    row("KY", {both("L1 D2 '-' D3 '-' D3"_pattern), both("L1 D2 D3 D3"_pattern)}),
    row("LA", {both("'00' D7"_pattern), both("'01' D7"_pattern), id("D5"_pattern)}),
    row("MA", {both("'S' D8"_pattern)}),
    row("MB", {dl("L2 '-' L2 '-' L2 '-' L1 D3 L2"_pattern), dl("L2 L2 L2 L1 D3 L2"_pattern),
               id("L2 '-' L2 '-' L2 '-' L1 D3 L2"_pattern), id("L2 L2 L2 L1 D3 L2"_pattern)}),
    row("MD", {both("L1 '-' D3 '-' D3 '-' D3 '-' D3"_pattern), both("L1 D3 D3 D3 D3"_pattern)}),
    row("ME", {both("D7"_pattern)}),
    row("MI", {dl("L1 ' ' D3 ' ' D3 ' ' D3 ' ' D3"_pattern), dl("L1 D3 D3 D3 D3"_pattern),
               id("L1 ' ' D3 ' ' D3 ' ' D3 ' ' D1"_pattern), id("L1 D3 D3 D3 D1"_pattern), id("D4"_pattern),
               id("L1 ' ' D3 ' ' D3 ' ' D3 ' ' D3"_pattern), id("L1 D3 D3 D3 D3"_pattern)}),
    row("MN", {both("L1 '-' D3 '-' D3 '-' D3 '-' D3"_pattern), both("L1 D3 D3 D3 D3"_pattern), both("L1 D12"_pattern)}),
    row("MO", {both("L1 D9"_pattern)}),
    row("MP", {dl("D4 -? D4"_pattern)}),
    row("MS", {both("D9"_pattern)}),
    row("MT", {both("D13"_pattern)}),
    row("NB", {dl("D7"_pattern), id("D7"_pattern)}),
    row("NC", {both("D12"_pattern)}),
    row("ND", {both("L3 '-' D2 '-' D4"_pattern), both("L3 D2 D4"_pattern)}),
    row("NE", {both("L1 D8"_pattern)}),
    row("NH", {both("D10"_pattern), both("D2 L3 D5"_pattern), both("X11"_pattern)}),
    row("NJ", {both("L1 D4 ' ' D5 ' ' D5"_pattern), both("L1 D4 D5 ' ' D5"_pattern), both("L1 D4 D5 D5"_pattern)}),
    row("NL", {both("L1 D9"_pattern)}),
    row("NM", {both("D9"_pattern)}),
    row("NS", {both("L5 D9"_pattern)}),
    row("NT", {dl("D6"_pattern), id("D5"_pattern)}),
    row("NU", {dl("D6"_pattern), id("D2"_pattern), id("D6"_pattern)}),
    row("NV", {both("D10"_pattern)}),
    row("NY", {both("D3 ' ' D3 ' ' D3"_pattern), both("D9"_pattern)}),
    row("OH", {both("L2 D6"_pattern)}),
    row("OK", {both("D9"_pattern), both("L1 D9"_pattern)}),
    row("ON", {dl("L1 D4 ' - ' D5 ' - ' D5"_pattern), dl("L1 D4 '-' D5 '-' D5"_pattern),
               id("D3 ' - ' L2 D2 ' - ' D5"_pattern),
               id("D1 -? D1 -? D1 -? L1 -? L1 -? D1 -? D1 -? D1 -? D1 -? D1 -? D1 -? D1"_pattern)}),
    row("OR", {both("D8"_pattern), dl("D4"_pattern), id("D1 D? D? D? D? D? D?"_pattern)}),
    row("PA", {both("D2 ' ' D3 ' ' D3"_pattern), both("D8"_pattern)}),
    row("PE", {both("D6"_pattern)}),
    row("PR", {both("D7"_pattern)}),
    row("QC", {dl("L1 D4 '-' D6 '-' D2"_pattern), dl("L1 D12"_pattern)}),
    row("RI", {both("D7"_pattern)}),
    row("SC", {both("D9"_pattern)}),
    row("SD", {both("D8"_pattern)}),
    row("TN", {dl("D9"_pattern), id("D9"_pattern)}),
    row("TX", {both("D8"_pattern)}),
    row("UT", {both("D9"_pattern), both("'0' D9"_pattern)}),
    row("VA", {both("L1 D2 '-' D2 '-' D4"_pattern), both("L1 D8"_pattern)}),
    row("VI", {dl("L1 '-' D12"_pattern), dl("L1 '-' D10"_pattern)}),
    row("VT", {both("D8"_pattern), id("D7 L1"_pattern)}),
    row("WA", {both("L7 D3 L1 D1"_pattern), both("L3 '**' L2 D2 '*' L2"_pattern), both("L7 D3 L2"_pattern)}),
    row("WI", {bothBy(numberFollowsWisconsinRule)}),
    row("WV", {both("D7"_pattern), both("L1 D6"_pattern)}),
    row("WY", {dl("D6 '-' D3"_pattern), id("D2 '-' D7"_pattern)}),
    row("YT", {dl("D5"_pattern), id("D6"_pattern)}),
};
static_assert(std::size(NumberPatterns) == 69, "licence-number pattern row count");

}  // namespace number_table

using number_table::NumberPatterns;

// The row of an exactly two-character code (case-sensitive), or null.
const NumberPatternRow* numberPatternRowOf(Span code);

}  // namespace tavrix
