#include "fields/validation.h"

#include <gtest/gtest.h>

#include "fields/field_ids.h"
#include "fields/symbol_geometries.h"
#include "test_record.h"

namespace tavrix {
namespace {

using namespace field;
using test::TestRecord;

constexpr int32_t kUnknown = VTX_STATUS_UNKNOWN;
constexpr int32_t kValid = VTX_STATUS_VALID;
constexpr int32_t kInvalid = VTX_STATUS_INVALID;

TEST(JurisdictionVerdict, IssuerNumberAgainstCode) {
  struct Case {
    const char* issuer;        // field 0, null for none
    const char* jurisdiction;  // field 4, null for none
    int32_t verdict;
  };
  const Case cases[] = {
      {"636015", "TX", kValid},
      {"636015", "OK", kInvalid},
      {"636015", nullptr, kValid},    // the code falls back on the number itself
      {"604432", "AB", kValid},
      {"990876", "AB", kValid},       // Alberta's second number
      {"123456", "TX", kInvalid},     // outside both issuer blocks
      {"6360", "TX", kInvalid},       // too short to be read as a number
      {nullptr, "TX", kUnknown},
      {"636015", "TEX", kUnknown},    // not a two-letter code
      {"636015", "tx", kInvalid},     // codes compare exactly
      {nullptr, nullptr, kUnknown},
  };
  for (const Case& c : cases) {
    TestRecord r;
    if (c.issuer != nullptr) r.set(issuerIdNumber, c.issuer);
    if (c.jurisdiction != nullptr) r.set(addressJurisdictionCode, c.jurisdiction);
    EXPECT_EQ(validateJurisdictionCode(&r.record), c.verdict)
        << (c.issuer ? c.issuer : "-") << " " << (c.jurisdiction ? c.jurisdiction : "-");
  }
  EXPECT_EQ(validateJurisdictionCode(nullptr), VTX_ERR_ARGUMENT);
}

TEST(GeometryVerdict, TableRows) {
  // Every listed geometry is valid for its own jurisdiction.
  for (const SymbolGeometryRow& row : SymbolGeometries) {
    TestRecord r{{addressJurisdictionCode, row.code}};
    ASSERT_GE(row.count, 1) << row.code;
    for (int32_t i = 0; i < row.count; ++i) {
      const SymbolGeometry& g = row.geometries[i];
      EXPECT_EQ(validateSymbolGeometry(&r.record, g.columns, g.rows, g.level), kValid) << row.code;
    }
  }
  EXPECT_EQ(symbolGeometryRowOf(Span{"GM", 2}), nullptr);
  EXPECT_EQ(symbolGeometryRowOf(Span{"C", 1}), nullptr);
}

TEST(GeometryVerdict, Verdicts) {
  struct Case {
    const char* jurisdiction;
    int32_t columns, rows, level;
    int32_t verdict;
  };
  const Case cases[] = {
      {"CA", 15, 34, 5, kValid},
      {"CA", 15, 34, 4, kInvalid},
      {"CA", 34, 15, 5, VTX_ERR_ARGUMENT},  // columns and rows swapped: 34 columns is out of range
      {"KS", 15, 24, 5, kValid},             // the fifth triple of the longest row
      {"KS", 15, 25, 5, kInvalid},
      {"PR", 15, 34, 5, kUnknown},           // no row for the jurisdiction
      {"CAL", 15, 34, 5, kUnknown},
      {"ca", 15, 34, 5, kUnknown},
  };
  for (const Case& c : cases) {
    TestRecord r{{addressJurisdictionCode, c.jurisdiction}};
    EXPECT_EQ(validateSymbolGeometry(&r.record, c.columns, c.rows, c.level), c.verdict) << c.jurisdiction;
  }
  TestRecord none;
  EXPECT_EQ(validateSymbolGeometry(&none.record, 15, 34, 5), kUnknown);
}

TEST(GeometryVerdict, ArgumentRanges) {
  TestRecord r{{addressJurisdictionCode, "TX"}};
  struct Range {
    int32_t columns, rows, level;
    bool inRange;
  };
  const Range ranges[] = {
      {3, 3, 0, true},   {33, 90, 8, true},  {2, 20, 5, false},  {34, 20, 5, false},
      {15, 2, 5, false}, {15, 91, 5, false}, {15, 20, -1, false}, {15, 20, 9, false},
      {-2147483647 - 1, 20, 5, false},
  };
  for (const Range& g : ranges) {
    const int32_t verdict = validateSymbolGeometry(&r.record, g.columns, g.rows, g.level);
    if (g.inRange) {
      EXPECT_EQ(verdict, kInvalid) << g.columns << " " << g.rows << " " << g.level;
    } else {
      EXPECT_EQ(verdict, VTX_ERR_ARGUMENT) << g.columns << " " << g.rows << " " << g.level;
    }
  }
  EXPECT_EQ(validateSymbolGeometry(nullptr, 15, 39, 5), VTX_ERR_ARGUMENT);
}

}  // namespace
}  // namespace tavrix
