#include "tables/issuer_table.h"

#include <gtest/gtest.h>

#include <string>

#include "tables/region_table.h"
#include "tables_test_util.h"

namespace tavrix {
namespace {

using test::orNull;
using test::spanOf;

TEST(IssuerTable, NumbersAreContiguousAndMatchTheirText) {
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(IssuerTableA)); ++i) {
    EXPECT_EQ(IssuerTableA[i].number, kIssuerBlockAFirst + i);
    EXPECT_EQ(std::to_string(IssuerTableA[i].number), IssuerTableA[i].numberText);
  }
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(IssuerTableB)); ++i) {
    EXPECT_EQ(IssuerTableB[i].number, kIssuerBlockBFirst + i);
    EXPECT_EQ(std::to_string(IssuerTableB[i].number), IssuerTableB[i].numberText);
  }
}

// Every row's code leads back to its own number, except Alberta's second
// number, whose code finds the 604432 row first. Every code is also a
// jurisdiction the region table can place in a country.
TEST(IssuerTable, CodesRoundTripToTheirNumbers) {
  auto check = [](const IssuerRow& row) {
    const Span number = spanOf(row.numberText);
    EXPECT_EQ(orNull(issuerCodeFromNumber(number)), row.code);
    EXPECT_TRUE(issuerIsKnown(number));
    EXPECT_NE(countryOfRegion(spanOf(row.code)), nullptr) << row.code;
    const std::string back = orNull(issuerNumberFromCode(spanOf(row.code)));
    if (row.number == kIssuerAlbertaExtra) {
      EXPECT_EQ(back, "604432");
    } else {
      EXPECT_EQ(back, row.numberText);
    }
  };
  for (const IssuerRow& row : IssuerTableA) check(row);
  for (const IssuerRow& row : IssuerTableB) check(row);
  check(IssuerTableExtra);
}

TEST(IssuerTable, NumberLookupBounds) {
  struct Case {
    const char* text;
    const char* code;  // null: unknown
  };
  const Case cases[] = {
      {"636062", "VI"},  {"636063", nullptr}, {"635999", nullptr}, {"604425", nullptr},
      {"604433", "NU"},  {"604434", nullptr}, {"604432", "AB"},    {"990876", "AB"},
      {"6360157", "TX"},  // only the first six characters count
      {"63601", nullptr},  // too short
      {"63601X", nullptr}, {" 63601", nullptr}, {"-63600", nullptr}, {"", nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(orNull(issuerCodeFromNumber(spanOf(c.text))), orNull(c.code)) << c.text;
    EXPECT_EQ(issuerIsKnown(spanOf(c.text)), c.code != nullptr) << c.text;
  }
  // The reading never goes past the span even when the text continues.
  EXPECT_EQ(issuerCodeFromNumber(Span{"636015", 5}), nullptr);
  EXPECT_EQ(issuerCodeFromNumber(Span{nullptr, 6}), nullptr);
}

TEST(IssuerTable, CodeLookupIsExactAndCaseSensitive) {
  EXPECT_EQ(orNull(issuerNumberFromCode(spanOf("TX"))), "636015");
  EXPECT_EQ(orNull(issuerNumberFromCode(spanOf("AB"))), "604432");
  EXPECT_EQ(issuerNumberFromCode(spanOf("tx")), nullptr);
  EXPECT_EQ(issuerNumberFromCode(spanOf("TXA")), nullptr);
  EXPECT_EQ(issuerNumberFromCode(spanOf("T")), nullptr);
  EXPECT_EQ(issuerNumberFromCode(Span{"TX", 1}), nullptr);
  EXPECT_EQ(issuerNumberFromCode(spanOf("PW")), nullptr);
}

}  // namespace
}  // namespace tavrix
