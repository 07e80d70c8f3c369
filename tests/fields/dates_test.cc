// Raw-date readings, the output form and the date accessors' sources and
// buffer limits.
#include "fields/dates.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fields/field_ids.h"
#include "fields/test_record.h"

namespace tavrix {
namespace {

using test::Answer;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

struct RawCase {
  const char* raw;
  int32_t code;
  DateTime date;
};

TEST(Dates, RawReadings) {
  const RawCase cases[] = {
      {"19901225", 0, {1990, 12, 25}},
      {"12251990", 0, {1990, 12, 25}},
      {"12121212", 0, {1212, 12, 12}},   // ambiguous: year first wins
      {"01022003", 0, {2003, 1, 2}},     // year first gives month 20
      {"99991231", 0, {9999, 12, 31}},
      {"20010231", 0, {2001, 2, 31}},    // the day is not checked against the month
      {"000001019", 0, {0, 1, 1}},       // year 0 is allowed year first; 9th character ignored
      {"199012251", 0, {1990, 12, 25}},
      {"12251799", -1, {}},              // month-first years start at 1800
      {"12321990", -1, {}},
      {"1990122", -1, {}},
      {"2001-10-12", -1, {}},
      {"ABCDEFGH", -1, {}},
      {"", -1, {}},
  };
  for (const auto& c : cases) {
    DateTime out{7, 7, 7, 7, 7, 7};
    const Span raw{c.raw, static_cast<int32_t>(std::strlen(c.raw))};
    ASSERT_EQ(parseRawDate(raw, &out), c.code) << c.raw;
    if (c.code != 0) {
      EXPECT_EQ(out.year, 7) << c.raw << " changed out on failure";
      continue;
    }
    EXPECT_EQ(out.year, c.date.year) << c.raw;
    EXPECT_EQ(out.month, c.date.month) << c.raw;
    EXPECT_EQ(out.day, c.date.day) << c.raw;
    EXPECT_EQ(out.hour + out.minute + out.second, 0) << c.raw;
  }
  DateTime out;
  EXPECT_EQ(parseRawDate(Span{"19901225", 8}, nullptr), -1);
  // Only the span is read, even when more digits follow in memory.
  EXPECT_EQ(parseRawDate(Span{"19901225", 7}, &out), -1);
}

TEST(Dates, FormatPadsEveryPart) {
  char out[11] = {};
  EXPECT_EQ(formatDate(DateTime{33, 1, 2}, out), 10);
  EXPECT_EQ(std::string(out, 10), "01/02/0033");
}

TEST(Dates, AccessorsReadTheirFields) {
  TestRecord r{{field::expirationDate, "20301231"}, {field::hazmatExpirationDate, "06152027"},
               {field::cardRevisionDate, "20160101"}, {field::issueDate, "2001-10-12"},
               {field::birthDateAlt, "19800229"}};
  EXPECT_EQ(run(expirationDateAccessor, r), ok("12/31/2030"));
  EXPECT_EQ(run(hazmatExpirationDateAccessor, r), ok("06/15/2027"));
  EXPECT_EQ(run(cardRevisionDateAccessor, r), ok("01/01/2016"));
  EXPECT_EQ(run(issueDateAccessor, r), missing());
  EXPECT_EQ(run(birthDateAccessor, r), ok("02/29/1980"));  // only the second source holds it
  r.set(field::birthDate, "07041976");
  EXPECT_EQ(run(birthDateAccessor, r), ok("07/04/1976"));
  // The expiry has no second source.
  TestRecord other{{field::hazmatExpirationDate, "20301231"}};
  EXPECT_EQ(run(expirationDateAccessor, other), missing());
}

TEST(Dates, CapacityLimits) {
  TestRecord r{{field::expirationDate, "20301231"}};
  EXPECT_EQ(run(expirationDateAccessor, r, 11), ok("12/31/2030"));
  // Too small is "not available", and nothing is written (run checks the
  // bytes past the capacity; the buffer itself must stay untouched too).
  char buffer[12];
  std::memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(expirationDateAccessor(&r.record, buffer, 10), VTX_ERR_NOT_AVAILABLE);
  EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, 'x'));
  EXPECT_EQ(expirationDateAccessor(&r.record, nullptr, 11), VTX_ERR_ARGUMENT);
  EXPECT_EQ(expirationDateAccessor(&r.record, buffer, 0), VTX_ERR_ARGUMENT);
}

TEST(Dates, BirthDateOf) {
  TestRecord r{{field::birthDate, "19650301"}};
  DateTime out;
  ASSERT_EQ(birthDateOf(&r.record, &out), VTX_OK);
  EXPECT_EQ(out.year, 1965);
  EXPECT_EQ(out.month, 3);
  EXPECT_EQ(out.day, 1);
  EXPECT_EQ(birthDateOf(&r.record, nullptr), VTX_ERR_ARGUMENT);
  EXPECT_EQ(birthDateOf(nullptr, &out), VTX_ERR_ARGUMENT);
  FieldRecord bare;
  EXPECT_EQ(birthDateOf(&bare, &out), VTX_ERR_ARGUMENT);
  TestRecord empty;
  EXPECT_EQ(birthDateOf(&empty.record, &out), VTX_ERR_NOT_AVAILABLE);
  // The first source that holds text decides, even when it is not a date.
  TestRecord bad{{field::birthDate, "UNKNOWN!"}, {field::birthDateAlt, "19650301"}};
  EXPECT_EQ(birthDateOf(&bad.record, &out), VTX_ERR_NOT_AVAILABLE);
}

}  // namespace
}  // namespace tavrix
