// Gregorian calendar helpers on DateTime.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

// 0 when day 1-31, month 1-12, year 1000-9999, hour 0-23, minute and
// second 0-59; else -1. The day is not checked against the month.
int32_t dateTimeValid(const DateTime& value);
// Length of the month (leap Februaries 29); 31 for a month outside 1-12.
int32_t daysInMonth(int32_t year, int32_t month);
// Month outside 1-12: day unchanged; day below 1: 1; else the smaller of
// day and the month's length.
int32_t clampDay(int32_t year, int32_t month, int32_t day);
// Day number 1 is 1 January 1000 (0 is 31 December 999). 0 and `out` set
// with the time at 0; -21 for a null out, or a day number whose year would
// not fit in 32 bits (out then zeroed).
int32_t dateFromDayNumber(uint64_t dayNumber, DateTime* out);

}  // namespace tavrix
