#include "engine/text_replace.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::spanOf;

TEST(TextReplaceAll, Table) {
  struct Case {
    const char* text;
    int32_t extraRoom;  // capacity = text length + extraRoom
    const char* pattern;
    const char* replacement;
    const char* expected;
  };
  const Case cases[] = {
      {"A\r\nB\r\n", 0, "\r\n", "\n", "A\nB\n"},
      {"@\n\nANSI", 0, "@\n\n", "@\n\x1E\r", "@\n\nANSI"},  // no room for the extra byte
      {"@\n\nANSI", 1, "@\n\n", "@\n\x1E\r", "@\n\x1E\rANSI"},
      {"xAxAxA", 2, "A", "BB", "xBBxBBxA"},  // stops at the first that does not fit
      {"AAA", 0, "AA", "B", "BA"},            // occurrences do not overlap
      {"AB", 10, "A", "AA", "AAB"},           // the replacement is not searched again
      {"ABC", 5, "ABCD", "X", "ABC"},         // pattern longer than the text
      {"..A..A", 0, "A", "", "..A..A"},       // empty replacement: no change
      {"AB", -9, "A", "XY", "AB"},            // negative capacity is no room
  };
  for (const Case& c : cases) {
    std::string buffer(c.text);
    const int32_t length = static_cast<int32_t>(buffer.size());
    buffer.resize(buffer.size() + 16, '#');
    const int32_t n = textReplaceAll(buffer.data(), length, length + c.extraRoom, spanOf(c.pattern),
                                     spanOf(c.replacement));
    EXPECT_EQ(buffer.substr(0, n), c.expected) << c.text;
    const size_t capacity = static_cast<size_t>(c.extraRoom > 0 ? length + c.extraRoom : length);
    EXPECT_EQ(buffer.find_first_not_of('#', capacity), std::string::npos) << c.text;
  }
}

TEST(TextReplaceAll, GrowingFlood) {
  std::string text;
  std::string expected;
  // Fills the capacity exactly and leaves the rest as it was.
  for (int i = 0; i < 10000; ++i) {
    text += "@\n\n";
    expected += i < 5000 ? "@\n\x1E\r" : "@\n\n";
  }
  const int32_t length = static_cast<int32_t>(text.size());
  text.resize(text.size() + 5000);
  const int32_t grown = textReplaceAll(text.data(), length, length + 5000, spanOf("@\n\n"), spanOf("@\n\x1E\r"));
  EXPECT_EQ(text.substr(0, grown), expected);
}

}  // namespace
}  // namespace tavrix
