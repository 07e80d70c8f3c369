#include <iterator>

#include "formats/aamva/aamva_reader.h"

namespace tavrix {
namespace {

// Where each header layout keeps its items. The layout id is the format id
// of the variant that reads it; the two Canadian-style variants 45 and 46
// read row 42, so rows 45 and 46 are never asked for. Row 40 reads the
// version inside the issuer number and row 25 just after "AAMVA"; rows 20
// to 23 have a one-character version and row 47 no entry count.
constexpr AamvaLayout kAamvaLayouts[] = {
    {.formatId = 17, .minVersion = 0, .maxVersion = 1, .headerLength = 19, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 17, .entryCountLength = 2},
    {.formatId = 18, .minVersion = 0, .maxVersion = 1, .headerLength = 18, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 2, .entryCountPos = 16, .entryCountLength = 2},
    {.formatId = 19, .minVersion = 0, .maxVersion = 1, .headerLength = 19, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 17, .entryCountLength = 2},
    {.formatId = 20, .minVersion = 0, .maxVersion = 0, .headerLength = 16, .elementSeparatorPos = 1, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 7, .iinLength = 6, .versionPos = 13, .versionLength = 1, .entryCountPos = 14, .entryCountLength = 2},
    {.formatId = 21, .minVersion = 0, .maxVersion = 0, .headerLength = 17, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 1, .entryCountPos = 15, .entryCountLength = 2},
    {.formatId = 22, .minVersion = 0, .maxVersion = 0, .headerLength = 17, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 1, .entryCountPos = 15, .entryCountLength = 2},
    {.formatId = 23, .minVersion = 0, .maxVersion = 0, .headerLength = 17, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 1, .entryCountPos = 15, .entryCountLength = 2},
    {.formatId = 24, .minVersion = 0, .maxVersion = 1, .headerLength = 19, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 17, .entryCountLength = 2},
    {.formatId = 25, .minVersion = 0, .maxVersion = 1, .headerLength = 17, .elementSeparatorPos = 1, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 8, .iinLength = 6, .versionPos = 9, .versionLength = 1, .entryCountPos = 15, .entryCountLength = 2},
    {.formatId = 26, .minVersion = 0, .maxVersion = 1, .headerLength = 18, .elementSeparatorPos = 1, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 2, .entryCountPos = 16, .entryCountLength = 2},
    {.formatId = 27, .minVersion = 0, .maxVersion = 1, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 28, .minVersion = 0, .maxVersion = 1, .headerLength = 19, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 17, .entryCountLength = 2},
    {.formatId = 29, .minVersion = 0, .maxVersion = 2, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 30, .minVersion = 0, .maxVersion = 2, .headerLength = 19, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 17, .entryCountLength = 2},
    {.formatId = 31, .minVersion = 0, .maxVersion = 3, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 32, .minVersion = 0, .maxVersion = 3, .headerLength = 20, .elementSeparatorPos = 1, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 2, .entryCountPos = 18, .entryCountLength = 2},
    {.formatId = 33, .minVersion = 0, .maxVersion = 3, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 34, .minVersion = 0, .maxVersion = 3, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 35, .minVersion = 0, .maxVersion = 3, .headerLength = 20, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 2, .entryCountPos = 18, .entryCountLength = 2},
    {.formatId = 36, .minVersion = 0, .maxVersion = 3, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 37, .minVersion = 0, .maxVersion = 4, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 38, .minVersion = 0, .maxVersion = 4, .headerLength = 20, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 2, .entryCountPos = 18, .entryCountLength = 2},
    {.formatId = 39, .minVersion = 0, .maxVersion = 5, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 40, .minVersion = 0, .maxVersion = 5, .headerLength = 19, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 13, .versionLength = 2, .entryCountPos = 17, .entryCountLength = 2},
    {.formatId = 41, .minVersion = 0, .maxVersion = 6, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 42, .minVersion = 7, .maxVersion = 99, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 43, .minVersion = 7, .maxVersion = 8, .headerLength = 20, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 8, .iinLength = 6, .versionPos = 14, .versionLength = 2, .entryCountPos = 18, .entryCountLength = 2},
    {.formatId = 44, .minVersion = 7, .maxVersion = 8, .headerLength = 19, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 17, .entryCountLength = 2},
    {.formatId = 45, .minVersion = 3, .maxVersion = 8, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 46, .minVersion = 7, .maxVersion = 99, .headerLength = 21, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 19, .entryCountLength = 2},
    {.formatId = 47, .minVersion = 0, .maxVersion = 12, .headerLength = 17, .elementSeparatorPos = 1, .recordSeparatorPos = 2, .segmentTerminatorPos = 3, .iinPos = 9, .iinLength = 6, .versionPos = 15, .versionLength = 2, .entryCountPos = 0, .entryCountLength = 0},
};
static_assert(std::size(kAamvaLayouts) == 31, "one layout row per id 17 to 47");

constexpr bool layoutIdsRunInOrder() {
  for (size_t i = 0; i < std::size(kAamvaLayouts); ++i) {
    if (kAamvaLayouts[i].formatId != static_cast<int32_t>(17 + i)) return false;
  }
  return true;
}
static_assert(layoutIdsRunInOrder(), "layout rows hold ids 17 to 47 in order");

}  // namespace

const AamvaLayout* aamvaLayoutRow(int32_t layoutId) {
  for (const AamvaLayout& row : kAamvaLayouts) {
    if (row.formatId == layoutId) return &row;
  }
  return nullptr;
}

}  // namespace tavrix
