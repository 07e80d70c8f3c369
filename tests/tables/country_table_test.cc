#include "tables/country_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "tables_test_util.h"

namespace tavrix {
namespace {

using test::orNull;
using test::spanOf;

// Codes are sorted, each code's rows are adjacent, only UTO breaks the
// order (last), and names and codes are in their stored forms.
TEST(CountryTable, CodesInOrderWithAliasesAdjacent) {
  std::set<std::string> codes;
  for (int32_t i = 0; i < kCountryRowCount; ++i) {
    const CountryRow& row = CountryTable[i];
    ASSERT_EQ(std::strlen(row.code), 3u);
    for (const char* p = row.code; *p != '\0'; ++p) EXPECT_TRUE(*p >= 'A' && *p <= 'Z') << row.code;
    for (const char* p = row.name; *p != '\0'; ++p) EXPECT_FALSE(*p >= 'a' && *p <= 'z') << row.name;
    codes.insert(row.code);
    if (i > 0 && i < kCountryRowCount - 1) {
      EXPECT_LE(std::strcmp(CountryTable[i - 1].code, row.code), 0) << row.code;
    }
  }
  EXPECT_EQ(codes.size(), 250u);
  EXPECT_STREQ(CountryTable[kCountryRowCount - 1].code, "UTO");
  EXPECT_STREQ(CountryTable[kCountryRowCount - 1].name, "UTOPIA");
  EXPECT_EQ(codes.count("SSD") + codes.count("BES"), 2u);
  EXPECT_EQ(codes.count("ANT"), 0u);
}

TEST(CountryTable, NameLookup) {
  EXPECT_EQ(orNull(countryCodeFromName("u.s.a.")), "USA");
  EXPECT_EQ(orNull(countryCodeFromName("United States")), "USA");
  EXPECT_EQ(orNull(countryCodeFromName("HOLY SEE")), "VAT");
  EXPECT_EQ(countryCodeFromName("Virgin Islands of the U.S."), nullptr);
  EXPECT_EQ(countryCodeFromName("Federated States of Micronesia"), nullptr);
  EXPECT_EQ(countryCodeFromName("UNITED STATES "), nullptr);
  EXPECT_EQ(countryCodeFromName("UNITED"), nullptr);
  EXPECT_EQ(countryCodeFromName(""), nullptr);
  EXPECT_EQ(countryCodeFromName(nullptr), nullptr);
}

TEST(CountryTable, CodeLookupGivesTheFirstRowOfACode) {
  EXPECT_EQ(orNull(countryNameFromCode(spanOf("uSa"))), "UNITED STATES");
  EXPECT_EQ(orNull(countryNameFromCode(spanOf("CCK"))), "COCOS");
  EXPECT_EQ(orNull(countryNameFromCode(spanOf("vat"))), "VATICAN");
  EXPECT_EQ(orNull(countryNameFromCode(spanOf("UTO"))), "UTOPIA");
  EXPECT_EQ(countryNameFromCode(spanOf("US")), nullptr);
  EXPECT_EQ(countryNameFromCode(spanOf("USAX")), nullptr);
  EXPECT_EQ(countryNameFromCode(Span{"USA", 2}), nullptr);
  EXPECT_EQ(countryNameFromCode(Span{}), nullptr);
  // Every name gives back a code whose first row it belongs to.
  for (const CountryRow& row : CountryTable) {
    EXPECT_EQ(orNull(countryCodeFromName(row.name)), row.code) << row.name;
  }
}

TEST(CountryTable, CodeMembershipIsExact) {
  EXPECT_TRUE(countryCodeIsKnown("USA"));
  EXPECT_TRUE(countryCodeIsKnown("UTO"));
  EXPECT_FALSE(countryCodeIsKnown("usa"));
  EXPECT_FALSE(countryCodeIsKnown("US"));
  EXPECT_FALSE(countryCodeIsKnown("USAA"));
  EXPECT_FALSE(countryCodeIsKnown(""));
  EXPECT_FALSE(countryCodeIsKnown(nullptr));
}

}  // namespace
}  // namespace tavrix
