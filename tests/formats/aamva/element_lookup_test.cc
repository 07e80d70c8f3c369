#include "formats/aamva/element_lookup.h"

#include <gtest/gtest.h>

#include <vector>

#include "formats/aamva/element_maps.h"

namespace tavrix {
namespace {

// The pairs of `code` in map order, as the plain scan of the map finds them.
std::vector<int32_t> scanned(const ElementMap& map, uint32_t code) {
  std::vector<int32_t> pairs;
  for (int32_t i = 0; i < map.count; ++i) {
    if (map.pairs[i].code == code) pairs.push_back(i);
  }
  return pairs;
}

std::vector<int32_t> looked(const ElementLookup& lookup, uint32_t code) {
  std::vector<int32_t> pairs;
  for (int32_t i = lookup.firstOf(code); i >= 0; i = lookup.nextOf(i)) pairs.push_back(i);
  return pairs;
}

TEST(ElementLookup, TheLookupsBuiltInAdvanceAnswerAsTheMapsThemselves) {
  for (ElementMapId id : {ElementMapId::y2000, ElementMapId::y2003, ElementMapId::y2009, ElementMapId::y2011,
                          ElementMapId::y2014}) {
    const ElementMap map = elementMap(id);
    const ElementLookup* prebuilt = elementMapLookup(map.pairs, map.count);
    ASSERT_NE(prebuilt, nullptr);
    const ElementLookup built(map.pairs, map.count);
    // Every id of the map, and some that no map has.
    std::vector<uint32_t> codes{aamvaElementCode('D', 'O', 'E'), aamvaElementCode('Z', 'Z', 'Z'), 0};
    for (int32_t i = 0; i < map.count; ++i) codes.push_back(map.pairs[i].code);
    for (uint32_t code : codes) {
      EXPECT_EQ(looked(*prebuilt, code), scanned(map, code));
      EXPECT_EQ(looked(built, code), scanned(map, code));
    }
  }
  // A map of its own (a shorter copy) has no lookup built in advance.
  const ElementMap map = elementMap(ElementMapId::y2014);
  EXPECT_EQ(elementMapLookup(map.pairs, map.count - 1), nullptr);
}

TEST(ElementLookup, IdNumbersCoverExactlyTheKnownIds) {
  EXPECT_GE(aamvaElementIdIndex("DAQ"), 0);
  EXPECT_GE(aamvaElementIdIndex("PAF"), 0);
  EXPECT_EQ(aamvaElementIdIndex("DOE"), -1);
  EXPECT_EQ(aamvaElementIdIndex("daq"), -1);
  EXPECT_EQ(aamvaElementIdIndex("ZAA"), -1);
  EXPECT_NE(aamvaElementIdIndex("DAQ"), aamvaElementIdIndex("DAG"));
  EXPECT_EQ(aamvaElementCodeIndex(aamvaElementCode('D', 'C', 'S')), aamvaElementIdIndex("DCS"));
}

}  // namespace
}  // namespace tavrix
