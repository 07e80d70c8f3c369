#include "engine/issuer_consistency.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fields/field_ids.h"
#include "fields/test_record.h"

namespace tavrix {
namespace {

using test::TestRecord;

int32_t adjust(const TestRecord& r, const char* country, const char* jurisdiction) {
  const FormatRow row{0, 33, nullptr, nullptr, country, jurisdiction};
  char scratch[64];
  const FieldRecord before = r.record;
  const int32_t value = issuerConsistencyAdjustment(&r.record, &row, scratch, sizeof scratch);
  EXPECT_TRUE(test::sameRecord(before, r.record)) << "the adjustment changed the record";
  return value;
}

TEST(IssuerConsistency, CountryAndJurisdictionSteps) {
  const TestRecord canadian{{field::countryCode, "CAN"}, {field::firstName, "ANNE"}};
  EXPECT_EQ(adjust(canadian, "CAN", nullptr), 100);
  const TestRecord american{{field::countryCode, "USA"}, {field::firstName, "ANNE"}};
  EXPECT_EQ(adjust(american, "CAN", nullptr), -1000);
  const TestRecord anonymous{{field::licenseNumber, "123"}};
  EXPECT_EQ(adjust(anonymous, "CAN", nullptr), -100);  // no country at all, no first name

  // A derived country counts as much as a stored one: the issuer number
  // of Alberta gives both the country and the jurisdiction.
  const TestRecord alberta{{field::issuerIdNumber, "604432"}, {field::firstName, "ANNE"}, {field::lastName, "LEE"}};
  EXPECT_EQ(adjust(alberta, "CAN", "AB"), 150);

  const TestRecord carolina{{field::addressJurisdictionCode, "NC"}, {field::firstName, "ANNE"}};
  EXPECT_EQ(adjust(carolina, nullptr, "NC"), 0);  // +50, and -50 for the missing last name
  const TestRecord southern{{field::addressJurisdictionCode, "SC"}, {field::firstName, "A"}, {field::lastName, "B"}};
  EXPECT_EQ(adjust(southern, nullptr, "NC"), -500);
  const TestRecord nameless{{field::addressJurisdictionCode, "NC"}};
  EXPECT_EQ(adjust(nameless, nullptr, "NC"), 0);  // never more than one 50 for the names

  // No scratch room: nothing can be read back, so only the name penalties apply.
  const FormatRow both{0, 33, nullptr, nullptr, "CAN", "AB"};
  char one[1];
  EXPECT_EQ(issuerConsistencyAdjustment(&alberta.record, &both, one, 0), -150);
  EXPECT_EQ(issuerConsistencyAdjustment(&alberta.record, &both, nullptr, 64), -150);
}

}  // namespace
}  // namespace tavrix
