#include "engine/mrz_items.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::spanOf;
using testing::textOf;

TEST(MrzItems, CodeAndDate) {
  char out[3];
  ASSERT_EQ(mrzReadCode(spanOf("D<<"), out), 0);
  EXPECT_EQ(std::string(out, 3), std::string("D\0\0", 3));
  EXPECT_EQ(mrzReadCode(spanOf("U1O"), out), -20);
  EXPECT_EQ(mrzReadCode(spanOf("UT"), out), -21);
  DateTime d;
  ASSERT_EQ(mrzParseDate(spanOf("850230"), &d), 0);
  EXPECT_EQ(d.year * 10000 + d.month * 100 + d.day, 19850230);  // no range check
  EXPECT_EQ(mrzParseDate(spanOf("8502300"), &d), -21);
  EXPECT_EQ(mrzParseDate(spanOf("85O230"), &d), -20);
}

TEST(MrzSplitName, Table) {
  struct Case {
    const char* item;
    int32_t rc;
    const char* parts;  // whole|primary|secondary|rest
  };
  const Case cases[] = {
      {"SMITH<<JOHN<PAUL<<<<", 0, "SMITH<<JOHN<PAUL|SMITH|JOHN|PAUL"},
      {"<SMITH<JONES<<ANNA<<<", 0, "SMITH<JONES<<ANNA|SMITH<JONES|ANNA|"},
      {"SMITH<JOHN<PAUL<ERIC", 0, "SMITH<JOHN<PAUL<ERIC|SMITH|JOHN|PAUL<ERIC"},
      {"SMITH<<<<", 0, "SMITH|SMITH||"},
      {"<<<<", -20, "|||"},
      {"SMITH<<J0HN", -20, "|||"},
  };
  for (const Case& c : cases) {
    Span whole{"x", 1}, primary{"x", 1}, secondary{"x", 1}, rest{"x", 1};
    EXPECT_EQ(mrzSplitName(spanOf(c.item), &whole, &primary, &secondary, &rest), c.rc) << c.item;
    EXPECT_EQ(textOf(whole) + "|" + textOf(primary) + "|" + textOf(secondary) + "|" + textOf(rest), c.parts);
  }
}

// Every missing pointer or span is refused before anything is read or
// written.
TEST(MrzItems, MissingArgumentsAreRefused) {
  char out[3];
  DateTime d;
  Span a, b, c, e;
  const Span none{nullptr, 3};
  const Span name = spanOf("SMITH<<JOHN");
  const int32_t answers[] = {
      mrzReadCode(spanOf("UTO"), nullptr),
      mrzReadCode(none, out),
      mrzParseDate(spanOf("850230"), nullptr),
      mrzParseDate(Span{nullptr, 6}, &d),
      mrzSplitName(none, &a, &b, &c, &e),
      mrzSplitName(Span{name.data, -1}, &a, &b, &c, &e),
      mrzSplitName(name, nullptr, &b, &c, &e),
      mrzSplitName(name, &a, nullptr, &c, &e),
      mrzSplitName(name, &a, &b, nullptr, &e),
      mrzSplitName(name, &a, &b, &c, nullptr),
  };
  for (size_t i = 0; i < std::size(answers); ++i) EXPECT_EQ(answers[i], VTX_ERR_ARGUMENT) << "case " << i;
}

}  // namespace
}  // namespace tavrix
