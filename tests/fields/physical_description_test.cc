// Sex, colours, race, height and weight: codes, conversions and buffer
// limits.
#include "fields/physical_description.h"

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

Answer tooSmall() { return Answer{VTX_ERR_BUFFER_TOO_SMALL, ""}; }

TEST(PhysicalDescription, Sex) {
  const struct {
    const char* text;
    int32_t code;
    int32_t sex;
  } cases[] = {
      {"M", 0, kSexMale},      {"1", 0, kSexMale},      {"MALE", 0, kSexMale},   {"MX", 0, kSexMale},
      {"F", 0, kSexFemale},    {"2", 0, kSexFemale},    {"FEMALE", 0, kSexFemale},
      {"X", -26, 0},           {"9", -26, 0},           {"U", -26, 0},           {"male", -26, 0},
      {"female", -26, 0},      {" M", -26, 0},
  };
  for (const auto& c : cases) {
    TestRecord r{{field::gender, c.text}};
    int32_t sex = 42;
    ASSERT_EQ(sexOf(&r.record, &sex), c.code) << c.text;
    EXPECT_EQ(sex, c.code == 0 ? c.sex : 42) << c.text;
  }
  TestRecord empty;
  int32_t sex = 0;
  EXPECT_EQ(sexOf(&empty.record, &sex), VTX_ERR_NOT_AVAILABLE);
  EXPECT_EQ(sexOf(&empty.record, nullptr), VTX_ERR_ARGUMENT);
  EXPECT_EQ(sexOf(nullptr, &sex), VTX_ERR_ARGUMENT);
}

TEST(PhysicalDescription, GenderWordNeedsRoom) {
  TestRecord male{{field::gender, "1"}};
  TestRecord female{{field::gender, "F"}};
  EXPECT_EQ(run(genderAccessor, male, 5), ok("Male"));
  EXPECT_EQ(run(genderAccessor, male, 4), tooSmall());
  EXPECT_EQ(run(genderAccessor, female, 7), ok("Female"));
  EXPECT_EQ(run(genderAccessor, female, 6), tooSmall());
  EXPECT_EQ(run(genderAccessor, TestRecord{{field::gender, "U"}}), missing());
}

TEST(PhysicalDescription, Colours) {
  const struct {
    test::RecordAccessorFn accessor;
    int32_t id;
    const char* text;
    const char* expected;
  } cases[] = {
      {eyeColorAccessor, field::eyeColor, "BRO", "Brown"},
      {eyeColorAccessor, field::eyeColor, "VI", "Violet"},
      {eyeColorAccessor, field::eyeColor, "DIC", "Dichromatic"},
      {eyeColorAccessor, field::eyeColor, "bro", "bro"},        // codes are case-sensitive
      {eyeColorAccessor, field::eyeColor, "BROWN", "BROWN"},    // not a code length
      {eyeColorAccessor, field::eyeColor, "BROX", "BROX"},
      {eyeColorAccessor, field::eyeColor, "B", "B"},
      {eyeColorAccessor, field::eyeColor, "BN", "BN"},          // a hair code only
      {hairColorAccessor, field::hairColor, "BN", "Blond"},
      {hairColorAccessor, field::hairColor, "RED", "Red/Auburn"},
      {hairColorAccessor, field::hairColor, "GRY", "Grey"},
      {hairColorAccessor, field::hairColor, "wh", "wh"},
      {hairColorAccessor, field::hairColor, "HAZ", "HAZ"},      // an eye code only
  };
  for (const auto& c : cases) {
    TestRecord r{{c.id, c.text}};
    EXPECT_EQ(run(c.accessor, r), ok(c.expected)) << c.text;
  }
  TestRecord r{{field::eyeColor, "HAZ"}};
  EXPECT_EQ(run(eyeColorAccessor, r, 4), ok("Haz"));  // the word is cut like any value
  EXPECT_EQ(run(eyeColorAccessor, r, 1), ok(""));
  EXPECT_EQ(run(eyeColorAccessor, TestRecord{}), missing());
}

TEST(PhysicalDescription, Race) {
  EXPECT_EQ(run(raceAccessor, TestRecord{{field::race, "\t W\x01H~\x7f "}}), ok("W H"));
  EXPECT_EQ(run(raceAccessor, TestRecord{{field::race, " \x02 "}}), missing());
  EXPECT_EQ(run(raceAccessor, TestRecord{}), missing());
}

TEST(PhysicalDescription, HeightSources) {
  const struct {
    int32_t id;
    const char* text;
    int32_t capacity;
    Answer expected;
  } cases[] = {
      {field::height, " 070 IN ", 64, ok("070 IN")},
      {field::height, " 070 IN ", 4, ok("070")},
      {field::height, " \x01 ", 64, missing()},              // does not fall through
      {field::heightFeetInches, "509", 6, ok("5'09\"")},
      {field::heightFeetInches, "509", 5, tooSmall()},        // 3 + 2 is not below 5
      {field::heightFeetInches, "6", 4, ok("6'\"")},
      {field::heightFeetInches, "6", 3, tooSmall()},
      {field::heightFeetInches, "  ", 64, missing()},
      {field::heightCm, "175", 6, ok("175cm")},
      {field::heightCm, " 175\t", 6, ok("175cm")},
      {field::heightCm, "175", 5, tooSmall()},
      {field::heightCm, "   ", 64, missing()},
  };
  for (const auto& c : cases) {
    TestRecord r{{c.id, c.text}};
    EXPECT_EQ(run(heightAccessor, r, c.capacity), c.expected) << c.id << " " << c.text << " cap " << c.capacity;
  }
  TestRecord all{{field::height, "5-09"}, {field::heightFeetInches, "509"}, {field::heightCm, "175"}};
  EXPECT_EQ(run(heightAccessor, all), ok("5-09"));
  all.set(field::height, "");
  EXPECT_EQ(run(heightAccessor, all), ok("5'09\""));
  EXPECT_EQ(run(heightAccessor, TestRecord{}), missing());
}

TEST(PhysicalDescription, Weights) {
  const struct {
    const char* pounds;
    const char* kilograms;
    const char* range;
    Answer inKg;
    Answer inLbs;
  } cases[] = {
      {"150", "", "", ok("68"), ok("150")},
      {"", "68", "", ok("68"), ok("150")},
      {"", "68.5", "", ok("68.5"), missing()},
      {"", "68.5", "3", ok("68.5"), ok("131-160")},
      {"", "", "5", ok("87-100"), ok("191-220")},
      {"", "", "0", ok("up to 31"), ok("up to 70")},
      {"", "", "9", ok("146+"), ok("320+")},
      {"", "", "10", missing(), missing()},
      {"", "", "X", missing(), missing()},
      {"150LB", "", "4", ok("71-86"), ok("150LB")},     // pounds copied as stored
      {"12345678", "", "", missing(), ok("12345678")},  // too long to convert
      {"1234567890", "", "", missing(), missing()},
      {"", "", "", missing(), missing()},
  };
  for (const auto& c : cases) {
    TestRecord r{{field::weightPounds, c.pounds}, {field::weightKg, c.kilograms}, {field::weightRange, c.range}};
    EXPECT_EQ(run(weightKgAccessor, r), c.inKg) << c.pounds << "|" << c.kilograms << "|" << c.range;
    EXPECT_EQ(run(weightLbsAccessor, r), c.inLbs) << c.pounds << "|" << c.kilograms << "|" << c.range;
  }
}

TEST(PhysicalDescription, WeightBuffers) {
  TestRecord pounds{{field::weightPounds, "9999999"}};  // 4545454 kilograms
  EXPECT_EQ(run(weightKgAccessor, pounds, 8), ok("4545454"));
  EXPECT_EQ(run(weightKgAccessor, pounds, 7), ok(""));  // does not fit: empty, still 0
  EXPECT_EQ(run(weightKgAccessor, pounds, 3), (Answer{VTX_ERR_ARGUMENT, ""}));
  EXPECT_EQ(run(weightLbsAccessor, pounds, 3), (Answer{VTX_ERR_ARGUMENT, ""}));
  TestRecord kilograms{{field::weightKg, "100"}};
  EXPECT_EQ(run(weightLbsAccessor, kilograms, 4), ok("220"));
  TestRecord heavy{{field::weightKg, "1000"}};
  EXPECT_EQ(run(weightLbsAccessor, heavy, 4), ok(""));
  EXPECT_EQ(run(weightLbsAccessor, heavy, 5), ok("2200"));
}

}  // namespace
}  // namespace tavrix
