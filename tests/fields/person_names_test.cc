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
using test::Answer;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

struct NameExpectation {
  Answer first, middle, last, suffix;
};

void expectNames(const TestRecord& r, const NameExpectation& e, const char* label) {
  EXPECT_EQ(run(firstNameAccessor, r), e.first) << label;
  EXPECT_EQ(run(middleNameAccessor, r), e.middle) << label;
  EXPECT_EQ(run(lastNameAccessor, r), e.last) << label;
  EXPECT_EQ(run(nameSuffixAccessor, r), e.suffix) << label;
}

TEST(PersonNames, FullNameSplitting) {
  struct Case {
    const char* full;
    NameExpectation names;
  };
  const Case cases[] = {
      {"SMITH,JOHN,PAUL", {ok("JOHN"), ok("PAUL"), ok("SMITH"), missing()}},
      {"SMITH,JR,JOHN,PAUL", {ok("JOHN"), ok("PAUL"), ok("SMITH"), ok("JR")}},
      {"JOHN,Q,PUBLIC", {ok("JOHN"), ok("Q"), ok("PUBLIC"), missing()}},
      {"SMITH,JOHN,JR", {ok("JOHN"), missing(), ok("SMITH"), ok("JR")}},
      {"SMITH$JOHN PAUL", {ok("JOHN"), ok("PAUL"), ok("SMITH"), missing()}},
      {"SMITH  JONES, ANN", {ok("ANN"), missing(), ok("SMITH JONES"), missing()}},
      {"JOHN PAUL SMITH JR", {ok("JOHN"), ok("PAUL"), ok("SMITH"), ok("JR")}},
      {"JOHN PAUL VAN DYKE", {ok("JOHN"), ok("PAUL"), ok("VAN DYKE"), missing()}},
      // The suffix is no middle name: two words remain around it.
      {"JOHN SMITH JR", {ok("JOHN"), missing(), ok("SMITH"), ok("JR")}},
      {"JOHN SMITH V", {ok("JOHN"), ok("SMITH"), ok("V"), missing()}},
      {"MADONNA", {ok("MADONNA"), missing(), missing(), missing()}},
      {"JR", {ok("JR"), missing(), missing(), missing()}},
  };
  for (const Case& c : cases) {
    TestRecord r{{fullName, c.full}};
    expectNames(r, c.names, c.full);
  }
}

TEST(PersonNames, OwnFieldsComeFirst) {
  TestRecord r{{fullName, "SMITH,JOHN,PAUL"}, {firstName, " ANN "}, {middleName, "B, C"}, {lastName, "LEE"}};
  expectNames(r, {ok("ANN"), ok("B C"), ok("LEE"), missing()}, "fields");
  // A first-name field that cleans to nothing ends the search.
  TestRecord none{{fullName, "SMITH,JOHN,PAUL"}, {firstName, "NONE"}, {givenNames, "ANN"}};
  EXPECT_EQ(run(firstNameAccessor, none), missing());
  // A middle-name field that cleans to nothing does not.
  TestRecord middleNone{{fullName, "SMITH,JOHN,PAUL"}, {middleName, "NONE"}};
  EXPECT_EQ(run(middleNameAccessor, middleNone), ok("PAUL"));
  TestRecord middleGiven{{middleName, "NONE"}, {givenNames, " ANN, MARIE ,LOUISE "}};
  EXPECT_EQ(run(middleNameAccessor, middleGiven), ok("MARIE LOUISE"));
  EXPECT_EQ(run(firstNameAccessor, middleGiven), ok("ANN"));
  // Blank fields count as missing.
  TestRecord blank{{firstName, " \t"}, {lastName, "  "}, {fullName, "DOE,JANE"}};
  expectNames(blank, {ok("JANE"), missing(), ok("DOE"), missing()}, "blank");
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

TEST(PersonNames, SuffixAndPrefix) {
  TestRecord stored{{nameSuffix, " III "}, {fullName, "JOHN SMITH JR"}};
  EXPECT_EQ(run(nameSuffixAccessor, stored), ok("III"));
  TestRecord none{{nameSuffix, "none"}, {fullName, "JOHN SMITH JR"}};
  EXPECT_EQ(run(nameSuffixAccessor, none), missing());
  TestRecord fromLast{{lastName, "SMITH 2ND"}};
  EXPECT_EQ(run(nameSuffixAccessor, fromLast), ok("2ND"));
  // Only a word at the very start is taken for the name.
  TestRecord leading{{fullName, " JR,SMITH"}};
  EXPECT_EQ(run(nameSuffixAccessor, leading), ok("JR"));
  TestRecord prefix{{namePrefix, " DR "}, {fullName, "DR JOHN SMITH"}};
  EXPECT_EQ(run(namePrefixAccessor, prefix), ok("DR"));
  TestRecord noPrefix{{fullName, "DR JOHN SMITH"}};
  EXPECT_EQ(run(namePrefixAccessor, noPrefix), missing());
}

TEST(PersonNames, FullName) {
  TestRecord stored{{fullName, "-SMITH$JOHN@@PAUL,"}};
  EXPECT_EQ(run(fullNameAccessor, stored), ok("SMITH JOHN PAUL"));
  EXPECT_EQ(run(fullNameAccessor, stored, 7), ok("SMITH"));  // capacity - 2 characters
  EXPECT_EQ(run(fullNameAccessor, stored, 2), missing());
  TestRecord separators{{fullName, " ,$@-"}};
  EXPECT_EQ(run(fullNameAccessor, separators), missing());

  TestRecord parts{{firstName, "ANN"}, {middleName, "B"}, {lastName, "LEE"}, {nameSuffix, "SR"}, {namePrefix, "DR"}};
  EXPECT_EQ(run(fullNameAccessor, parts), ok("ANN B LEE SR"));
  EXPECT_EQ(run(fullNameAccessor, parts, 8), ok("ANN B"));
  EXPECT_EQ(run(fullNameAccessor, parts, 13), ok("ANN B LEE S"));
  EXPECT_EQ(run(fullNameAccessor, parts, 14), ok("ANN B LEE SR"));
  EXPECT_EQ(run(fullNameAccessor, parts, 1), missing());
  TestRecord lastOnly{{lastName, "LEE"}};
  EXPECT_EQ(run(fullNameAccessor, lastOnly), ok("LEE"));
  TestRecord empty;
  EXPECT_EQ(run(fullNameAccessor, empty), missing());
}

TEST(PersonNames, CapacityAndEmptyBuffer) {
  TestRecord r{{lastName, "LEE"}};
  EXPECT_EQ(run(lastNameAccessor, r, 4), ok("LEE"));
  EXPECT_EQ(run(lastNameAccessor, r, 3), ok("LE"));
  EXPECT_EQ(run(lastNameAccessor, r, 1), missing());
  // First, middle and last name leave "" behind when they find nothing.
  using Fn = int32_t (*)(const FieldRecord*, char*, int32_t);
  for (Fn fn : {Fn{firstNameAccessor}, Fn{middleNameAccessor}, Fn{lastNameAccessor}}) {
    TestRecord nothing{{fullName, "SMITH"}, {middleName, "NONE"}, {lastName, "NONE"}, {firstName, "NONE"}};
    char buffer[16];
    std::strcpy(buffer, "garbage");
    EXPECT_EQ(fn(&nothing.record, buffer, sizeof buffer), -26);
    EXPECT_STREQ(buffer, "");
    std::strcpy(buffer, "garbage");
    EXPECT_EQ(fn(&nothing.record, buffer, 1), -26);
    EXPECT_EQ(buffer[0], '\0');
  }
}

// Whatever a field holds, every accessor answers 0 or -26 with a bounded,
// terminated value and leaves the record alone (run() checks the rest).
TEST(PersonNames, HostileFields) {
  const char* texts[] = {
      "\x01\x02\x7f\x1b",
      "\xC3\xA9\xC3\xA8 \xFF\xFE,\x80",
      "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z",
      " ,$@\t\n\r",
      ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
      "JR SR II III IV JR. SR.",
      "X",
  };
  const int32_t capacities[] = {1, 2, 3, 8, 64};
  using Fn = int32_t (*)(const FieldRecord*, char*, int32_t);
  const Fn accessors[] = {firstNameAccessor, middleNameAccessor, lastNameAccessor,
                          nameSuffixAccessor, namePrefixAccessor, fullNameAccessor};
  const char* jurisdictions[] = {"", "AL", "ON", "CO", "CA"};
  for (const char* text : texts) {
    for (const char* j : jurisdictions) {
      TestRecord r{{fullName, text}, {lastName, text}, {givenNames, text}, {addressJurisdictionCode, j}};
      r.setClass(0);
      TestRecord fullOnly{{fullName, text}, {addressJurisdictionCode, j}};
      for (const TestRecord* rec : {&r, &fullOnly}) {
        for (Fn fn : accessors) {
          for (int32_t cap : capacities) {
            const Answer a = run(fn, *rec, cap);
            EXPECT_TRUE(a.code == 0 || a.code == -26) << a.code;
            EXPECT_LT(static_cast<int32_t>(a.value.size()), cap);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavrix
