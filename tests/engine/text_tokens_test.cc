#include "engine/text_tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ascii_classes.h"
#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::spanOf;
using testing::textOf;

TEST(SpanNextToken, LeadingDelimitersWithAndWithoutSkip) {
  Span token;
  Span rest = spanOf(",,AB,C");
  ASSERT_EQ(spanNextToken(rest, &token, &rest, ",", kTokenSkipLeading), 0);  // rest aliases the input
  EXPECT_EQ(textOf(token) + "|" + textOf(rest), "AB|C");
  spanNextToken(spanOf(",,AB,C"), &token, &rest, ",", 0);
  EXPECT_EQ(token.length, 0);
  EXPECT_EQ(textOf(rest), ",AB,C");
  const char withNul[] = {'A', '\0', 'B', ',', 'C'};  // a NUL is no delimiter
  spanNextToken(Span{withNul, 5}, &token, &rest, ",", 0);
  EXPECT_EQ(token.length, 3);
}

std::vector<std::string> split(const char* text, uint32_t flags, int32_t max = 8) {
  Span parts[8];
  const int32_t n = spanSplit(spanOf(text), parts, max, " ,", flags);
  std::vector<std::string> out;
  for (int32_t i = 0; i < n; ++i) out.push_back(textOf(parts[i]));
  return out;
}

TEST(SpanSplit, Table) {
  using V = std::vector<std::string>;
  EXPECT_EQ(split("A B  C", kTokenSkipLeading), (V{"A", "B", "C"}));
  EXPECT_EQ(split("A B  C", 0), (V{"A", "B", "", "C"}));
  EXPECT_EQ(split("A,B,", 0), (V{"A", "B"}));  // no trailing empty token
  EXPECT_EQ(split("A B  ", kTokenSkipLeading), (V{"A", "B"}));
  EXPECT_EQ(split("A B C D", 0, 2), (V{"A", "B"}));
}

TEST(SpanTokenAt, CountsNonEmptyTokens) {
  Span out;
  ASSERT_EQ(spanTokenAt(spanOf(" JOHN  PAUL SMITH"), &out, 2, " "), 0);
  EXPECT_EQ(textOf(out), "SMITH");
  EXPECT_EQ(spanTokenAt(spanOf("JOHN PAUL  "), &out, 2, " "), -1);
}

struct RunCase {
  const char* text;
  int32_t minimum, maximum, found;
  const char* run;
  const char* rest;
};

void checkRuns(decltype(&spanTakeRun) finder, const RunCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const RunCase& c = cases[i];
    Span run{"?", 1};
    Span rest{"?", 1};
    EXPECT_EQ(finder(spanOf(c.text), isAsciiDigit, c.minimum, c.maximum, &run, &rest), c.found) << c.text;
    EXPECT_EQ(textOf(run) + "|" + textOf(rest), std::string(c.run) + "|" + c.rest) << c.text;
  }
}

TEST(SpanTakeRun, Table) {
  const RunCase cases[] = {
      {"123AB", 2, 9, 1, "123", "AB"},  // failing character after the minimum
      {"1AB", 2, 9, 0, "", "1AB"},      // too short before a failing character
      {"12", 5, 9, 1, "12", ""},        // the end of the span: a short run is still taken
      {"123456", 1, 4, 1, "1234", "56"},
      {"12", 0, 4, 0, "?", "?"},  // bad minimum: nothing written
  };
  checkRuns(spanTakeRun, cases, std::size(cases));
}

TEST(SpanFindRun, Table) {
  const RunCase cases[] = {
      {"AB1CD234EF", 2, 9, 1, "234", "EF"},  // the short run "1" is skipped
      {"AB12345678", 2, 4, 1, "1234", "5678"},
      {"AB1CD2", 3, 9, 1, "2", ""},  // a run reaching the end counts whatever its length
      {"A1B", 2, 9, 0, "", "A1B"},
      {"12", 1, 0, 0, "?", "?"},
  };
  checkRuns(spanFindRun, cases, std::size(cases));
}

}  // namespace
}  // namespace tavrix
