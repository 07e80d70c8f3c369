#include "engine/calendar.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

int32_t ymd(const DateTime& d) { return d.year * 10000 + d.month * 100 + d.day; }

TEST(Calendar, ClampDayAndValidity) {
  struct Case {
    int32_t year, month, day, expected;
  };
  const Case cases[] = {{2023, 2, 30, 28}, {2024, 2, 30, 29}, {2000, 2, 30, 29}, {1900, 2, 30, 28},
                        {2023, 4, 31, 30}, {2023, 13, 45, 45}, {2023, 0, 45, 45}, {2023, 1, -3, 1}};
  for (const Case& c : cases) EXPECT_EQ(clampDay(c.year, c.month, c.day), c.expected) << c.year << "-" << c.month;
  EXPECT_EQ(dateTimeValid(DateTime{2024, 2, 31, 23, 59, 59}), 0);  // not checked against the month
  // Each bound of each part, one at a time.
  const DateTime bad[] = {{999, 1, 1},           {10000, 1, 1},         {2000, 13, 1},        {2000, 0, 1},
                          {2000, 1, 32},         {2000, 1, 0},          {2000, 1, 1, 24, 0, 0}, {2000, 1, 1, -1, 0, 0},
                          {2000, 1, 1, 0, 60, 0}, {2000, 1, 1, 0, -1, 0}, {2000, 1, 1, 0, 0, 60}, {2000, 1, 1, 0, 0, -1}};
  for (const DateTime& d : bad) EXPECT_EQ(dateTimeValid(d), -1) << ymd(d);
}

TEST(Calendar, DateFromDayNumber) {
  DateTime d;
  ASSERT_EQ(dateFromDayNumber(0, &d), 0);
  EXPECT_EQ(ymd(d), 9991231);
  // Walk year by year and check every 1 January and 31 December against an
  // independent count of leap years.
  uint64_t dayNumber = 1;
  for (int32_t year = 1000; year <= 2500; ++year) {
    ASSERT_EQ(dateFromDayNumber(dayNumber, &d), 0);
    ASSERT_EQ(ymd(d), year * 10000 + 101) << dayNumber;
    ASSERT_EQ(d.hour + d.minute + d.second, 0);
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    ASSERT_EQ(dateFromDayNumber(dayNumber + (leap ? 365 : 364), &d), 0);
    ASSERT_EQ(ymd(d), year * 10000 + 1231);
    dayNumber += leap ? 366 : 365;
  }
  // A day number far beyond any 32-bit year is refused instead of wrapping.
  EXPECT_EQ(dateFromDayNumber(UINT64_MAX, &d), -21);
}

}  // namespace
}  // namespace tavrix
