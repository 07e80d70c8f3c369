#include "tables/issuer_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/text_test_util.h"
#include "tables/region_table.h"

namespace tavrix {
namespace {

using testing::orNull;
using testing::spanOf;

TEST(IssuerTable, NumbersAreContiguousAndMatchTheirText) {
  auto check = [](const auto& block, int32_t first) {
    for (int32_t i = 0; i < static_cast<int32_t>(std::size(block)); ++i) {
      EXPECT_EQ(block[i].number, first + i);
      EXPECT_EQ(std::to_string(block[i].number), block[i].numberText);
    }
  };
  check(IssuerTableA, kIssuerBlockAFirst);
  check(IssuerTableB, kIssuerBlockBFirst);
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
  const std::pair<Span, const char*> cases[] = {{spanOf("TX"), "636015"}, {spanOf("AB"), "604432"},
                                                {spanOf("tx"), nullptr},   {spanOf("TXA"), nullptr},
                                                {spanOf("T"), nullptr},    {Span{"TX", 1}, nullptr},
                                                {spanOf("PW"), nullptr}};
  for (const auto& [code, number] : cases) EXPECT_EQ(orNull(issuerNumberFromCode(code)), orNull(number)) << orNull(number);
}

}  // namespace
}  // namespace tavrix
