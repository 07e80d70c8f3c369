// The card layout parser's steps on their own: the item walk, the base-32
// numbers and the name list at the end of the arena.
#include "formats/other/cac/card_layout_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fields/field_ids.h"
#include "formats/other/cac/card_item_stores.h"

namespace tavrix::test {
namespace {

constexpr std::array<LayoutItem, 3> kThreeItems = {{
    {.fieldId = field::cacData101, .width = 2, .position = 0},
    {.fieldId = field::cacData102, .width = 3, .position = 2},
    {.fieldId = field::cacData103, .width = 4, .position = 5},
}};
static_assert(layoutPositionsRunOn(kThreeItems, 9));
static_assert(!layoutPositionsRunOn(kThreeItems, 10), "the total counts");
static_assert(!layoutPositionsRunOn(std::array<LayoutItem, 2>{{{.fieldId = 1, .width = 2, .position = 0},
                                                                {.fieldId = 2, .width = 2, .position = 3}}},
                                    4),
              "a gap between items is refused");

struct Walk {
  std::vector<char> storage = std::vector<char>(1024);
  FieldRecord record;
  CardLayoutParser parser;
  int32_t code = 0;

  explicit Walk(const std::string& body) {
    recordAttachArena(&record, storage.data(), static_cast<int32_t>(storage.size()));
    parser.record = &record;
    code = cardWalkLayout(&parser, Span{body.data(), static_cast<int32_t>(body.size())}, kThreeItems.data(),
                          kThreeItems.size());
  }
  std::string field(int32_t id) const {
    const Span s = recordField(&record, id);
    return spanIsEmpty(s) ? "" : std::string(s.data, static_cast<size_t>(s.length));
  }
};

TEST(CardLayoutParser, WalkStopsAtItemBoundariesAndReadsAShortLastItem) {
  struct Case {
    const char* body;
    int32_t code;
    const char* first;
    const char* second;
    const char* third;
    int32_t content;
  } const cases[] = {
      {"", 0, "", "", "", 0},
      {"A", cac_rc::kEndsInsideItem, "", "", "", 0},  // shorter than the first item
      {"AB", 0, "AB", "", "", 1},
      {"ABCD", cac_rc::kEndsInsideItem, "AB", "", "", 1},
      {"ABCDE", 0, "AB", "CDE", "", 2},
      {"ABCDEFG", 0, "AB", "CDE", "FG", 3},  // inside the last item
      {"ABCDEFGHI", 0, "AB", "CDE", "FGHI", 3},
      {"ABCDEFGHIJKL", 0, "AB", "CDE", "FGHI", 3},
      {"AB   FGHI", 0, "AB", "", "FGHI", 2},  // a blank item stores nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    const Walk w(c.body);
    EXPECT_EQ(w.code, c.code);
    EXPECT_EQ(w.field(field::cacData101), c.first);
    EXPECT_EQ(w.field(field::cacData102), c.second);
    EXPECT_EQ(w.field(field::cacData103), c.third);
    EXPECT_EQ(w.parser.contentItems, c.content);
  }
}

TEST(CardLayoutParser, UnusableWalkArguments) {
  const Walk usable("AB");
  CardLayoutParser parser = usable.parser;
  const char text[] = "ABC";
  EXPECT_EQ(cardWalkLayout(&parser, Span{text, 3}, nullptr, 3), cac_rc::kArgument);
  EXPECT_EQ(cardWalkLayout(&parser, Span{text, 3}, kThreeItems.data(), 0), cac_rc::kArgument);
  EXPECT_EQ(cardWalkLayout(&parser, Span{text, -1}, kThreeItems.data(), 3), cac_rc::kArgument);
  parser.storeItem = nullptr;
  EXPECT_EQ(cardWalkLayout(&parser, Span{text, 3}, kThreeItems.data(), 3), cac_rc::kArgument);
  EXPECT_EQ(cardRun(&parser, nullptr, 3), cac_rc::kArgument);
  EXPECT_EQ(cardRun(&parser, text, -1), cac_rc::kArgument);
}

TEST(CardLayoutParser, Base32Numbers) {
  struct Case {
    const char* digits;
    int32_t code;
    uint64_t value;
  } const cases[] = {
      {"00000A", 0, 10},
      {"000000", 0, 0},
      {"V", 0, 31},
      {"10", 0, 32},
      {"012345", 0, 1117317},
      {"VVVVVVV", 0, (uint64_t{1} << 35) - 1},
      {"A=====", 0, 10},  // '=' ends the number
      {"1=X", 0, 1},      // nothing after it is read
      {"W", -1, 0},       // outside the alphabet
      {"00 00A", -1, 0},
      {"a", -1, 0},
      {"======", -1, 0},  // no digit at all
      {"", -1, 0},
      {"0000000000001", -1, 0},  // more digits than a 60-bit value holds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    uint64_t value = 0;
    const std::string digits = c.digits;
    EXPECT_EQ(cardBase32Value(Span{digits.data(), static_cast<int32_t>(digits.size())}, &value), c.code);
    if (c.code == 0) {
      EXPECT_EQ(value, c.value);
    }
  }
}

TEST(CardLayoutParser, Base32DayCounts) {
  struct Case {
    const char* days;
    const char* stored;
  } const cases[] = {
      {"0000", "10000101"}, {"0001", "10000102"}, {"00BD", "10010101"},  // 365 days: 1000 is no leap year
      {"XXXX", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.days);
    std::vector<char> storage(256);
    FieldRecord record;
    recordAttachArena(&record, storage.data(), static_cast<int32_t>(storage.size()));
    CardLayoutParser parser;
    parser.record = &record;
    const LayoutItem item{.fieldId = field::issueDate, .width = 4, .position = 79, .form = ItemForm::base32Day};
    cardStoreBase32Item(&parser, item, Span{c.days, 4});
    const Span s = recordField(&record, field::issueDate);
    EXPECT_EQ(spanIsEmpty(s) ? "" : std::string(s.data, static_cast<size_t>(s.length)), c.stored);
  }
}

TEST(CardLayoutParser, NameListCutByTheEndOfTheArenaKeepsWhatFitted) {
  struct Case {
    int32_t arena;
    const char* stored;
  } const cases[] = {
      {4, "DOE"},    // no room for the separator: the text so far stays
      {5, "DOE,"},   // the separator's blank at the end is dropped
      {64, "DOE, JOHN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arena);
    std::vector<char> storage(static_cast<size_t>(c.arena));
    FieldRecord record;
    recordAttachArena(&record, storage.data(), c.arena);
    CardLayoutParser parser;
    parser.record = &record;
    const LayoutItem item{.fieldId = field::fullName, .width = 27, .position = 1, .form = ItemForm::nameList};
    const std::string name = "DOE JOHN                   ";
    cardStoreLayoutItem(&parser, item, Span{name.data(), 27});
    const Span s = recordField(&record, field::fullName);
    EXPECT_EQ(std::string(s.data, static_cast<size_t>(s.length)), c.stored);
  }
}

}  // namespace
}  // namespace tavrix::test
