#include "tables/country_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::orNull;
using testing::spanOf;

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
}

TEST(CountryTable, Lookups) {
  const std::pair<const char*, const char*> byName[] = {  // name, code (null: unknown)
      {"u.s.a.", "USA"}, {"United States", "USA"}, {"HOLY SEE", "VAT"}, {"Virgin Islands of the U.S.", nullptr},
      {"Federated States of Micronesia", nullptr}, {"UNITED STATES ", nullptr}, {"UNITED", nullptr}, {"", nullptr},
      {nullptr, nullptr}};
  for (const auto& [name, code] : byName) EXPECT_EQ(orNull(countryCodeFromName(name)), orNull(code)) << orNull(name);
  // A code gives the first row of that code.
  const std::pair<Span, const char*> byCode[] = {
      {spanOf("uSa"), "UNITED STATES"}, {spanOf("CCK"), "COCOS"}, {spanOf("vat"), "VATICAN"}, {spanOf("UTO"), "UTOPIA"},
      {spanOf("US"), nullptr}, {spanOf("USAX"), nullptr}, {Span{"USA", 2}, nullptr}, {Span{}, nullptr}};
  for (const auto& [code, name] : byCode) EXPECT_EQ(orNull(countryNameFromCode(code)), orNull(name)) << name;
  // Every name gives back a code whose first row it belongs to.
  for (const CountryRow& row : CountryTable) {
    EXPECT_EQ(orNull(countryCodeFromName(row.name)), row.code) << row.name;
  }
  // Membership is exact.
  const std::pair<const char*, bool> known[] = {{"USA", true}, {"UTO", true}, {"usa", false}, {"US", false},
                                                {"USAA", false}, {"", false}, {nullptr, false}};
  for (const auto& [code, isKnown] : known) EXPECT_EQ(countryCodeIsKnown(code), isKnown) << orNull(code);
}

}  // namespace
}  // namespace tavrix
