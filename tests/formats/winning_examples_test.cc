// Every registry row wins on its own example, through VTX_parse, with the
// values that tell it apart.
#include "formats/winning_examples.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "api/diagnostics.h"
#include "engine/ascii_classes.h"
#include "engine/parser_handle.h"
#include "formats/format_registry.h"
#include "tavrix_parser.h"

namespace tavrix::test {
namespace {

std::vector<WinningExample> allExamples() {
  std::vector<WinningExample> all;
  for (auto family : {stripeWinningExamples, aamvaWinningExamples, healthCardWinningExamples, cacWinningExamples,
                      nationalWinningExamples, zoneWinningExamples}) {
    for (WinningExample& e : family()) all.push_back(std::move(e));
  }
  return all;
}

int32_t exampleDay(DateTime* now) {
  *now = DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

std::string fieldText(const FieldRecord& record, field::Id id) {
  const Span s = recordField(&record, id);
  return std::string(s.data == nullptr ? "" : s.data, static_cast<size_t>(s.length > 0 ? s.length : 0));
}

const FormatRow* rowOf(uint32_t formatId) {
  const FormatTable table = formatRegistry();
  for (int32_t i = 0; i < table.count; ++i) {
    if (table.rows[i].formatId == formatId) return &table.rows[i];
  }
  return nullptr;
}

// The row's own parser on its decoded text, as the engine runs it.
int32_t runRowDirectly(const FormatRow& row, const std::string& text, ParserHandle* handle) {
  std::vector<char> work(text.size() * 2 + 16);
  int32_t n = 0;
  if (row.decoder(text.data(), static_cast<int32_t>(text.size()), work.data(), static_cast<int32_t>(work.size()) - 1,
                  &n) != VTX_OK) {
    return -1;
  }
  if (row.decoder != decodeVerbatim) {
    for (int32_t i = 0; i < n; ++i) work[i] = asciiUpper(work[i]);
  }
  recordClear(&handle->record);
  return row.editingParser != nullptr ? row.editingParser(work.data(), n, &handle->record, handle)
                                      : row.parser(work.data(), n, &handle->record, handle);
}

TEST(WinningExamples, EveryRowHasExactlyOneExample) {
  std::map<uint32_t, int> count;
  for (const WinningExample& e : allExamples()) ++count[e.formatId];
  const FormatTable table = formatRegistry();
  for (int32_t i = 0; i < table.count; ++i) {
    const FormatRow& row = table.rows[i];
    EXPECT_NE(row.decoder, nullptr) << "format " << row.formatId;
    EXPECT_NE(row.parser == nullptr, row.editingParser == nullptr) << "format " << row.formatId << ": one parser";
    EXPECT_EQ(count[table.rows[i].formatId], 1) << "format " << table.rows[i].formatId;
    count.erase(table.rows[i].formatId);
  }
  EXPECT_TRUE(count.empty()) << "an example for a format id the registry does not hold";
}

TEST(WinningExamples, EachRowWinsItsExample) {
  for (const WinningExample& e : allExamples()) {
    SCOPED_TRACE("format " + std::to_string(e.formatId));
    auto* handle = static_cast<ParserHandle*>(VTX_create());
    handle->clock = exampleDay;
    ASSERT_EQ(VTX_parse(handle, e.text.data(), static_cast<int32_t>(e.text.size())), VTX_OK);
    const bool tie = e.tiesWith != kNoFormatId;
    EXPECT_EQ(handle->record.formatId, tie ? e.tiesWith : e.formatId);
    const FormatRow* row = rowOf(e.formatId);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(handle->record.documentClass, tie ? rowOf(e.tiesWith)->documentClass : row->documentClass);
    if (tie) {
      // The earlier row's record, then the row's own one.
      const FieldRecord winner = handle->record;
      ASSERT_EQ(runRowDirectly(*row, e.text, handle), VTX_OK);
      EXPECT_EQ(recordFilledCount(&handle->record), recordFilledCount(&winner));
    }
    for (const auto& [id, value] : e.fields) {
      EXPECT_EQ(fieldText(handle->record, id), value) << field::nameOf(id);
    }
    VTX_delete(handle);
  }
}

// Every example text is also a file, examples/formats/format-NN.txt, so
// that the tool, the golden outputs and the format reference can use it.
// TAVRIX_WRITE_EXAMPLES=1 writes the files after a change of the table.
TEST(WinningExamples, EachExampleIsAlsoAFile) {
  const std::filesystem::path dir = TAVRIX_SOURCE_DIR "/examples/formats";
  const bool write = std::getenv("TAVRIX_WRITE_EXAMPLES") != nullptr;
  for (const WinningExample& e : allExamples()) {
    char name[32];
    std::snprintf(name, sizeof name, "format-%02u.txt", e.formatId);
    const std::filesystem::path file = dir / name;
    if (write) {
      std::filesystem::create_directories(dir);
      std::ofstream(file, std::ios::binary) << e.text;
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in) << file << " is missing; run the tests with TAVRIX_WRITE_EXAMPLES=1";
    const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(stored, e.text) << file << " differs from the example table";
  }
}

}  // namespace
}  // namespace tavrix::test
