#include "fields/person_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fields/field_ids.h"
#include "fields/name_text.h"
#include "test_record.h"

namespace tavrix {
namespace {

using namespace field;
using test::AccessorCase;
using test::Answer;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

struct Names {
  Answer first, middle, last, suffix, prefix = missing();
};

void expectNames(const TestRecord& r, const Names& e, const char* label) {
  EXPECT_EQ(run(firstNameAccessor, r), e.first) << label;
  EXPECT_EQ(run(middleNameAccessor, r), e.middle) << label;
  EXPECT_EQ(run(lastNameAccessor, r), e.last) << label;
  EXPECT_EQ(run(nameSuffixAccessor, r), e.suffix) << label;
  EXPECT_EQ(run(namePrefixAccessor, r), e.prefix) << label;
}

// Each text stored in field `id` beside the fixed fields `context`.
struct Split {
  const char* text;
  Names names;
};
template <size_t N>
void expectSplits(int32_t id, std::initializer_list<test::FieldText> context, const Split (&cases)[N]) {
  for (const Split& c : cases) {
    TestRecord r;
    for (const auto& f : context) r.set(f.first, f.second);
    r.set(id, c.text);
    expectNames(r, c.names, c.text);
  }
}

TEST(PersonNames, FullNameSplitting) {
  const Split cases[] = {
      {"SMITH,JOHN,PAUL", {ok("JOHN"), ok("PAUL"), ok("SMITH"), missing()}},
      {"SMITH,JR,JOHN,PAUL", {ok("JOHN"), ok("PAUL"), ok("SMITH"), ok("JR")}},
      {"JOHN,Q,PUBLIC", {ok("JOHN"), ok("Q"), ok("PUBLIC"), missing()}},
      {"SMITH,JOHN,JR", {ok("JOHN"), missing(), ok("SMITH"), ok("JR")}},
      {"SMITH$JOHN PAUL", {ok("JOHN"), ok("PAUL"), ok("SMITH"), missing()}},
      {"SMITH  JONES, ANN", {ok("ANN"), missing(), ok("SMITH JONES"), missing()}},
      {"JOHN PAUL VAN DYKE", {ok("JOHN"), ok("PAUL"), ok("VAN DYKE"), missing()}},
      // The suffix is no middle name: two words remain around it.
      {"JOHN SMITH JR", {ok("JOHN"), missing(), ok("SMITH"), ok("JR")}},
      {"JOHN SMITH V", {ok("JOHN"), ok("SMITH"), ok("V"), missing()}},
      {"MADONNA", {ok("MADONNA"), missing(), missing(), missing()}},
      {"JR", {ok("JR"), missing(), missing(), missing()}},
  };
  expectSplits(fullName, {}, cases);
}

TEST(PersonNames, OwnFieldsComeFirst) {
  TestRecord r{{fullName, "SMITH,JOHN,PAUL"}, {firstName, " ANN "}, {middleName, "B, C"}, {lastName, "LEE"}};
  expectNames(r, {ok("ANN"), ok("B C"), ok("LEE"), missing()}, "fields");
  // Blank fields count as missing.
  TestRecord blank{{firstName, " \t"}, {lastName, "  "}, {fullName, "DOE,JANE"}};
  expectNames(blank, {ok("JANE"), missing(), ok("DOE"), missing()}, "blank");
  const AccessorCase cases[] = {
      // A first-name field that cleans to nothing ends the search...
      {firstNameAccessor, {{fullName, "SMITH,JOHN,PAUL"}, {firstName, "NONE"}, {givenNames, "ANN"}}, missing()},
      // ...a middle-name field that does not.
      {middleNameAccessor, {{fullName, "SMITH,JOHN,PAUL"}, {middleName, "NONE"}}, ok("PAUL")},
      {middleNameAccessor, {{middleName, "NONE"}, {givenNames, " ANN, MARIE ,LOUISE "}}, ok("MARIE LOUISE")},
      {firstNameAccessor, {{middleName, "NONE"}, {givenNames, " ANN, MARIE ,LOUISE "}}, ok("ANN")},
      {nameSuffixAccessor, {{nameSuffix, " III "}, {fullName, "JOHN SMITH JR"}}, ok("III")},
      {nameSuffixAccessor, {{nameSuffix, "none"}, {fullName, "JOHN SMITH JR"}}, missing()},
      {nameSuffixAccessor, {{lastName, "SMITH 2ND"}}, ok("2ND")},
      {nameSuffixAccessor, {{fullName, " JR,SMITH"}}, ok("JR")},  // only a word at the very start is the name
      {namePrefixAccessor, {{namePrefix, " DR "}, {fullName, "DR JOHN SMITH"}}, ok("DR")},
      {namePrefixAccessor, {{fullName, "DR JOHN SMITH"}}, missing()},
      {lastNameAccessor, {{lastName, "LEE"}}, ok("LEE"), 4},
      {lastNameAccessor, {{lastName, "LEE"}}, ok("LE"), 3},
      {lastNameAccessor, {{lastName, "LEE"}}, missing(), 1},
  };
  test::expectAnswers(cases);
}

TEST(PersonNames, Cleaning) {
  struct Case {
    const char* input;
    const char* output;  // null: nothing left
  };
  const Case cases[] = {
      {"MARY JR", "MARY"},
      {"JR", "JR"},
      {"  O'NEIL,  -JOHN- ", "O'NEIL JOHN"},
      {"ANN NONE. NONE BETH", "ANN BETH"},
      {"NONE", nullptr},
      {"--- ^^ //", nullptr},
      {"A B C D E F G H I J K L M N O P Q R S T", "A B C D E F G H I J K L M N O P"},
  };
  for (const Case& c : cases) {
    char buffer[64];
    std::strcpy(buffer, c.input);
    const int32_t result = cleanNameText(buffer, sizeof buffer);
    if (c.output == nullptr) {
      EXPECT_EQ(result, -26) << c.input;
    } else {
      EXPECT_EQ(result, 0) << c.input;
      EXPECT_STREQ(buffer, c.output) << c.input;
    }
  }
  // An unterminated buffer is read no further than its capacity.
  char unterminated[4] = {'A', ' ', 'B', 'C'};
  EXPECT_EQ(cleanNameText(unterminated, 4), 0);
  EXPECT_STREQ(unterminated, "A B");
}

TEST(PersonNames, FullName) {
  const test::FieldText parts[] = {
      {firstName, "ANN"}, {middleName, "B"}, {lastName, "LEE"}, {nameSuffix, "SR"}, {namePrefix, "DR"}};
  const TestRecord joined(parts);
  for (const auto& [capacity, expected] : std::initializer_list<std::pair<int32_t, Answer>>{
           {256, ok("ANN B LEE SR")}, {8, ok("ANN B")}, {13, ok("ANN B LEE S")}, {14, ok("ANN B LEE SR")},
           {1, missing()}}) {
    EXPECT_EQ(run(fullNameAccessor, joined, capacity), expected) << capacity;
  }
  const AccessorCase cases[] = {
      {fullNameAccessor, {{fullName, "-SMITH$JOHN@@PAUL,"}}, ok("SMITH JOHN PAUL")},
      {fullNameAccessor, {{fullName, "-SMITH$JOHN@@PAUL,"}}, ok("SMITH"), 7},  // capacity - 2 characters
      {fullNameAccessor, {{fullName, "-SMITH$JOHN@@PAUL,"}}, missing(), 2},
      {fullNameAccessor, {{fullName, " ,$@-"}}, missing()},
      {fullNameAccessor, {{lastName, "LEE"}}, ok("LEE")},
      {fullNameAccessor, {}, missing()},
  };
  test::expectAnswers(cases);
}

// First, middle and last name leave "" behind when they find nothing.
TEST(PersonNames, EmptyBufferWhenNothingFound) {
  using Fn = int32_t (*)(const FieldRecord*, char*, int32_t);
  TestRecord nothing{{fullName, "SMITH"}, {middleName, "NONE"}, {lastName, "NONE"}, {firstName, "NONE"}};
  for (Fn fn : {Fn{firstNameAccessor}, Fn{middleNameAccessor}, Fn{lastNameAccessor}}) {
    for (int32_t capacity : {16, 1}) {
      char buffer[16];
      std::strcpy(buffer, "garbage");
      EXPECT_EQ(fn(&nothing.record, buffer, capacity), -26);
      EXPECT_EQ(buffer[0], '\0');
    }
  }
}

// The name rules of the jurisdictions with their own handlers.
TEST(JurisdictionNames, Alabama) {
  const Split cases[] = {
      {"JOHN,,,DOE", {ok("JOHN"), missing(), ok("DOE"), missing(), missing()}},
      {"JOHN , Q ,DR, DOE ,JR", {ok("JOHN"), ok("Q"), ok("DOE"), ok("JR"), ok("DR")}},
      {"JOHN,Q,,DOE,none", {ok("JOHN"), ok("Q"), ok("DOE"), missing(), missing()}},
      // Without a fourth part the generic rules read LAST,FIRST,MIDDLE.
      {"DOE,JOHN,Q", {ok("JOHN"), ok("Q"), ok("DOE"), missing(), missing()}},
      {",Q,DR,DOE", {ok("DR"), ok("DOE"), ok("Q"), missing(), missing()}},  // no first part
  };
  expectSplits(fullName, {{issuerIdNumber, "636033"}}, cases);
}

TEST(JurisdictionNames, CanadaWholeNameInLastNameField) {
  const Split cases[] = {
      {"JOHN PAUL SMITH", {ok("JOHN"), ok("PAUL"), ok("SMITH"), missing(), missing()}},
      {"JOHN PAUL MARIE SMITH", {ok("JOHN"), ok("PAUL MARIE"), ok("SMITH"), missing(), missing()}},
      // The suffix is taken out before the words are counted.
      {"JOHN SMITH JR", {ok("JOHN"), missing(), ok("SMITH"), ok("JR"), missing()}},
      {"SMITH", {missing(), missing(), ok("SMITH"), missing(), missing()}},
  };
  expectSplits(lastName, {{addressJurisdictionCode, "ON"}}, cases);
}

TEST(JurisdictionNames, CanadaGivenNames) {
  TestRecord given{{issuerIdNumber, "604428"}, {givenNames, "ANNE MARIE"}, {lastName, "TREMBLAY"}};
  expectNames(given, {ok("ANNE"), ok("MARIE"), ok("TREMBLAY"), missing(), missing()}, "given");
  // A first name present: the last-name field is the last name as it stands.
  TestRecord first{{addressJurisdictionCode, "BC"}, {firstName, "ANNE"}, {lastName, "DE LA TOUR"}};
  expectNames(first, {ok("ANNE"), missing(), ok("DE LA TOUR"), missing(), missing()}, "first");
  TestRecord middle{{addressJurisdictionCode, "BC"}, {middleName, " Q "}, {lastName, "JOHN PAUL SMITH"}};
  EXPECT_EQ(run(middleNameAccessor, middle), ok("Q"));
}

TEST(JurisdictionNames, ColoradoOnlyForBarcodes) {
  // LAST,FIRST reads as FIRST LAST for a Colorado barcode (class 0), but by
  // the generic rules on a stripe, and while scoring, when no document
  // class is set yet.
  const struct {
    const char* full;
    uint32_t documentClass;
    Names names;
  } cases[] = {
      {"SMITH,JOHN", 0, {ok("SMITH"), missing(), ok("JOHN"), missing(), missing()}},
      {"SMITH,JOHN", 1, {ok("JOHN"), missing(), ok("SMITH"), missing(), missing()}},
      {"SMITH,JOHN", 6, {ok("JOHN"), missing(), ok("SMITH"), missing(), missing()}},
      {"JOHN PAUL VAN DYKE JR", 0, {ok("JOHN"), ok("PAUL"), ok("VAN DYKE"), ok("JR"), missing()}},
      {"JOHN SMITH III", 0, {ok("JOHN"), missing(), ok("SMITH"), ok("III"), missing()}},
  };
  for (const auto& c : cases) {
    TestRecord r{{issuerIdNumber, "636020"}, {fullName, c.full}};
    r.setClass(c.documentClass);
    expectNames(r, c.names, c.full);
  }
}

TEST(JurisdictionNames, CaliforniaSplitters) {
  const Split cases[] = {
      {"SMITH, JOHN  PAUL ANN", {ok("JOHN"), ok("PAUL ANN"), ok("SMITH"), missing(), missing()}},
      {"JOHN PAUL VAN DYKE", {ok("JOHN"), ok("PAUL"), ok("VAN DYKE"), missing(), missing()}},
      {"JOHN SMITH", {ok("JOHN"), missing(), ok("SMITH"), missing(), missing()}},
      {"JOHN", {ok("JOHN"), missing(), missing(), missing(), missing()}},
      // The splitters do not reorder around an initial.
      {"JOHN,Q,PUBLIC", {ok("Q"), ok("PUBLIC"), ok("JOHN"), missing(), missing()}},
  };
  expectSplits(fullName, {{issuerIdNumber, "636014"}, {addressJurisdictionCode, "NV"}}, cases);
  // Own fields still come first.
  TestRecord own{{issuerIdNumber, "636014"}, {fullName, "SMITH,JOHN,PAUL"}, {firstName, "ANN"}};
  EXPECT_EQ(run(firstNameAccessor, own), ok("ANN"));
}

}  // namespace
}  // namespace tavrix
