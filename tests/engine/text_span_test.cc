#include "engine/text_span.h"

#include <gtest/gtest.h>

#include "engine/ascii_classes.h"
#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::spanOf;
using testing::textOf;

TEST(SpanCompare, StrTable) {
  struct Case {
    Span span;
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {spanOf("ANSI"), "ANSI", 0}, {spanOf("ANSI"), "ANSI ", -1}, {spanOf("ANSIX"), "ANSI", 1},
      {spanOf("ABD"), "ABC", 1},   {spanOf("ABB"), "ABC", -1},    {Span{}, "A", -1},
      {Span{}, nullptr, 0},        {spanOf("A"), nullptr, 1},     {Span{"\xE9", 1}, "e", -1},  // signed bytes
  };
  for (const Case& c : cases) EXPECT_EQ(spanCompareStr(c.span, c.text), c.expected) << c.text;
}

TEST(SpanCompare, SpansWithCaseFlag) {
  EXPECT_EQ(spanCompare(spanOf("abc"), spanOf("ABC"), kCompareIgnoreCase), 0);
  EXPECT_EQ(spanCompare(spanOf("abc"), spanOf("ABC"), 0), 1);
  EXPECT_EQ(spanCompare(spanOf("a["), spanOf("A{"), kCompareIgnoreCase), -1);  // non-letters as they are
  EXPECT_EQ(spanCompare(spanOf("ab"), spanOf("abcd"), 0), -2);
  EXPECT_EQ(spanCompare(Span{}, spanOf("a"), 0), -1);
}

TEST(SpanFind, SearchAdvanceAndRemove) {
  EXPECT_EQ(spanFind(spanOf("xxANSIyyANSI"), spanOf("ANSI")), 2);
  EXPECT_EQ(spanFind(spanOf("ANS"), spanOf("ANSI")), -1);
  EXPECT_EQ(spanFind(Span{"ANSI", 3}, spanOf("NSI")), -1);
  Span s = spanOf("ABCDEF");
  spanAdvance(&s, 40);
  EXPECT_EQ(s.length, 0);
  Span list[] = {spanOf("MR"), spanOf("JOHN"), spanOf("JR"), spanOf("SMITH"), spanOf("MR")};
  const char* const drop[] = {"MR", "JR"};
  ASSERT_EQ(spanListRemoveStrs(list, 5, drop, 2), 2);
  EXPECT_EQ(textOf(list[0]) + "," + textOf(list[1]), "JOHN,SMITH");
}

TEST(SpanTrim, SetsAndPredicates) {
  Span s = spanOf("  ,A B,, ");
  spanTrimSet(&s, " ,");
  EXPECT_EQ(textOf(s), "A B");
  s = spanOf("12AB34");
  spanTrimIf(&s, isAsciiDigit);
  EXPECT_EQ(textOf(s), "AB");
  s = spanOf("\xC3\xA9" "A");
  spanTrimLeftIf(&s, isAsciiAlpha);  // high bytes are no letters
  EXPECT_EQ(s.length, 3);

  char buffer[] = "\r\n  AB C \n";
  EXPECT_EQ(std::string(buffer, textTrimSet(buffer, 10, " \r\n")), "AB C");
  EXPECT_EQ(textTrimSet(buffer, -4, " "), 0);
}

TEST(FindFailing, SpanAndString) {
  EXPECT_EQ(spanFindFailing(Span{"12a", 2}, isAsciiDigit), 0);
  EXPECT_EQ(spanFindFailing(spanOf("12a45"), isAsciiDigit), 3);
  EXPECT_EQ(spanFindFailing(Span{}, isAsciiDigit), -1);
  EXPECT_EQ(strFindFailing("AB<1", isMrzLetter), 4);
}

}  // namespace
}  // namespace tavrix
