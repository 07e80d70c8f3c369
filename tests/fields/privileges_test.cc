// Vehicle class, restrictions, endorsements, descriptions and the
// compliance type.
#include "fields/privileges.h"

#include <gtest/gtest.h>

#include "fields/field_ids.h"
#include "fields/test_record.h"

namespace tavrix {
namespace {

using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

TEST(Privileges, StandardCodesComeFirst) {
  TestRecord r{{field::standardVehicleClass, "D"}, {field::vehicleClass, "B"}, {field::classificationCode, "C"}};
  EXPECT_EQ(run(vehicleClassAccessor, r), ok("D"));
  r.set(field::standardVehicleClass, "");
  EXPECT_EQ(run(vehicleClassAccessor, r), ok("B"));
  r.set(field::vehicleClass, "");
  EXPECT_EQ(run(vehicleClassAccessor, r), ok("C"));
  TestRecord codes{{field::restrictionCode, "OLD"}, {field::standardRestrictionCode, "STD"},
                   {field::endorsementsCode, "H"}, {field::standardEndorsementCode, "N"}};
  EXPECT_EQ(run(restrictionCodeAccessor, codes), ok("STD"));
  EXPECT_EQ(run(endorsementCodeAccessor, codes), ok("N"));
  EXPECT_EQ(run(vehicleClassAccessor, TestRecord{}), missing());
}

TEST(Privileges, Copies) {
  TestRecord r{{field::restrictionCode, "\t A  B\x01\x01" "C "}, {field::endorsementsCode, " H  N\x7f"},
               {field::restrictionCodeDescription, "CORRECTIVE\nLENSES"},
               {field::endorsementCodeDescription, "\x02"}, {field::vehicleClassDescription, "CAR"}};
  EXPECT_EQ(run(restrictionCodeAccessor, r), ok("A B C"));  // runs collapsed, the invisible pair too
  EXPECT_EQ(run(endorsementCodeAccessor, r), ok("H  N"));
  EXPECT_EQ(run(restrictionDescriptionAccessor, r), ok("CORRECTIVE LENSES"));
  EXPECT_EQ(run(endorsementDescriptionAccessor, r), missing());  // nothing visible
  EXPECT_EQ(run(vehicleClassDescriptionAccessor, r), ok("CAR"));
  EXPECT_EQ(run(vehicleClassDescriptionAccessor, r, 3), ok("CA"));
}

TEST(Privileges, ComplianceType) {
  const struct {
    const char* text;
    test::Answer expected;
  } cases[] = {{"F", ok("F")}, {"~", missing()}, {"!", ok("!")}, {"FF", missing()}, {" ", missing()}, {"", missing()}};
  for (const auto& c : cases) EXPECT_EQ(run(complianceTypeAccessor, TestRecord{{field::complianceType, c.text}}), c.expected) << c.text;
  EXPECT_EQ(run(complianceTypeAccessor, TestRecord{{field::complianceType, "F"}}, 2), ok("F"));
  EXPECT_EQ(run(complianceTypeAccessor, TestRecord{{field::complianceType, "F"}}, 1), ok(""));  // cut, not missing
}

}  // namespace
}  // namespace tavrix
