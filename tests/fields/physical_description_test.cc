// Sex, colours, race, height and weight: codes, conversions and buffer
// limits.
#include "fields/physical_description.h"

#include <gtest/gtest.h>

#include "fields/field_ids.h"
#include "fields/test_record.h"

namespace tavrix {
namespace {

using test::Answer;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

const Answer kTooSmall{VTX_ERR_BUFFER_TOO_SMALL, ""};

TEST(PhysicalDescription, Sex) {
  const struct {
    const char* text;
    int32_t sex;  // -1: not available
  } cases[] = {{"M", kSexMale}, {"1", kSexMale}, {"MX", kSexMale}, {"F", kSexFemale}, {"2", kSexFemale},
               {"X", -1}, {"9", -1}, {"male", -1}, {" M", -1}, {"", -1}};
  for (const auto& c : cases) {
    TestRecord r{{field::gender, c.text}};
    int32_t sex = 42;
    EXPECT_EQ(sexOf(&r.record, &sex), c.sex < 0 ? VTX_ERR_NOT_AVAILABLE : VTX_OK) << c.text;
    EXPECT_EQ(sex, c.sex < 0 ? 42 : c.sex) << c.text;
  }
  EXPECT_EQ(sexOf(nullptr, nullptr), VTX_ERR_ARGUMENT);
  // The words need room for themselves and the NUL.
  TestRecord male{{field::gender, "1"}}, female{{field::gender, "F"}};
  EXPECT_EQ(run(genderAccessor, male, 5), ok("Male"));
  EXPECT_EQ(run(genderAccessor, male, 4), kTooSmall);
  EXPECT_EQ(run(genderAccessor, female, 7), ok("Female"));
  EXPECT_EQ(run(genderAccessor, female, 6), kTooSmall);
}

TEST(PhysicalDescription, Colours) {
  const struct {
    test::RecordAccessorFn accessor;
    int32_t id;
    const char* text;
    const char* expected;
  } cases[] = {
      {eyeColorAccessor, field::eyeColor, "BRO", "Brown"}, {eyeColorAccessor, field::eyeColor, "VI", "Violet"},
      {eyeColorAccessor, field::eyeColor, "bro", "bro"},      // codes are case-sensitive
      {eyeColorAccessor, field::eyeColor, "BROWN", "BROWN"},  // not a code length
      {eyeColorAccessor, field::eyeColor, "BN", "BN"},        // a hair code only
      {hairColorAccessor, field::hairColor, "BN", "Blond"}, {hairColorAccessor, field::hairColor, "RED", "Red/Auburn"},
      {hairColorAccessor, field::hairColor, "wh", "wh"},
  };
  for (const auto& c : cases) EXPECT_EQ(run(c.accessor, TestRecord{{c.id, c.text}}), ok(c.expected)) << c.text;
  EXPECT_EQ(run(eyeColorAccessor, TestRecord{{field::eyeColor, "HAZ"}}, 4), ok("Haz"));  // cut like any value
  EXPECT_EQ(run(eyeColorAccessor, TestRecord{}), missing());
  EXPECT_EQ(run(raceAccessor, TestRecord{{field::race, "\t W\x01H~\x7f "}}), ok("W H"));
  EXPECT_EQ(run(raceAccessor, TestRecord{{field::race, " \x02 "}}), missing());
  EXPECT_EQ(run(raceAccessor, TestRecord{{field::race, "W"}}, 1), ok(""));  // cut, not missing
}

TEST(PhysicalDescription, HeightSources) {
  const struct {
    int32_t id;
    const char* text;
    int32_t capacity;
    Answer expected;
  } cases[] = {
      {field::height, " 070 IN ", 64, ok("070 IN")},     {field::height, " 070 IN ", 4, ok("070")},
      {field::height, " \x01 ", 64, missing()},           // blank: does not fall through
      {field::heightFeetInches, "509", 6, ok("5'09\"")}, {field::heightFeetInches, "509", 5, kTooSmall},
      {field::heightFeetInches, "6", 4, ok("6'\"")},     {field::heightFeetInches, "  ", 64, missing()},
      {field::heightCm, " 175\t", 6, ok("175cm")},        {field::heightCm, "175", 5, kTooSmall},
      {field::heightCm, "   ", 64, missing()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(heightAccessor, TestRecord{{c.id, c.text}}, c.capacity), c.expected) << c.text << " " << c.capacity;
  }
  TestRecord all{{field::height, "5-09"}, {field::heightFeetInches, "509"}, {field::heightCm, "175"}};
  EXPECT_EQ(run(heightAccessor, all), ok("5-09"));  // the first source that holds text
}

TEST(PhysicalDescription, Weights) {
  const struct {
    const char* pounds;
    const char* kilograms;
    const char* range;
    int32_t capacity;
    Answer inKg;
    Answer inLbs;
  } cases[] = {
      {"150", "", "", 64, ok("68"), ok("150")},          // 150 / 2.2 + 0.5 = 68.68
      {"", "68", "", 64, ok("68"), ok("150")},           // 68 * 2.2 + 0.5 = 150.1
      {"", "68.5", "", 64, ok("68.5"), missing()},       // no "." in a converted number
      {"", "68.5", "3", 64, ok("68.5"), ok("131-160")},
      {"", "", "5", 64, ok("87-100"), ok("191-220")},    {"", "", "9", 64, ok("146+"), ok("320+")},
      {"", "", "10", 64, missing(), missing()},          {"", "", "X", 64, missing(), missing()},
      {"150LB", "", "4", 64, ok("71-86"), ok("150LB")},  // pounds copied as stored
      {"12345678", "", "", 64, missing(), ok("12345678")},
      {"9999999", "", "", 8, ok("4545454"), ok("9999999")},
      {"9999999", "", "", 7, ok(""), ok("999999")},      // a converted number that does not fit: ""
      {"", "1000", "", 4, ok("100"), ok("")},
      {"150", "", "", 3, {-21, ""}, {-21, ""}},
  };
  for (const auto& c : cases) {
    TestRecord r{{field::weightPounds, c.pounds}, {field::weightKg, c.kilograms}, {field::weightRange, c.range}};
    EXPECT_EQ(run(weightKgAccessor, r, c.capacity), c.inKg) << c.pounds << "|" << c.kilograms << "|" << c.range;
    EXPECT_EQ(run(weightLbsAccessor, r, c.capacity), c.inLbs) << c.pounds << "|" << c.kilograms << "|" << c.range;
  }
}

}  // namespace
}  // namespace tavrix
