#include "engine/text_numbers.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::spanOf;

TEST(SpanAtoi, ReadsLikeAtoiWithinTheSpanAndSaturates) {
  struct Case {
    Span text;
    int32_t expected;
  };
  const Case cases[] = {
      {spanOf("1985"), 1985},          {spanOf("  -42x7"), -42},          {spanOf("x12"), 0},
      {Span{"123456", 4}, 1234},       {spanOf("99999999999"), INT32_MAX}, {spanOf("-2147483648"), INT32_MIN},
      {spanOf("-999999999999999999999"), INT32_MIN}, {spanOf("-"), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(spanAtoi(c.text), c.expected) << testing::textOf(c.text);
  EXPECT_EQ(spanAtoi64(spanOf("9223372036854775807999")), INT64_MAX);
  EXPECT_EQ(spanAtoi64(spanOf("-9223372036854775808")), INT64_MIN);
}

TEST(FormatInt, Table) {
  struct Case {
    int64_t value;
    int32_t width;
    uint32_t flags;
    const char* expected;
  };
  const Case cases[] = {
      {7, 4, kFormatZeroPad, "0007"}, {7, 4, 0, "7"}, {12345, 4, 0, ""},
      {-5, 3, kFormatZeroPad, "-05"}, {-5, 1, 0, ""}, {INT64_MIN, 20, 0, "-9223372036854775808"},
  };
  for (const Case& c : cases) {
    char out[24] = {};
    const int32_t n = formatInt(c.value, out, c.width, c.flags);
    EXPECT_EQ(std::string(out, n), c.expected) << c.value;
    EXPECT_EQ(out[n], '\0') << "wrote past its result for " << c.value;
  }
  EXPECT_EQ(formatIntChecked(3, nullptr, 2, 0), 0);
  EXPECT_EQ(digitChar(9), '9');
  EXPECT_EQ(digitChar(10), ' ');
}

TEST(CodePairLookup, WalksEveryMatch) {
  const CodePair pairs[] = {{.code = 1, .value = 10}, {.code = 2, .value = 20}, {.code = 1, .value = 11}};
  int32_t index = 0;
  EXPECT_EQ(codePairLookup(1, pairs, 3, &index), 10);
  index = 1;
  EXPECT_EQ(codePairLookup(1, pairs, 3, &index), 11);
  EXPECT_EQ(index, 2);
  ++index;
  EXPECT_EQ(codePairLookup(1, pairs, 3, &index), -1);
  EXPECT_EQ(index, 3);
  EXPECT_EQ(codePairLookup(2, pairs, 3, nullptr), 20);
}

}  // namespace
}  // namespace tavrix
