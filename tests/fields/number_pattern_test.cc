#include "fields/number_pattern.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tavrix {
namespace {

// The notation compiles to the byte language, literals included.
constexpr bool sameBytes(const unsigned char* compiled, const char* expected) {
  for (int32_t i = 0;; ++i) {
    if (compiled[i] != static_cast<unsigned char>(expected[i])) return false;
    if (expected[i] == '\0') return true;
  }
}
static_assert(sameBytes("D6 -? D3"_pattern, "\x86\xA1\x83"));
static_assert(sameBytes("L1 ' - ' X11 '**' L? D? *? D0"_pattern, "\x91 - \xBB**\xA3\xA4\xA2\x80"));
static_assert(sameBytes("L15 D13"_pattern, "\x9F\x8D"));
// One compiled copy per notation.
static_assert("D7"_pattern == "D7"_pattern);

bool matches(const char* number, const unsigned char* pattern) {
  return numberMatchesPattern(Span{number, static_cast<int32_t>(std::strlen(number))}, pattern);
}
const unsigned char* raw(const char* bytes) { return reinterpret_cast<const unsigned char*>(bytes); }

struct PatternCase {
  const unsigned char* pattern;
  const char* number;
  bool accepted;
};

TEST(NumberPattern, EachByteKind) {
  const PatternCase cases[] = {
      {"D3"_pattern, "123", true},
      {"D3"_pattern, "12", false},     // the run meets the end
      {"D3"_pattern, "1234", false},   // the number goes on past the end byte
      {"D3"_pattern, "12A", false},
      {"L2"_pattern, "aZ", true},      // either case
      {"L2"_pattern, "A1", false},
      {"X3"_pattern, "a1B", true},
      {"X3"_pattern, "a-B", false},
      {"'S' D2"_pattern, "S12", true},
      {"'S' D2"_pattern, "s12", false},  // literals are exact
      {"D1 ' ' D1"_pattern, "1 2", true},
      {"D1 ' ' D1"_pattern, "12", false},
      {"D2 -? D2"_pattern, "12-34", true},
      {"D2 -? D2"_pattern, "1234", true},
      {"D2 -? D2"_pattern, "12--34", false},
      {"D1 *? D1"_pattern, "1*2", true},
      {"D1 *? D1"_pattern, "12", true},
      {"D1 L? D1"_pattern, "1x2", true},
      {"D1 L? D1"_pattern, "12", true},
      {"D1 L? D1"_pattern, "1xy2", false},
      {"D1 D? D?"_pattern, "1", true},
      {"D1 D? D?"_pattern, "123", true},
      {"D1 D? D?"_pattern, "1234", false},
      {"D0 L0 X0"_pattern, "", true},  // empty runs have no effect
      {"D0"_pattern, "1", false},
      // Bytes from 0xA0 up without a meaning are skipped.
      {raw("\x81\xA0\xA5\xAF\xC3\xFF\x81"), "12", true},
      // Bytes from 0x80 up in the number belong to no class.
      {"X1"_pattern, "\xE9", false},
      {raw("\xE9"), "\xE9", false},  // and are no literal either: 0xE9 is a no-effect byte
  };
  for (const PatternCase& c : cases) {
    EXPECT_EQ(matches(c.number, c.pattern), c.accepted) << '"' << c.number << '"';
  }
}

TEST(NumberPattern, BoundedReads) {
  // The number is a span: characters past its length are not looked at.
  const char text[] = "12345";
  EXPECT_TRUE(numberMatchesPattern(Span{text, 3}, "D3"_pattern));
  EXPECT_FALSE(numberMatchesPattern(Span{text, 2}, "D3"_pattern));
  EXPECT_TRUE(numberMatchesPattern(Span{}, raw("")));
  EXPECT_FALSE(numberMatchesPattern(Span{text, 3}, nullptr));
  // A pattern without an end byte inside its capacity matches nothing.
  CompiledPattern unterminated;
  std::memset(unterminated.bytes, 0xA0, sizeof unterminated.bytes);
  EXPECT_FALSE(numberMatchesPattern(Span{text, 0}, unterminated.bytes));
}

}  // namespace
}  // namespace tavrix
