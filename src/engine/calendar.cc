#include "engine/calendar.h"

namespace tavrix {
namespace {

bool isLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

constexpr int32_t kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
static_assert(sizeof(kMonthLengths) / sizeof(kMonthLengths[0]) == 12);

int32_t monthLength(int64_t year, int32_t month) {
  if (month < 1 || month > 12) return 31;
  if (month == 2 && isLeapYear(year)) return 29;
  return kMonthLengths[month - 1];
}

constexpr uint64_t kDaysPer400Years = 146097;

}  // namespace

int32_t dateTimeValid(const DateTime& value) {
  const bool ok = value.day >= 1 && value.day <= 31 && value.month >= 1 && value.month <= 12 &&
                  value.year >= 1000 && value.year <= 9999 && value.hour >= 0 && value.hour <= 23 &&
                  value.minute >= 0 && value.minute <= 59 && value.second >= 0 && value.second <= 59;
  return ok ? 0 : -1;
}

int32_t daysInMonth(int32_t year, int32_t month) { return monthLength(year, month); }

int32_t clampDay(int32_t year, int32_t month, int32_t day) {
  if (month < 1 || month > 12) return day;
  if (day < 1) return 1;
  const int32_t last = monthLength(year, month);
  return day < last ? day : last;
}

int32_t dateFromDayNumber(uint64_t dayNumber, DateTime* out) {
  if (out == nullptr) return VTX_ERR_ARGUMENT;
  *out = DateTime{};
  if (dayNumber == 0) {
    *out = DateTime{999, 12, 31, 0, 0, 0};
    return VTX_OK;
  }
  // Days elapsed since 1 January 1000. Any 400 consecutive Gregorian years
  // hold exactly 146097 days, so whole cycles are skipped at once.
  uint64_t days = dayNumber - 1u;
  const uint64_t cycles = days / kDaysPer400Years;
  if (cycles > static_cast<uint64_t>((INT32_MAX - 1000) / 400) - 1u) return VTX_ERR_ARGUMENT;
  days %= kDaysPer400Years;
  int64_t year = 1000 + static_cast<int64_t>(cycles) * 400;
  while (true) {
    const uint64_t yearLength = isLeapYear(year) ? 366u : 365u;
    if (days < yearLength) break;
    days -= yearLength;
    ++year;
  }
  int32_t month = 1;
  while (days >= static_cast<uint64_t>(monthLength(year, month))) {
    days -= static_cast<uint64_t>(monthLength(year, month));
    ++month;
  }
  *out = DateTime{static_cast<int32_t>(year), month, static_cast<int32_t>(days) + 1, 0, 0, 0};
  return VTX_OK;
}

}  // namespace tavrix
