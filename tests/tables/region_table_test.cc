#include "tables/region_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/text_test_util.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

using testing::orNull;
using testing::spanOf;

TEST(RegionTable, CodesAreUniqueSoFirstMatchNeverChooses) {
  std::set<std::string> codes;
  for (const RegionRow& row : RegionTable) EXPECT_TRUE(codes.insert(row.code).second) << row.code;
}

TEST(RegionTable, Lookup) {
  struct Case {
    const char* code;
    const char* country;
  };
  const Case cases[] = {
      {"NF", "Canada"}, {"NL", "Mexico"},    {"GU", "Mexico"}, {"GM", "Guam"},
      {"DS", "United States"}, {"PR", "Puerto Rico"}, {"pr", nullptr}, {"P", nullptr},
      {"PRX", nullptr}, {"XX", nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(orNull(countryOfRegion(spanOf(c.code))), orNull(c.country)) << c.code;
  EXPECT_EQ(countryOfRegion(Span{"PR", 1}), nullptr);
}

// Sweeps the whole byte range: high bytes are in no positive class and in
// every complement class.
TEST(CharClasses, ComplementsAndHighBytes) {
  const CharPredicate pairs[][2] = {
      {isNameChar, isNotNameChar}, {isCodeChar, isNotCodeChar},   {isWordChar, isNotWordChar},
      {isIdentChar, isNotIdentChar}, {isVisible, isNotVisible},
  };
  for (int c = 0; c < 256; ++c) {
    for (const auto& p : pairs) EXPECT_NE(p[0](c) != 0, p[1](c) != 0) << c;
    if (c >= 0x80) {
      EXPECT_FALSE(isNameTextChar(c) || isAddressCharHash(c) || isPlainTextChar(c) || isUpperOrSpace(c) ||
                   isDigitOrSpace(c) || isSignDigitOrSpace(c) || isIdentOrSpace(c) || isDecimalChar(c) ||
                   isBlankOrNul(c))
          << c;
      EXPECT_TRUE(isNotDigit(c) && isSeparator(c) && isNotPrintable(c)) << c;
    }
  }
}

}  // namespace
}  // namespace tavrix
