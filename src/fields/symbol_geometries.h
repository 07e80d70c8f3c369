// The PDF417 symbol geometries each jurisdiction is known to print on its
// cards: rows, columns and error-correction level of the barcode symbol.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "engine/span.h"

namespace tavrix {

struct SymbolGeometry {
  uint8_t rows;
  uint8_t columns;
  uint8_t level;  // error-correction level
};

inline constexpr int32_t kMostGeometries = 5;

struct SymbolGeometryRow {
  const char* code;  // jurisdiction code
  int32_t count;
  SymbolGeometry geometries[kMostGeometries];
};

namespace geometry_table {

// Not constexpr: a row with too many geometries stops the build.
void tooManyGeometries();

consteval SymbolGeometryRow row(const char* code, std::initializer_list<SymbolGeometry> geometries) {
  if (geometries.size() > static_cast<size_t>(kMostGeometries)) tooManyGeometries();
  SymbolGeometryRow out{code, static_cast<int32_t>(geometries.size()), {}};
  int32_t i = 0;
  for (const SymbolGeometry& g : geometries) out.geometries[i++] = g;
  return out;
}

}  // namespace geometry_table

// Each triple is {rows, columns, level}.
inline constexpr SymbolGeometryRow SymbolGeometries[] = {
    geometry_table::row("AB", {{32, 16, 5}, {20, 15, 5}}),
    geometry_table::row("AK", {{25, 12, 3}}),
    geometry_table::row("AZ", {{32, 9, 4}, {16, 19, 5}}),
    geometry_table::row("AR", {{20, 20, 5}}),
    geometry_table::row("CA", {{34, 15, 5}}),
    geometry_table::row("CO", {{20, 16, 5}}),
    geometry_table::row("CT", {{17, 14, 5}}),
    geometry_table::row("DE", {{18, 14, 4}, {34, 15, 5}}),
    geometry_table::row("DC", {{20, 16, 5}, {26, 11, 5}}),
    geometry_table::row("FL", {{19, 15, 5}, {18, 15, 5}}),
    geometry_table::row("GA", {{33, 15, 5}}),
    geometry_table::row("HI", {{29, 12, 6}, {23, 11, 4}}),
    geometry_table::row("ID", {{23, 12, 5}}),
    geometry_table::row("IL", {{20, 12, 4}, {42, 12, 7}}),
    geometry_table::row("IN", {{42, 13, 5}}),
    geometry_table::row("IA", {{31, 15, 5}}),
    geometry_table::row("KS", {{20, 15, 5}, {21, 15, 5}, {22, 15, 5}, {23, 15, 5}, {24, 15, 5}}),
    geometry_table::row("LA", {{34, 9, 5}, {32, 10, 5}, {22, 15, 5}}),
    geometry_table::row("ME", {{37, 15, 7}, {37, 15, 6}}),
    geometry_table::row("MD", {{19, 13, 5}, {20, 12, 5}, {22, 14, 3}, {22, 14, 5}}),
    geometry_table::row("MA", {{33, 15, 5}, {20, 17, 5}, {22, 17, 5}}),
    geometry_table::row("MI", {{21, 17, 5}, {27, 14, 5}}),
    geometry_table::row("MN", {{10, 15, 5}}),
    geometry_table::row("MS", {{13, 18, 5}}),
    geometry_table::row("NE", {{32, 15, 5}}),
    geometry_table::row("NH", {{15, 14, 2}}),
    geometry_table::row("NM", {{29, 15, 5}, {25, 15, 5}}),
    geometry_table::row("NY", {{20, 20, 6}, {22, 21, 6}}),
    geometry_table::row("ND", {{17, 14, 4}}),
    geometry_table::row("OH", {{45, 15, 8}}),
    geometry_table::row("OK", {{19, 12, 4}, {20, 15, 5}, {22, 15, 5}}),
    geometry_table::row("OR", {{15, 17, 3}}),
    geometry_table::row("PA", {{17, 14, 5}}),
    geometry_table::row("RI", {{44, 14, 4}, {42, 14, 4}}),
    geometry_table::row("SC", {{14, 15, 4}}),
    geometry_table::row("SD", {{18, 15, 5}, {33, 15, 5}}),
    geometry_table::row("TN", {{22, 12, 5}}),
    geometry_table::row("TX", {{39, 15, 5}}),
    geometry_table::row("UT", {{39, 15, 5}}),
    geometry_table::row("VT", {{30, 15, 5}}),
    geometry_table::row("VA", {{21, 19, 5}}),
    geometry_table::row("WA", {{22, 19, 6}}),
    geometry_table::row("WV", {{31, 11, 5}}),
    geometry_table::row("WI", {{19, 15, 5}, {20, 15, 5}}),
    geometry_table::row("WY", {{30, 11, 5}}),
};
static_assert(std::size(SymbolGeometries) == 45, "symbol geometry row count");

// The row of an exactly two-character code (case-sensitive), or null.
const SymbolGeometryRow* symbolGeometryRowOf(Span code);

}  // namespace tavrix
