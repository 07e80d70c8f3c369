// Street lines, city and postal code, the Canadian street handler and the
// U.S. postal form.
#include "fields/address.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

Answer tooSmall() { return Answer{VTX_ERR_BUFFER_TOO_SMALL, ""}; }

Answer usForm(const char* code, int32_t capacity) {
  char storage[40];
  std::memset(storage, 0x5A, sizeof storage);
  const int32_t result = usPostalCodeHandler(Span{code, static_cast<int32_t>(std::strlen(code))}, storage, capacity);
  for (int32_t i = capacity; i < static_cast<int32_t>(sizeof storage); ++i) {
    EXPECT_EQ(storage[i], 0x5A) << code << " wrote past capacity " << capacity;
  }
  return result == 0 ? Answer{0, std::string(storage)} : Answer{result, ""};
}

TEST(Address, UsPostalForm) {
  const struct {
    const char* code;
    int32_t capacity;
    Answer expected;
  } cases[] = {
      {"12345", 11, ok("12345-0000")},
      {"123456789", 11, ok("12345-6789")},
      {"1234", 11, ok("12340-0000")},
      {"12345-67", 11, ok("12345-6700")},
      {" 12345 6789 ", 11, ok("12345-6789")},
      {"12345-678901", 11, ok("12345-6789")},  // digits past the ninth are dropped
      {"A1B-2C3", 11, ok("12300-0000")},
      {"123456789", 10, tooSmall()},
      {"123456789", 1, tooSmall()},
      {"123456789", 64, ok("12345-6789")},
      {"   ", 11, missing()},
      {"ABCDE", 11, missing()},               // no digit: no postal code
      {"", 11, missing()},
  };
  for (const auto& c : cases) EXPECT_EQ(usForm(c.code, c.capacity), c.expected) << c.code << " cap " << c.capacity;
}

TEST(Address, StreetLinesAndCity) {
  TestRecord r{{field::residenceStreet1, "\x01 ,12  MAIN\tST-\r\n"},
               {field::mailingStreet2, "$ APT\x02\x02" "4 /"},
               {field::residenceCity, " SPRING  FIELD\x7f"}};
  EXPECT_EQ(run(address1Accessor, r), ok("12 MAIN ST"));  // the tab is invisible: a space
  EXPECT_EQ(run(address2Accessor, r), ok("APT 4"));
  EXPECT_EQ(run(cityAccessor, r), ok("SPRING FIELD"));
  EXPECT_EQ(run(address1Accessor, r, 4), ok("12 "));
  r.set(field::addressStreet1, "1 ELM");  // the mailing address comes first
  EXPECT_EQ(run(address1Accessor, r), ok("1 ELM"));
  TestRecord blank{{field::addressStreet1, " ,-/\t"}, {field::addressCity, "\x01"}};
  EXPECT_EQ(run(address1Accessor, blank), missing());
  EXPECT_EQ(run(address2Accessor, blank), missing());
  EXPECT_EQ(run(cityAccessor, blank), missing());
}

TEST(Address, PostalCodeFields) {
  TestRecord us{{field::addressJurisdictionCode, "TX"}, {field::residencePostalCode, "787011234"}};
  EXPECT_EQ(run(postalCodeAccessor, us), ok("78701-1234"));
  EXPECT_EQ(run(postalCodeAccessor, us, 11), ok("78701-1234"));
  EXPECT_EQ(run(postalCodeAccessor, us, 10), tooSmall());
  us.set(field::addressPostalCode, "12345");
  EXPECT_EQ(run(postalCodeAccessor, us), ok("12345-0000"));
  TestRecord canadian{{field::addressJurisdictionCode, "ON"}, {field::addressPostalCode, "M5V  ,, 2T6"}};
  EXPECT_EQ(run(postalCodeAccessor, canadian), ok("M5V , 2T6"));
  TestRecord none{{field::addressJurisdictionCode, "ON"}};
  EXPECT_EQ(run(postalCodeAccessor, none), missing());
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
      {"1 MAIN ST AUSTIN TX 78701", "AUSTIN", "TX", 10, tooSmall()},
      {"12 MAIN ST SPRINGFIELD IL 62701", "SPRINGFIELD", "IL", 13, missing()},  // no room for the code
      {"100 KING ST TORONTO ON M5V  2T6", "TORONTO", "ON", 64, ok("M5V 2T6")},
      {"100 KING ST YORK ON M5V 2T6", "YORK", "ON", 8, ok("M5V 2T")},  // derived codes: capacity - 2
      {"1 OTTAWA ST OTTAWA ON K1A0B1", "OTTAWA", "ON", 64, ok("K1A0B1")},    // the city seen twice
      {"12 MAIN ST SPRINGFIELD IL", "SPRINGFIELD", "IL", 64, missing()},
      {"12 MAIN ST SPRINGFIELD MO 62701", "SPRINGFIELD", "IL", 64, missing()},
      {"12 MAIN ST SPRINGFIELD IL 62701-1234", "SPRINGFIELD", "IL", 64, missing()},  // '-' is not accepted
      {"12 MAIN ST", "", "IL", 64, missing()},
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
    const char* expected;
  } cases[] = {
      {"100 KING ST TORONTO ON M5V 2T6", "TORONTO", "M5V 2T6", "100 KING ST"},
      {"100 KING ST TORONTO ON", "TORONTO", "M5V 2T6", "100 KING ST"},
      {"100 KING ST TORONTO", "TORONTO", "M5V 2T6", "100 KING ST"},
      {"TORONTO DOMINION CTR", "TORONTO", "M5V 2T6", "TORONTO DOMINION CTR"},  // starts with the city
      {"12 ONTARIO ST", "", "", "12 ONTARIO ST"},           // " ON" inside a word stays
      {"12 ONTARIO ST ON", "", "", "12 ONTARIO ST"},
      {"5 TORONTOWN RD, TORONTO ON", "TORONTO", "", "5 TORONTOWN RD,"},
      {" ,12   QUEEN ST  W ,", "TORONTO", "M5V 2T6", "12 QUEEN ST W"},
      {"TORONTO ON M5V 2T6", "TORONTO", "M5V 2T6", "TORONTO ON M5V 2T6"},
  };
  for (const auto& c : cases) {
    TestRecord r{{field::addressStreet1, c.street}, {field::addressCity, c.city},
                 {field::addressJurisdictionCode, "ON"}, {field::addressPostalCode, c.postal}};
    EXPECT_EQ(run(address1Accessor, r), ok(c.expected)) << c.street;
  }
  // Too little room behind the street for the appendix: the street as copied.
  TestRecord r{{field::addressStreet1, "100 KING ST TORONTO ON"}, {field::addressCity, "TORONTO"},
               {field::addressJurisdictionCode, "ON"}};
  EXPECT_EQ(run(address1Accessor, r, 26), ok("100 KING ST TORONTO ON"));
  EXPECT_EQ(run(address1Accessor, r, 40), ok("100 KING ST"));
  TestRecord blank{{field::addressStreet1, " ,$@"}, {field::addressJurisdictionCode, "ON"}};
  EXPECT_EQ(run(address1Accessor, blank), missing());
  TestRecord second{{field::residenceStreet2, "UNIT 4 TORONTO ON"}, {field::addressCity, "TORONTO"},
                    {field::addressJurisdictionCode, "ON"}};
  EXPECT_EQ(run(address2Accessor, second), ok("UNIT 4"));
}

}  // namespace
}  // namespace tavrix
