#include <iterator>

#include "formats/aamva/aamva_reader.h"

namespace tavrix {
namespace {

// Where each header layout keeps its items; a row names only what differs
// from the standard 21-character header (see AamvaLayout) and its version
// range. The layout id is the format id of the variant that reads it; the two Canadian-style variants 45 and 46
// read row 42, so rows 45 and 46 are never asked for. Row 40 reads the
// version inside the issuer number and row 25 just after "AAMVA"; rows 20
// to 23 have a one-character version and row 47 no entry count.
constexpr AamvaLayout kAamvaLayouts[] = {
    {.formatId = 17, .maxVersion = 1, .headerLength = 19, .entryCountPos = 17},
    {.formatId = 18, .maxVersion = 1, .headerLength = 18, .iinPos = 8, .versionPos = 14, .entryCountPos = 16},
    {.formatId = 19, .maxVersion = 1, .headerLength = 19, .entryCountPos = 17},
    {.formatId = 20, .maxVersion = 0, .headerLength = 16, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 7, .versionPos = 13, .versionLength = 1, .entryCountPos = 14},
    {.formatId = 21, .maxVersion = 0, .headerLength = 17, .iinPos = 8, .versionPos = 14, .versionLength = 1, .entryCountPos = 15},
    {.formatId = 22, .maxVersion = 0, .headerLength = 17, .iinPos = 8, .versionPos = 14, .versionLength = 1, .entryCountPos = 15},
    {.formatId = 23, .maxVersion = 0, .headerLength = 17, .iinPos = 8, .versionPos = 14, .versionLength = 1, .entryCountPos = 15},
    {.formatId = 24, .maxVersion = 1, .headerLength = 19, .entryCountPos = 17},
    {.formatId = 25, .maxVersion = 1, .headerLength = 17, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 8, .versionPos = 9, .versionLength = 1, .entryCountPos = 15},
    {.formatId = 26, .maxVersion = 1, .headerLength = 18, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 8, .versionPos = 14, .entryCountPos = 16},
    {.formatId = 27, .maxVersion = 1},
    {.formatId = 28, .maxVersion = 1, .headerLength = 19, .entryCountPos = 17},
    {.formatId = 29, .maxVersion = 2},
    {.formatId = 30, .maxVersion = 2, .headerLength = 19, .entryCountPos = 17},
    {.formatId = 31, .maxVersion = 3},
    {.formatId = 32, .maxVersion = 3, .headerLength = 20, .recordSeparatorPos = 1, .segmentTerminatorPos = 2, .iinPos = 8, .versionPos = 14, .entryCountPos = 18},
    {.formatId = 33, .maxVersion = 3},
    {.formatId = 34, .maxVersion = 3},
    {.formatId = 35, .maxVersion = 3, .headerLength = 20, .iinPos = 8, .versionPos = 14, .entryCountPos = 18},
    {.formatId = 36, .maxVersion = 3},
    {.formatId = 37, .maxVersion = 4},
    {.formatId = 38, .maxVersion = 4, .headerLength = 20, .iinPos = 8, .versionPos = 14, .entryCountPos = 18},
    {.formatId = 39, .maxVersion = 5},
    {.formatId = 40, .maxVersion = 5, .headerLength = 19, .versionPos = 13, .entryCountPos = 17},
    {.formatId = 41, .maxVersion = 6},
    {.formatId = 42, .minVersion = 7, .maxVersion = 99},
    {.formatId = 43, .minVersion = 7, .maxVersion = 8, .headerLength = 20, .iinPos = 8, .versionPos = 14, .entryCountPos = 18},
    {.formatId = 44, .minVersion = 7, .maxVersion = 8, .headerLength = 19, .entryCountPos = 17},
    {.formatId = 45, .minVersion = 3, .maxVersion = 8},
    {.formatId = 46, .minVersion = 7, .maxVersion = 99},
    {.formatId = 47, .maxVersion = 12, .headerLength = 17, .entryCountPos = 0, .entryCountLength = 0},
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
  // The rows hold ids 17 to 47 in order (checked above).
  if (layoutId < 17 || layoutId > 47) return nullptr;
  return &kAamvaLayouts[layoutId - 17];
}

}  // namespace tavrix
