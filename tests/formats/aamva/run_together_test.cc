// Elements run together: where a subfile without separators is split, and
// where a value that happens to hold an element id keeps it.
#include "formats/aamva/run_together.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/aamva/element_maps.h"

namespace tavrix {
namespace {

// The elements a token splits into ("" joined by "|"), or "-" when it
// stays whole.
std::string split(const std::string& token, ElementMapId mapId) {
  const std::vector<char> bytes(token.begin(), token.end());  // exactly sized: a read past it is a finding
  const ElementMap map = elementMap(mapId);
  Span elements[kRunTogetherMaxElements];
  const int32_t count = aamvaSplitRunTogether(Span{bytes.data(), static_cast<int32_t>(bytes.size())}, map.pairs,
                                              map.count, elements, kRunTogetherMaxElements);
  if (count == 0) return "-";
  std::string out;
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) out += '|';
    out.append(elements[i].data, static_cast<size_t>(elements[i].length));
  }
  return out;
}

TEST(RunTogether, SplitsWherePlausibleAndKeepsValuesThatHoldIds) {
  struct Case {
    const char* what;
    const char* token;
    ElementMapId map;
    const char* elements;
  } const cases[] = {
      {"a 2000 subfile with padded fixed-width values and a jurisdiction subfile after it",
       "DAADOE,JOHNDAG5929 N ROCK STDAJFLDAK44556-     DAQJ641720820450DARI   DAS   DBA20210108DBB19770208DBC1"
       "DAU600ZFZFAREPLACED",
       ElementMapId::y2000,
       "DAADOE,JOHN|DAG5929 N ROCK ST|DAJFL|DAK44556-     |DAQJ641720820450|DARI   |DAS   |DBA20210108|DBB19770208|"
       "DBC1|DAU600"},
      {"a name that begins with an element id", "DCSDAGOSTINODACJOHNDAG1 MAIN ST", ElementMapId::y2014,
       "DCSDAGOSTINO|DACJOHN|DAG1 MAIN ST"},
      {"an id inside a name, followed by punctuation", "DAAENGLAND,ADAM,N,DAG200 MAIN ST", ElementMapId::y2000,
       "DAAENGLAND,ADAM,N,|DAG200 MAIN ST"},
      {"an id in a street that begins no postal code", "DAG1 DAKOTA AVEDAIPIERREDAK57501", ElementMapId::y2014,
       "DAG1 DAKOTA AVE|DAIPIERRE|DAK57501"},
      {"a date holds 8 digits: the next id may come from another edition", "DBB19800115DDK1", ElementMapId::y2011,
       "DBB19800115|DDK1"},
      {"an id the map lacks gives way to an overlapping one it has", "DAASMITH,3RDDAG60 STATE ST", ElementMapId::y2003,
       "DAASMITH,3RD|DAG60 STATE ST"},
      {"an id not in the map is a boundary when nothing overlaps it", "DAQ38884194DCF18613490088DCGUSA",
       ElementMapId::y2003, "DAQ38884194|DCF18613490088|DCGUSA"},
      {"an element occurs once", "DAQ1DCSSMITHDCSJONES", ElementMapId::y2014, "DAQ1|DCSSMITHDCSJONES"},
      {"a date value that is not 8 digits ends no element", "DBB1980011DCSSMITH", ElementMapId::y2014, "-"},
      {"a height with its unit, an empty last element", "DAU 65 INDAZBLKDCU", ElementMapId::y2003,
       "DAU 65 IN|DAZBLK|DCU"},
      {"one element only", "DCSSMITH", ElementMapId::y2014, "-"},
      {"shorter than an id", "DC", ElementMapId::y2014, "-"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(split(c.token, c.map), c.elements) << c.what;
  }
}

}  // namespace
}  // namespace tavrix
