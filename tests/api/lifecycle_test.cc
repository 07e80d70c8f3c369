#include <gtest/gtest.h>

#include <string>

#include "api/diagnostics.h"
#include "api/getter.h"
#include "api/lifecycle.h"
#include "answer_report.h"
#include "engine/parser_handle.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

int32_t fixedClock(DateTime* now) {
  *now = DateTime{2031, 7, 4, 12, 30, 5};
  return 0;
}

struct Handle {
  ParserHandle* h = static_cast<ParserHandle*>(VTX_create());
  ~Handle() { VTX_delete(h); }
};

// A bad length or handle changes nothing; null data still stamps the time
// and allocates.
TEST(Lifecycle, BadArgumentsAndNullData) {
  Handle handle;
  handle.h->clock = fixedClock;
  EXPECT_EQ(VTX_parse(handle.h, "abc", 0), VTX_ERR_ARGUMENT);
  EXPECT_EQ(VTX_parse(handle.h, "abc", -5), VTX_ERR_ARGUMENT);
  EXPECT_EQ(VTX_parse(nullptr, "abc", 3), VTX_ERR_ARGUMENT);
  EXPECT_EQ(handle.h->parseTime.year, 0);
  EXPECT_EQ(handle.h->workBuffer, nullptr);
  EXPECT_EQ(handle.h->arenaCapacity, 0);
  EXPECT_EQ(VTX_parse(handle.h, nullptr, 10), VTX_ERR_NO_DATA);
  EXPECT_EQ(handle.h->parseTime.year, 2031);
  EXPECT_EQ(handle.h->parseTime.second, 5);
  EXPECT_NE(handle.h->workBuffer, nullptr);
  EXPECT_EQ(handle.h->workCapacity, 8192 * kWorkRegions);
}

// Buffers grow only for a longer input and are reused for shorter ones;
// what a parse works with is sized from its own input, so a grown handle
// answers exactly as a fresh one.
TEST(Lifecycle, BuffersGrowOnlyForLongerInputAndAnswersStayTheSame) {
  Handle handle;
  const std::string licence = "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DLDAQD1234562\nDCSSAMPLE\nDACJOHN\n";
  const std::string large(20000, 'y');
  ASSERT_EQ(VTX_parse(handle.h, licence.data(), static_cast<int32_t>(licence.size())), VTX_OK);
  const std::string fresh = tavrix_tool::answerReport(handle.h, VTX_OK);
  EXPECT_EQ(handle.h->workCapacity, 8192 * kWorkRegions);
  EXPECT_EQ(handle.h->arenaCapacity, 2 * 8192);
  VTX_parse(handle.h, large.data(), 20000);
  EXPECT_EQ(handle.h->workCapacity, workSizeFor(20000) * kWorkRegions);
  EXPECT_EQ(handle.h->arenaCapacity, 2 * arenaSizeFor(20000));
  const char* kept = handle.h->workBuffer;
  ASSERT_EQ(VTX_parse(handle.h, licence.data(), static_cast<int32_t>(licence.size())), VTX_OK);
  EXPECT_EQ(handle.h->workCapacity, workSizeFor(20000) * kWorkRegions);
  EXPECT_EQ(handle.h->workBuffer, kept);
  EXPECT_EQ(handle.h->record.arena.storage, handle.h->arenaBuffer);
  EXPECT_EQ(tavrix_tool::answerReport(handle.h, VTX_OK), fresh);
}

TEST(Lifecycle, UnknownTextIsUnrecognised) {
  Handle handle;
  const char text[] = "this text follows no document format";
  EXPECT_EQ(VTX_parse(handle.h, text, sizeof text - 1), VTX_ERR_UNRECOGNISED);
  ParseDiagnostics diag{};
  ASSERT_EQ(diagnosticsOf(handle.h, &diag), 0);
  EXPECT_EQ(diag.formatId, 68u);
  EXPECT_EQ(diag.documentClass, 6u);
}

int32_t storeTwoFields(const char* t, int32_t n, FieldRecord* r, const ParserHandle* context) {
  recordSetField(r, 1, Span{t, n}, nullptr, nullptr, 0);
  // Parsers see the handle's parse time as today.
  const DateTime today = parseTimeOf(context);
  recordSetDate(r, 13, &today);
  return 0;
}

TEST(Lifecycle, ParseRunsTheEngineWithTheHandleAsContext) {
  Handle handle;
  handle.h->clock = fixedClock;
  const FormatRow rows[] = {{2, 48, decodeVerbatim, storeTwoFields, nullptr, nullptr}};
  ASSERT_EQ(parseWithRegistry(handle.h, FormatTable{rows, 1, nullptr}, "Doc", 3), 0);
  Span s;
  ASSERT_EQ(diagnosticField(handle.h, 13, &s), 0);
  EXPECT_EQ(std::string(s.data, 8), "20310704");
  EXPECT_EQ(diagnosticField(handle.h, 2, &s), VTX_ERR_NOT_AVAILABLE);
  EXPECT_EQ(diagnosticField(handle.h, 140, &s), VTX_ERR_ARGUMENT);
}

int32_t echoAccessor(const ParserHandle& h, char* buffer, int32_t capacity) {
  return copyValueOut(buffer, capacity, recordField(&h.record, 1));
}

// Bad arguments and a fresh handle are refused for every getter-table row
// elsewhere; here the cut to capacity - 1 characters, down to "" at capacity 1.
TEST(GetterConvention, ValuesAreCutToTheCapacity) {
  Handle handle;
  char buffer[8];
  const FormatRow rows[] = {{2, 48, decodeVerbatim, storeTwoFields, nullptr, nullptr}};
  ASSERT_EQ(parseWithRegistry(handle.h, FormatTable{rows, 1, nullptr}, "LONGVALUE", 9), 0);
  EXPECT_EQ(runTextGetter(handle.h, buffer, 5, echoAccessor), 0);
  EXPECT_STREQ(buffer, "LONG");
  EXPECT_EQ(runTextGetter(handle.h, buffer, 1, echoAccessor), 0);
  EXPECT_STREQ(buffer, "");
}

}  // namespace
}  // namespace tavrix
