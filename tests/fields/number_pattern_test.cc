#include "fields/number_pattern.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tavrix {
namespace {

const unsigned char* raw(const char* bytes) { return reinterpret_cast<const unsigned char*>(bytes); }

TEST(NumberPattern, EachByteKind) {
  struct Case {
    const unsigned char* pattern;
    const char* number;
    bool accepted;
  };
  const Case cases[] = {
      {"D3"_pattern, "123", true},      {"D3"_pattern, "12", false},  // the run meets the end
      {"D3"_pattern, "1234", false},    {"L2"_pattern, "aZ", true},   // either case
      {"L2"_pattern, "A1", false},      {"X3"_pattern, "a1B", true},
      {"X3"_pattern, "a-B", false},     {"'S' D2"_pattern, "S12", true},
      {"'S' D2"_pattern, "s12", false},  // literals are exact
      {"D2 -? D2"_pattern, "12-34", true}, {"D2 -? D2"_pattern, "1234", true},
      {"D2 -? D2"_pattern, "12--34", false}, {"D1 *? D1"_pattern, "1*2", true},
      {"D1 L? D1"_pattern, "1x2", true}, {"D1 L? D1"_pattern, "1xy2", false},
      {"D1 D? D?"_pattern, "1", true},  {"D1 D? D?"_pattern, "1234", false},
      {"D0 L0 X0"_pattern, "", true},   // empty runs have no effect
      {raw("\x81\xA0\xA5\xC3\xFF\x81"), "12", true},  // bytes from 0xA0 up without a meaning
      {"X1"_pattern, "\xE9", false},    // bytes from 0x80 up are no letter
  };
  for (const Case& c : cases) {
    const Span number{c.number, static_cast<int32_t>(std::strlen(c.number))};
    EXPECT_EQ(numberMatchesPattern(number, c.pattern), c.accepted) << '"' << c.number << '"';
  }
}

TEST(NumberPattern, BoundedReads) {
  const char text[] = "12345";
  EXPECT_TRUE(numberMatchesPattern(Span{text, 3}, "D3"_pattern));  // nothing past the span is read
  EXPECT_FALSE(numberMatchesPattern(Span{text, 3}, nullptr));
  CompiledPattern unterminated;  // no end byte inside the capacity: matches nothing
  std::memset(unterminated.bytes, 0xA0, sizeof unterminated.bytes);
  EXPECT_FALSE(numberMatchesPattern(Span{}, unterminated.bytes));
}

}  // namespace
}  // namespace tavrix
