// Raw-date readings and the date accessors' sources and buffer limits.
#include "fields/dates.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fields/field_ids.h"
#include "fields/test_record.h"

namespace tavrix {
namespace {

using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

TEST(Dates, RawReadings) {
  const struct {
    const char* raw;
    const char* formatted;  // null: not a date
  } cases[] = {
      {"19901225", "12/25/1990"}, {"12251990", "12/25/1990"},
      {"12121212", "12/12/1212"},  // ambiguous: year first wins
      {"01022003", "01/02/2003"},  // year first would give month 20
      {"99991231", "12/31/9999"}, {"20010231", "02/31/2001"},  // no month-length check
      {"000001019", "01/01/0000"},  // year 0 year first; the 9th character is ignored
      {"12251799", nullptr},  // month-first years start at 1800
      {"12321990", nullptr}, {"1990122", nullptr}, {"2001-10-12", nullptr}, {"", nullptr},
  };
  for (const auto& c : cases) {
    DateTime date{7, 7, 7, 7, 7, 7};
    const int32_t code = parseRawDate(Span{c.raw, static_cast<int32_t>(std::strlen(c.raw))}, &date);
    ASSERT_EQ(code, c.formatted != nullptr ? 0 : -1) << c.raw;
    if (code != 0) {
      EXPECT_EQ(date.year, 7) << c.raw;
      continue;
    }
    char text[kDateTextLength];
    ASSERT_EQ(formatDate(date, text), kDateTextLength);
    EXPECT_EQ(std::string(text, kDateTextLength), c.formatted);
    EXPECT_EQ(date.hour + date.minute + date.second, 0) << c.raw;
  }
  DateTime date;
  EXPECT_EQ(parseRawDate(Span{"19901225", 7}, &date), -1);  // never reads past the span
  EXPECT_EQ(parseRawDate(Span{"19901225", 8}, nullptr), -1);
}

TEST(Dates, Accessors) {
  TestRecord r{{field::expirationDate, "20301231"}, {field::hazmatExpirationDate, "06152027"},
               {field::cardRevisionDate, "20160101"}, {field::issueDate, "2001-10-12"},
               {field::birthDateAlt, "19800229"}};
  EXPECT_EQ(run(expirationDateAccessor, r), ok("12/31/2030"));
  EXPECT_EQ(run(hazmatExpirationDateAccessor, r), ok("06/15/2027"));
  EXPECT_EQ(run(cardRevisionDateAccessor, r), ok("01/01/2016"));
  EXPECT_EQ(run(issueDateAccessor, r), missing());
  EXPECT_EQ(run(birthDateAccessor, r), ok("02/29/1980"));  // second source when the first is empty
  r.set(field::birthDate, "07041976");
  EXPECT_EQ(run(birthDateAccessor, r), ok("07/04/1976"));
  EXPECT_EQ(run(expirationDateAccessor, TestRecord{{field::hazmatExpirationDate, "20301231"}}), missing());
  // 11 bytes take the date; 10 are "not available" and stay untouched
  // (run checks every byte past the capacity).
  EXPECT_EQ(run(expirationDateAccessor, r, 11), ok("12/31/2030"));
  EXPECT_EQ(run(expirationDateAccessor, r, 10), missing());
  EXPECT_EQ(run(expirationDateAccessor, r, 0).code, VTX_ERR_ARGUMENT);
}

TEST(Dates, BirthDateOf) {
  DateTime date;
  TestRecord r{{field::birthDate, "19650301"}};
  ASSERT_EQ(birthDateOf(&r.record, &date), VTX_OK);
  EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 19650301);
  EXPECT_EQ(birthDateOf(&r.record, nullptr), VTX_ERR_ARGUMENT);
  FieldRecord bare;  // no arena
  EXPECT_EQ(birthDateOf(&bare, &date), VTX_ERR_ARGUMENT);
  TestRecord empty;
  EXPECT_EQ(birthDateOf(&empty.record, &date), VTX_ERR_NOT_AVAILABLE);
  // The first source that holds text decides, even when it is no date.
  TestRecord bad{{field::birthDate, "UNKNOWN!"}, {field::birthDateAlt, "19650301"}};
  EXPECT_EQ(birthDateOf(&bad.record, &date), VTX_ERR_NOT_AVAILABLE);
}

}  // namespace
}  // namespace tavrix
