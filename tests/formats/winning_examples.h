// One example text per registry row that makes that row win, with the raw
// field values that tell the row apart from its neighbours (its element map,
// separators, header layout, post-check, format name). Each format family
// keeps its examples in a table of its own; one test runs them all and
// checks that every registry row has exactly one.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/record.h"
#include "fields/field_ids.h"

namespace tavrix::test {

struct WinningExample {
  uint32_t formatId;
  std::string text;
  // Raw fields by id and their exact text; "" means the field must be empty.
  std::vector<std::pair<field::Id, std::string>> fields;
  // A row that an earlier row always ties with (ties go to the earlier row)
  // names that row here: the example then shows the tie through VTX_parse,
  // and `fields` are checked on a direct run of the row's own parser.
  uint32_t tiesWith = kNoFormatId;
};

std::vector<WinningExample> aamvaWinningExamples();
std::vector<WinningExample> stripeWinningExamples();
std::vector<WinningExample> healthCardWinningExamples();
std::vector<WinningExample> cacWinningExamples();
std::vector<WinningExample> nationalWinningExamples();
std::vector<WinningExample> zoneWinningExamples();

}  // namespace tavrix::test
