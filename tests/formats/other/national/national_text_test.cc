// The date forms and name writers the national barcodes share.
#include "formats/other/national/national_text.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <string>

#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::spanOf;

std::string ymd(const DateTime& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
  return text;
}

TEST(NationalDates, SlashDatesAndTheSwapRule) {
  struct Case {
    const char* text;
    bool swap;
    int32_t used;
    const char* date;
  };
  const Case cases[] = {
      {"25/12/1980", false, 10, "19801225"},
      {"25/12/1980", true, 10, "19801225"},
      {"12/25/1980", true, 10, "19801225"},   // second number 13-31, first 1-12: month first
      {"12/25/1980", false, 10, "19802512"},  // no range test without the rule
      {"05/06/1980", true, 10, "19800605"},   // both could be months: day first
      {"13/13/2020", true, 10, "20201313"},
      {"0/25/1980", true, 9, "19802500"},     // a first number of 0 is no month
      {"1/2/1990|", false, 8, "19900201"},
      {"1/2/19901", false, 8, "19900201"},    // four digits are taken, the caller judges the rest
      {"123/2/1990", false, 0, ""},
      {"1/2/199", false, 0, ""},
      {"1/2", false, 0, ""},
      {"1-2-1990", false, 0, ""},
      {"", false, 0, ""},
  };
  for (const Case& c : cases) {
    DateTime d;
    EXPECT_EQ(takeSlashDate(spanOf(c.text), c.swap, &d), c.used) << c.text;
    if (c.used > 0) {
      EXPECT_EQ(ymd(d), c.date) << c.text;
    }
  }
}

TEST(NationalDates, MonthNameDates) {
  DateTime d;
  EXPECT_EQ(takeSpanishMonthDate(spanOf("15ENE2030-X"), &d), 10);
  EXPECT_EQ(ymd(d), "20300115");
  EXPECT_EQ(takeSpanishMonthDate(spanOf("1dic2030-"), &d), 9);
  EXPECT_EQ(ymd(d), "20301201");
  EXPECT_EQ(takeSpanishMonthDate(spanOf("15JAN2030-"), &d), 0);  // English, not Spanish
  EXPECT_EQ(takeSpanishMonthDate(spanOf("15ENE2030"), &d), 0);   // the end of the text is no '-'
  EXPECT_EQ(takeSpanishMonthDate(spanOf("15 ENE2030-"), &d), 0);

  ASSERT_EQ(englishMonthDate(spanOf("01 JAN 1980"), &d), 0);
  EXPECT_EQ(ymd(d), "19800101");
  ASSERT_EQ(englishMonthDate(spanOf("7dec2001"), &d), 0);
  EXPECT_EQ(ymd(d), "20011207");
  EXPECT_NE(englishMonthDate(spanOf("01 JAN 19801"), &d), 0);  // four digits end the field
  EXPECT_NE(englishMonthDate(spanOf("01 JAN 1980 "), &d), 0);
  EXPECT_NE(englishMonthDate(spanOf("01 ENE 1980"), &d), 0);
  EXPECT_NE(englishMonthDate(spanOf("01 JA"), &d), 0);
}

TEST(NationalWriters, NullAndDashes) {
  struct Case {
    const char* text;
    const char* withoutNull;
    const char* withoutDashes;
  };
  const Case cases[] = {
      {"NULL", "", ""},
      {"JOSENULL", "JOSE", "JOSE"},
      {"nUlLMARIA", "MARIA", "MARIA"},
      {"DEL-VALLE", "DEL-VALLE", "DEL VALLE"},
      {"RIVERA-", "RIVERA-", "RIVERA"},
      {"RIVERA-NULL- ", "RIVERA-- ", "RIVERA"},
      {"-", "-", ""},
      {"NUL", "NUL", "NUL"},
  };
  for (const Case& c : cases) {
    Span source = spanOf(c.text);
    char out[32];
    EXPECT_EQ(std::string(out, writeWithoutNull(&source, out, sizeof out)), c.withoutNull) << c.text;
    EXPECT_EQ(std::string(out, writeNameWithoutDashes(&source, out, sizeof out)), c.withoutDashes) << c.text;
  }
  // The room is respected.
  Span source = spanOf("ABCDEF");
  char out[3];
  EXPECT_EQ(writeWithoutNull(&source, out, 3), 3);
}

TEST(NationalText, BackwardRunsStopAtTheStart) {
  const Span text = spanOf("AB CD|");
  EXPECT_EQ(runStartBefore(text, 5, isNationalNameChar), 0);
  EXPECT_EQ(runStartBefore(text, 6, isNationalNameChar), 6);
  EXPECT_EQ(runStartBefore(text, 0, isNationalNameChar), 0);
  EXPECT_EQ(findFrom(text, 2, "|"), 5);
  EXPECT_EQ(findFrom(text, 6, "|"), -1);
}

}  // namespace
}  // namespace tavrix
