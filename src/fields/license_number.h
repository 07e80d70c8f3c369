// Licence and document numbers. Several issuers' magnetic stripes encode
// the leading letter of the number as two digits (01 for A up to 26 for
// Z); the jurisdiction's licence-number handler turns them back into the
// letter when the number has that jurisdiction's length.
#pragma once

#include <cstdint>

#include "engine/record.h"

namespace tavrix {

// Length bounds under which the two leading digits are read as a letter;
// kNoBound leaves a bound out.
inline constexpr int32_t kNoBound = -1;
struct LetterRule {
  int32_t minimum;
  int32_t maximum;
  int32_t exact;
};

inline constexpr LetterRule kLetterRuleAL = {.minimum = 7, .maximum = kNoBound, .exact = 8};
inline constexpr LetterRule kLetterRuleLength10 = {.minimum = kNoBound, .maximum = kNoBound, .exact = 10};  // AZ HI KS MA
inline constexpr LetterRule kLetterRuleCA = {.minimum = 8, .maximum = kNoBound, .exact = kNoBound};
inline constexpr LetterRule kLetterRuleCO = {.minimum = 2, .maximum = 8, .exact = kNoBound};
inline constexpr LetterRule kLetterRuleFrom13 = {.minimum = 13, .maximum = kNoBound, .exact = kNoBound};  // FL MD MI
inline constexpr LetterRule kLetterRuleIL = {.minimum = 12, .maximum = kNoBound, .exact = kNoBound};
inline constexpr LetterRule kLetterRuleIN = {.minimum = kNoBound, .maximum = kNoBound, .exact = 11};
inline constexpr LetterRule kLetterRuleKY = {.minimum = 9, .maximum = kNoBound, .exact = kNoBound};
inline constexpr LetterRule kLetterRuleFrom10 = {.minimum = 10, .maximum = kNoBound, .exact = kNoBound};  // LB NF
inline constexpr LetterRule kLetterRuleNE = {.minimum = 4, .maximum = kNoBound, .exact = kNoBound};
inline constexpr LetterRule kLetterRuleFrom15 = {.minimum = 15, .maximum = kNoBound, .exact = kNoBound};  // NJ ON
inline constexpr LetterRule kLetterRuleNY = {.minimum = kNoBound, .maximum = kNoBound, .exact = 20};
inline constexpr LetterRule kLetterRuleWI = {.minimum = 14, .maximum = kNoBound, .exact = kNoBound};

// Licence-number handlers: the first non-empty of the licence-number
// fields, at most `room` characters written, no NUL; return the count.
int32_t licenseNumberByRule(const FieldRecord* record, char* buffer, int32_t room, const LetterRule& rule);
int32_t licenseNumberMN(const FieldRecord* record, char* buffer, int32_t room);
int32_t licenseNumberOH(const FieldRecord* record, char* buffer, int32_t room);

template <const LetterRule& Rule>
int32_t licenseNumberWithRule(const FieldRecord* record, char* buffer, int32_t room) {
  return licenseNumberByRule(record, buffer, room, Rule);
}

// The licence number behind VTX_getLicenseNumber: the jurisdiction's
// handler, else the first of the licence and document number fields as
// stored (at most capacity - 2 characters). 0, VTX_ERR_ARGUMENT or
// VTX_ERR_NOT_AVAILABLE.
int32_t licenseNumberAccessor(const FieldRecord* record, char* buffer, int32_t capacity);

}  // namespace tavrix
