// Issuer identification numbers (IIN) of North American driving licences
// and identification cards, and the two-letter jurisdiction code each one
// names. Two contiguous blocks, indexed by number, plus one number that
// Alberta also uses and that has no row of its own.
#pragma once

#include <cstdint>
#include <iterator>

#include "engine/span.h"

namespace tavrix {

struct IssuerRow {
  uint64_t number;
  const char* code;        // jurisdiction code; a row without one is skipped
  const char* numberText;  // the number as six decimal digits
};

inline constexpr uint64_t kIssuerBlockAFirst = 636000;
inline constexpr uint64_t kIssuerBlockBFirst = 604426;
inline constexpr uint64_t kIssuerAlbertaExtra = 990876;

// Row i holds number 636000 + i. Some codes are the issuers' own rather
// than postal abbreviations: GM (Guam), DS (Department of State), NF
// (Newfoundland and Labrador), CU (Coahuila), HL (Hidalgo).
inline constexpr IssuerRow IssuerTableA[] = {
    {.number = 636000, .code = "VA", .numberText = "636000"},  // Virginia
    {.number = 636001, .code = "NY", .numberText = "636001"},  // New York
    {.number = 636002, .code = "MA", .numberText = "636002"},  // Massachusetts
    {.number = 636003, .code = "MD", .numberText = "636003"},  // Maryland
    {.number = 636004, .code = "NC", .numberText = "636004"},  // North Carolina
    {.number = 636005, .code = "SC", .numberText = "636005"},  // South Carolina
    {.number = 636006, .code = "CT", .numberText = "636006"},  // Connecticut
    {.number = 636007, .code = "LA", .numberText = "636007"},  // Louisiana
    {.number = 636008, .code = "MT", .numberText = "636008"},  // Montana
    {.number = 636009, .code = "NM", .numberText = "636009"},  // New Mexico
    {.number = 636010, .code = "FL", .numberText = "636010"},  // Florida
    {.number = 636011, .code = "DE", .numberText = "636011"},  // Delaware
    {.number = 636012, .code = "ON", .numberText = "636012"},  // Ontario
    {.number = 636013, .code = "NS", .numberText = "636013"},  // Nova Scotia
    {.number = 636014, .code = "CA", .numberText = "636014"},  // California
    {.number = 636015, .code = "TX", .numberText = "636015"},  // Texas
    {.number = 636016, .code = "NF", .numberText = "636016"},  // Newfoundland and Labrador
    {.number = 636017, .code = "NB", .numberText = "636017"},  // New Brunswick
    {.number = 636018, .code = "IA", .numberText = "636018"},  // Iowa
    {.number = 636019, .code = "GM", .numberText = "636019"},  // Guam
    {.number = 636020, .code = "CO", .numberText = "636020"},  // Colorado
    {.number = 636021, .code = "AR", .numberText = "636021"},  // Arkansas
    {.number = 636022, .code = "KS", .numberText = "636022"},  // Kansas
    {.number = 636023, .code = "OH", .numberText = "636023"},  // Ohio
    {.number = 636024, .code = "VT", .numberText = "636024"},  // Vermont
    {.number = 636025, .code = "PA", .numberText = "636025"},  // Pennsylvania
    {.number = 636026, .code = "AZ", .numberText = "636026"},  // Arizona
    {.number = 636027, .code = "DS", .numberText = "636027"},  // The U.S. Department of State
    {.number = 636028, .code = "BC", .numberText = "636028"},  // British Columbia
    {.number = 636029, .code = "OR", .numberText = "636029"},  // Oregon
    {.number = 636030, .code = "MO", .numberText = "636030"},  // Missouri
    {.number = 636031, .code = "WI", .numberText = "636031"},  // Wisconsin
    {.number = 636032, .code = "MI", .numberText = "636032"},  // Michigan
    {.number = 636033, .code = "AL", .numberText = "636033"},  // Alabama
    {.number = 636034, .code = "ND", .numberText = "636034"},  // North Dakota
    {.number = 636035, .code = "IL", .numberText = "636035"},  // Illinois
    {.number = 636036, .code = "NJ", .numberText = "636036"},  // New Jersey
    {.number = 636037, .code = "IN", .numberText = "636037"},  // Indiana
    {.number = 636038, .code = "MN", .numberText = "636038"},  // Minnesota
    {.number = 636039, .code = "NH", .numberText = "636039"},  // New Hampshire
    {.number = 636040, .code = "UT", .numberText = "636040"},  // Utah
    {.number = 636041, .code = "ME", .numberText = "636041"},  // Maine
    {.number = 636042, .code = "SD", .numberText = "636042"},  // South Dakota
    {.number = 636043, .code = "DC", .numberText = "636043"},  // District of Columbia
    {.number = 636044, .code = "SK", .numberText = "636044"},  // Saskatchewan
    {.number = 636045, .code = "WA", .numberText = "636045"},  // Washington
    {.number = 636046, .code = "KY", .numberText = "636046"},  // Kentucky
    {.number = 636047, .code = "HI", .numberText = "636047"},  // Hawaii
    {.number = 636048, .code = "MB", .numberText = "636048"},  // Manitoba
    {.number = 636049, .code = "NV", .numberText = "636049"},  // Nevada
    {.number = 636050, .code = "ID", .numberText = "636050"},  // Idaho
    {.number = 636051, .code = "MS", .numberText = "636051"},  // Mississippi
    {.number = 636052, .code = "RI", .numberText = "636052"},  // Rhode Island
    {.number = 636053, .code = "TN", .numberText = "636053"},  // Tennessee
    {.number = 636054, .code = "NE", .numberText = "636054"},  // Nebraska
    {.number = 636055, .code = "GA", .numberText = "636055"},  // Georgia
    {.number = 636056, .code = "CU", .numberText = "636056"},  // Coahuila de Zaragoza
    {.number = 636057, .code = "HL", .numberText = "636057"},  // Hidalgo
    {.number = 636058, .code = "OK", .numberText = "636058"},  // Oklahoma
    {.number = 636059, .code = "AK", .numberText = "636059"},  // Alaska
    {.number = 636060, .code = "WY", .numberText = "636060"},  // Wyoming
    {.number = 636061, .code = "WV", .numberText = "636061"},  // West Virginia
    {.number = 636062, .code = "VI", .numberText = "636062"},  // Virgin Islands of the U.S.
};
static_assert(std::size(IssuerTableA) == 63, "issuer block 636xxx row count");

// Row i holds number 604426 + i.
inline constexpr IssuerRow IssuerTableB[] = {
    {.number = 604426, .code = "PE", .numberText = "604426"},  // Prince Edward Island
    {.number = 604427, .code = "AS", .numberText = "604427"},  // American Samoa
    {.number = 604428, .code = "QC", .numberText = "604428"},  // Quebec
    {.number = 604429, .code = "YT", .numberText = "604429"},  // Yukon Territory
    {.number = 604430, .code = "MP", .numberText = "604430"},  // Northern Mariana Islands
    {.number = 604431, .code = "PR", .numberText = "604431"},  // Puerto Rico
    {.number = 604432, .code = "AB", .numberText = "604432"},  // Alberta
    {.number = 604433, .code = "NU", .numberText = "604433"},  // Nunavut
};
static_assert(std::size(IssuerTableB) == 8, "issuer block 604xxx row count");

// Alberta's second number; reachable only from the number side, since the
// code AB finds its 604432 row first.
inline constexpr IssuerRow IssuerTableExtra = {.number = kIssuerAlbertaExtra, .code = "AB", .numberText = "990876"};

// The first six characters of `number` read as a decimal integer the way
// atoi reads them (leading white space and a sign allowed, stopping at the
// first non-digit); the span must hold at least six characters. The code
// of that number, or null.
const char* issuerCodeFromNumber(Span number);
// Same reading; true for a number with a coded row and for 990876.
bool issuerIsKnown(Span number);
// Six-digit number of an exactly two-character code (case-sensitive): the
// 636xxx block first, then the 604xxx block, then the extra entry. Null
// when no row has the code.
const char* issuerNumberFromCode(Span code);

}  // namespace tavrix
