#include "fields/license_number.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fields/field_ids.h"
#include "fields/jurisdiction_handlers.h"
#include "test_record.h"

namespace tavrix {
namespace {

using namespace field;
using test::AccessorCase;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

TEST(JurisdictionHandlers, KeysAreUniqueAndRowZeroIsTheDefault) {
  const JurisdictionRow* rows = jurisdictionHandlerRows();
  std::set<std::string> keys;
  for (int32_t i = 0; i < kJurisdictionRowCount; ++i) EXPECT_TRUE(keys.insert(rows[i].key).second) << rows[i].key;
  EXPECT_STREQ(rows[0].key, "");
}

TEST(JurisdictionHandlers, Selection) {
  struct Case {
    const char* iin;
    const char* jurisdiction;
    const char* key;
  };
  const Case cases[] = {
      {"636014", "NY", "CA"},  // the issuer number wins over the jurisdiction field
      {"", "ON", "ON"},
      {"", "", ""},
      {"", "PR", ""},          // no row of its own
      {"604431", "", ""},      // Puerto Rico by number
      {"123456", "TX", "TX"},  // unknown number, known jurisdiction
      {"123456", "", ""},
      {"", "tx", ""},          // keys compare exactly
      {"990876", "", "AB"},
  };
  for (const Case& c : cases) {
    TestRecord r{{issuerIdNumber, c.iin}, {addressJurisdictionCode, c.jurisdiction}};
    EXPECT_STREQ(findJurisdictionHandlers(&r.record).key, c.key) << c.iin << "/" << c.jurisdiction;
  }
}

TEST(LicenseNumber, LetterRuleAtItsLengthBounds) {
  struct Case {
    const char* iin;
    const char* number;
    const char* expected;
  };
  const Case cases[] = {
      {"636001", "08345678901234567890", "H345678901234567890"},  // NY, exactly 20
      {"636001", "0834567890123456789", "0834567890123456789"},   // NY, 19: no letter
      {"636001", "27345678901234567890", "27345678901234567890"},  // not a letter code
      {"636031", "23 4567 8901 2345", "W456789012345"},           // WI, 17 with spaces
      {"636031", "23 4567 8901", "2345678901"},                   // WI, 12: spaces still go
      {"636033", "01234567", "A234567"},                          // AL, exactly 8
      {"636033", "0123456", "0123456"},                           // AL, 7 is not 8
      {"636020", "03", "C"},                                      // CO, at its minimum
      {"636020", "03 4 5 6", "C456"},                             // CO, at its maximum
      {"636020", "034567890", "034567890"},                       // CO, above it
      {"636014", "1234567", "1234567"},                           // CA, below 8
      {"636014", "12345678", "L345678"},
      {"636038", "0112345678901", "A12345678901"},                // MN 13: code in front
      {"636038", "12345678 901226", "Z12345678 9012"},            // MN 15: code at the end, body kept
      {"636038", "12345678901299", "12345678901299"},             // MN 14, bad code
      {"636038", "011234567 890", "A1234567 890"},                // MN 13 keeps its spaces
      {"636038", "012345678901", "012345678901"},                 // MN 12
      {"636023", "0102123456", "AB123456"},                       // OH, two letters
      {"636023", "0199123456", "A99123456"},                      // OH, one letter
      {"636023", "01 2345678", "A 2345678"},                      // OH keeps the body as is
      {"636023", "01021234 56", "0102123456"},                    // OH, not 10: spaces removed
  };
  for (const Case& c : cases) {
    TestRecord r{{issuerIdNumber, c.iin}, {licenseNumber, c.number}};
    EXPECT_EQ(run(licenseNumberAccessor, r), ok(c.expected)) << c.iin << " " << c.number;
  }
}

TEST(LicenseNumber, SourcesAndCapacity) {
  const AccessorCase cases[] = {
      // A handler row reads only the two licence-number fields...
      {licenseNumberAccessor, {{issuerIdNumber, "636001"}, {licenseNumberAlt, "08 345678901234567890"}},
       ok("08345678901234567890")},
      {licenseNumberAccessor, {{issuerIdNumber, "636001"}, {cacLayoutPersonId, "X1"}}, missing()},
      // ...a row without a handler takes the first of four, as stored, and
      // fills capacity - 2 characters.
      {licenseNumberAccessor, {{cacPersonDesignatorId, "12 34"}, {addressJurisdictionCode, "PR"}}, ok("12 34")},
      {licenseNumberAccessor, {{cacPersonDesignatorId, "12 34"}, {addressJurisdictionCode, "PR"}}, ok("12 3"), 6},
      {licenseNumberAccessor, {{cacPersonDesignatorId, "12 34"}, {addressJurisdictionCode, "PR"}}, missing(), 2},
      // A handler fills capacity - 1 characters.
      {licenseNumberAccessor, {{issuerIdNumber, "636001"}, {licenseNumber, "08345678901234567890"}}, ok("H"), 2},
      {licenseNumberAccessor, {{issuerIdNumber, "636001"}, {licenseNumber, "08345678901234567890"}}, missing(), 1},
      {licenseNumberAccessor, {{issuerIdNumber, "636023"}, {licenseNumber, "0102123456"}}, ok("A"), 2},
      {licenseNumberAccessor, {{issuerIdNumber, "636023"}, {licenseNumber, "0102123456"}}, ok("AB"), 3},
      {licenseNumberAccessor, {{issuerIdNumber, "636001"}, {licenseNumber, "   "}}, missing()},
      {licenseNumberAccessor, {}, missing()},
  };
  test::expectAnswers(cases);
  TestRecord none;
  char buffer[4];
  EXPECT_EQ(licenseNumberAccessor(&none.record, buffer, 0), -21);
}

}  // namespace
}  // namespace tavrix
