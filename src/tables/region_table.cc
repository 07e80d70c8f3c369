#include "tables/region_table.h"

namespace tavrix {

const char* countryOfRegion(Span code) {
  if (spanIsEmpty(code) || code.length != 2) return nullptr;
  for (const RegionRow& row : RegionTable) {
    if (row.code[0] == code.data[0] && row.code[1] == code.data[1] && row.code[2] == '\0') return row.country;
  }
  return nullptr;
}

}  // namespace tavrix
