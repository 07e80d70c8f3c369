#include "tables/country_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::orNull;
using testing::spanOf;

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
  // Every row is reachable both ways (names and codes are stored upper case),
  // and a name gives the code of the first row that holds it.
  for (const CountryRow& row : CountryTable) {
    EXPECT_EQ(orNull(countryCodeFromName(row.name)), row.code) << row.name;
    EXPECT_NE(countryNameFromCode(spanOf(row.code)), nullptr) << row.code;
  }
  // Membership is exact.
  const std::pair<const char*, bool> known[] = {{"USA", true}, {"UTO", true}, {"usa", false}, {"US", false},
                                                {"USAA", false}, {"", false}, {nullptr, false}};
  for (const auto& [code, isKnown] : known) EXPECT_EQ(countryCodeIsKnown(code), isKnown) << orNull(code);
}

}  // namespace
}  // namespace tavrix
