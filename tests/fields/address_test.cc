// Street lines, city and postal code, the Canadian street handler and the
// U.S. postal form.
#include "fields/address.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fields/address_hooks.h"
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

TEST(Address, UsPostalForm) {
  const struct {
    const char* code;
    int32_t capacity;
    Answer expected;
  } cases[] = {
      {"12345", 11, ok("12345-0000")},     {"123456789", 11, ok("12345-6789")}, {"1234", 11, ok("12340-0000")},
      {"12345-67", 11, ok("12345-6700")},  {" 12345 6789 ", 11, ok("12345-6789")},
      {"12345-678901", 64, ok("12345-6789")},  // digits past the ninth are dropped
      {"123456789", 10, kTooSmall},        {"   ", 11, missing()},
      {"ABCDE", 11, missing()},                // no digit: no postal code
  };
  for (const auto& c : cases) {
    char storage[80];
    std::memset(storage, 0x5A, sizeof storage);
    const int32_t code = usPostalCodeHandler(Span{c.code, static_cast<int32_t>(std::strlen(c.code))}, storage, c.capacity);
    EXPECT_EQ((code == 0 ? ok(storage) : Answer{code, ""}), c.expected) << c.code << " cap " << c.capacity;
    for (int32_t i = c.capacity; i < 80; ++i) ASSERT_EQ(storage[i], 0x5A) << c.code;
  }
}

TEST(Address, StreetLinesCityAndPostalFields) {
  TestRecord r{{field::residenceStreet1, "\x01 ,12  MAIN\tST-\r\n"}, {field::mailingStreet2, "$ APT\x02\x02" "4 /"},
               {field::residenceCity, " SPRING  FIELD\x7f"}, {field::addressJurisdictionCode, "TX"},
               {field::residencePostalCode, "787011234"}};
  EXPECT_EQ(run(address1Accessor, r), ok("12 MAIN ST"));
  EXPECT_EQ(run(address2Accessor, r), ok("APT 4"));
  EXPECT_EQ(run(cityAccessor, r), ok("SPRING FIELD"));
  EXPECT_EQ(run(postalCodeAccessor, r, 11), ok("78701-1234"));
  EXPECT_EQ(run(postalCodeAccessor, r, 10), kTooSmall);
  r.set(field::addressStreet1, "1 ELM").set(field::addressPostalCode, "12345");  // mailing fields first
  EXPECT_EQ(run(address1Accessor, r), ok("1 ELM"));
  EXPECT_EQ(run(postalCodeAccessor, r), ok("12345-0000"));
  EXPECT_EQ(run(address1Accessor, TestRecord{{field::addressStreet1, " ,-/\t"}}), missing());
  EXPECT_EQ(run(postalCodeAccessor, TestRecord{{field::addressJurisdictionCode, "ON"},
                                               {field::addressPostalCode, "M5V  ,, 2T6"}}),
            ok("M5V , 2T6"));
  TestRecord stored{{field::addressJurisdictionCode, "ON"}, {field::addressPostalCode, "M5V"}};
  EXPECT_EQ(run(postalCodeAccessor, stored, 1), ok(""));  // cut, not missing
}

TEST(Address, PostalCodeFromOneLineStreet) {
  const struct {
    const char* street;
    const char* city;
    const char* jurisdiction;
    int32_t capacity;
    Answer expected;
  } cases[] = {
      {"12 MAIN ST SPRINGFIELD IL 62701", "SPRINGFIELD", "IL", 64, ok("62701-0000")},
      {"1 MAIN ST AUSTIN TX 78701", "AUSTIN", "TX", 10, kTooSmall},
      {"12 MAIN ST SPRINGFIELD IL 62701", "SPRINGFIELD", "IL", 13, missing()},  // no room for the code
      {"100 KING ST TORONTO ON M5V  2T6", "TORONTO", "ON", 64, ok("M5V 2T6")},
      {"100 KING ST YORK ON M5V 2T6", "YORK", "ON", 8, ok("M5V 2T")},  // derived codes: capacity - 2
      {"1 OTTAWA ST OTTAWA ON K1A0B1", "OTTAWA", "ON", 64, ok("K1A0B1")},
      {"12 MAIN ST SPRINGFIELD MO 62701", "SPRINGFIELD", "IL", 64, missing()},
      {"12 MAIN ST SPRINGFIELD IL 62701-1234", "SPRINGFIELD", "IL", 64, missing()},  // '-' is refused
  };
  for (const auto& c : cases) {
    TestRecord r{{field::addressStreet1, c.street}, {field::addressCity, c.city},
                 {field::addressJurisdictionCode, c.jurisdiction}};
    EXPECT_EQ(run(postalCodeAccessor, r, c.capacity), c.expected) << c.street << " cap " << c.capacity;
  }
}

TEST(Address, CanadianStreetHandler) {
  const struct {
    const char* street;
    const char* city;
    const char* postal;
    int32_t capacity;
    const char* expected;
  } cases[] = {
      {"100 KING ST TORONTO ON M5V 2T6", "TORONTO", "M5V 2T6", 64, "100 KING ST"},
      {"100 KING ST TORONTO", "TORONTO", "M5V 2T6", 64, "100 KING ST"},
      {"TORONTO DOMINION CTR", "TORONTO", "M5V 2T6", 64, "TORONTO DOMINION CTR"},  // starts with the city
      {"12 ONTARIO ST", "", "", 64, "12 ONTARIO ST"},  // " ON" inside a word stays
      {"12 ONTARIO ST ON", "", "", 64, "12 ONTARIO ST"},
      {"5 TORONTOWN RD, TORONTO ON", "TORONTO", "", 64, "5 TORONTOWN RD,"},
      {" ,12   QUEEN ST  W ,", "TORONTO", "M5V 2T6", 64, "12 QUEEN ST W"},
      {"100 KING ST TORONTO ON", "TORONTO", "", 26, "100 KING ST TORONTO ON"},  // no room behind the street
  };
  for (const auto& c : cases) {
    TestRecord r{{field::addressStreet1, c.street}, {field::addressCity, c.city},
                 {field::addressJurisdictionCode, "ON"}, {field::addressPostalCode, c.postal}};
    EXPECT_EQ(run(address1Accessor, r, c.capacity), ok(c.expected)) << c.street;
  }
  TestRecord second{{field::residenceStreet2, "UNIT 4 TORONTO ON"}, {field::addressCity, "TORONTO"},
                    {field::addressJurisdictionCode, "ON"}};
  EXPECT_EQ(run(address2Accessor, second), ok("UNIT 4"));
  EXPECT_EQ(run(address1Accessor, TestRecord{{field::addressStreet1, " ,$@"}, {field::addressJurisdictionCode, "ON"}}),
            missing());
}

}  // namespace
}  // namespace tavrix
