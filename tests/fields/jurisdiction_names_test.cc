// Name rules of the jurisdictions with their own handlers, seen through the
// person-name accessors.
#include <gtest/gtest.h>

#include "fields/field_ids.h"
#include "fields/person_names.h"
#include "test_record.h"

namespace tavrix {
namespace {

using namespace field;
using test::Answer;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

struct Names {
  Answer first, middle, last, suffix, prefix;
};

void expectNames(const TestRecord& r, const Names& e, const char* label) {
  EXPECT_EQ(run(firstNameAccessor, r), e.first) << label;
  EXPECT_EQ(run(middleNameAccessor, r), e.middle) << label;
  EXPECT_EQ(run(lastNameAccessor, r), e.last) << label;
  EXPECT_EQ(run(nameSuffixAccessor, r), e.suffix) << label;
  EXPECT_EQ(run(namePrefixAccessor, r), e.prefix) << label;
}

TEST(JurisdictionNames, Alabama) {
  struct Case {
    const char* full;
    Names names;
  };
  const Case cases[] = {
      {"JOHN,,,DOE", {ok("JOHN"), missing(), ok("DOE"), missing(), missing()}},
      {"JOHN , Q ,DR, DOE ,JR", {ok("JOHN"), ok("Q"), ok("DOE"), ok("JR"), ok("DR")}},
      {"JOHN,Q,,DOE,none", {ok("JOHN"), ok("Q"), ok("DOE"), missing(), missing()}},
      // Without a fourth part the generic rules read LAST,FIRST,MIDDLE.
      {"DOE,JOHN,Q", {ok("JOHN"), ok("Q"), ok("DOE"), missing(), missing()}},
      {",Q,DR,DOE", {ok("DR"), ok("DOE"), ok("Q"), missing(), missing()}},  // no first part
  };
  for (const Case& c : cases) {
    TestRecord r{{issuerIdNumber, "636033"}, {fullName, c.full}};
    expectNames(r, c.names, c.full);
  }
}

TEST(JurisdictionNames, CanadaWholeNameInLastNameField) {
  struct Case {
    const char* last;
    Names names;
  };
  const Case cases[] = {
      {"JOHN PAUL SMITH", {ok("JOHN"), ok("PAUL"), ok("SMITH"), missing(), missing()}},
      {"JOHN PAUL MARIE SMITH", {ok("JOHN"), ok("PAUL MARIE"), ok("SMITH"), missing(), missing()}},
      // The suffix is taken out before the words are counted.
      {"JOHN SMITH JR", {ok("JOHN"), missing(), ok("SMITH"), ok("JR"), missing()}},
      {"SMITH", {missing(), missing(), ok("SMITH"), missing(), missing()}},
  };
  for (const Case& c : cases) {
    TestRecord r{{addressJurisdictionCode, "ON"}, {lastName, c.last}};
    expectNames(r, c.names, c.last);
  }
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
  // LAST,FIRST reads as FIRST LAST for a Colorado barcode...
  TestRecord barcode{{issuerIdNumber, "636020"}, {fullName, "SMITH,JOHN"}};
  barcode.setClass(0);
  expectNames(barcode, {ok("SMITH"), missing(), ok("JOHN"), missing(), missing()}, "barcode");
  // ...but by the generic rules on a stripe, and while scoring, when no
  // document class is set yet.
  for (uint32_t documentClass : {1u, 6u}) {
    TestRecord other{{issuerIdNumber, "636020"}, {fullName, "SMITH,JOHN"}};
    other.setClass(documentClass);
    expectNames(other, {ok("JOHN"), missing(), ok("SMITH"), missing(), missing()}, "other");
  }
  TestRecord words{{issuerIdNumber, "636020"}, {fullName, "JOHN PAUL VAN DYKE JR"}};
  words.setClass(0);
  expectNames(words, {ok("JOHN"), ok("PAUL"), ok("VAN DYKE"), ok("JR"), missing()}, "words");
  TestRecord two{{issuerIdNumber, "636020"}, {fullName, "JOHN SMITH III"}};
  two.setClass(0);
  expectNames(two, {ok("JOHN"), missing(), ok("SMITH"), ok("III"), missing()}, "two");
}

TEST(JurisdictionNames, CaliforniaSplitters) {
  struct Case {
    const char* full;
    Names names;
  };
  const Case cases[] = {
      {"SMITH,JOHN,PAUL", {ok("JOHN"), ok("PAUL"), ok("SMITH"), missing(), missing()}},
      {"SMITH, JOHN  PAUL ANN", {ok("JOHN"), ok("PAUL ANN"), ok("SMITH"), missing(), missing()}},
      {"JOHN PAUL VAN DYKE", {ok("JOHN"), ok("PAUL"), ok("VAN DYKE"), missing(), missing()}},
      {"JOHN SMITH", {ok("JOHN"), missing(), ok("SMITH"), missing(), missing()}},
      {"JOHN", {ok("JOHN"), missing(), missing(), missing(), missing()}},
      // The splitters do not reorder around an initial.
      {"JOHN,Q,PUBLIC", {ok("Q"), ok("PUBLIC"), ok("JOHN"), missing(), missing()}},
  };
  for (const Case& c : cases) {
    TestRecord r{{issuerIdNumber, "636014"}, {addressJurisdictionCode, "NV"}, {fullName, c.full}};
    expectNames(r, c.names, c.full);
  }
  // Own fields still come first.
  TestRecord own{{issuerIdNumber, "636014"}, {fullName, "SMITH,JOHN,PAUL"}, {firstName, "ANN"}};
  EXPECT_EQ(run(firstNameAccessor, own), ok("ANN"));
}

}  // namespace
}  // namespace tavrix
