// docs/formats.md agrees with the registry: every row in registry order with
// its class, format id, decoder and expectations, the format name the
// format stores, and an example text that the format wins.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "api/diagnostics.h"
#include "engine/parser_handle.h"
#include "fields/field_ids.h"
#include "formats/format_registry.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

// The cells of a table line; "\|" is a bar inside a cell.
std::vector<std::string> cells(const std::string& line) {
  std::vector<std::string> out;
  std::string cell;
  for (size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '|') {
      cell += '|';
      ++i;
    } else if (line[i] == '|') {
      const size_t a = cell.find_first_not_of(' ');
      const size_t b = cell.find_last_not_of(' ');
      out.push_back(a == std::string::npos ? "" : cell.substr(a, b - a + 1));
      cell.clear();
    } else {
      cell += line[i];
    }
  }
  return out;
}

std::string decoderName(Decoder d) {
  if (d == decodeNormalized) return "`decodeNormalized`";
  if (d == decodeVerbatim) return "`decodeVerbatim`";
  if (d == decodeNormalizedPrintable) return "`decodeNormalizedPrintable`";
  if (d == decodeFoldLatin1) return "`decodeFoldLatin1`";
  if (d == decodeMrzText) return "`decodeMrzText`";
  return "?";
}

std::string orDash(const char* text) { return text != nullptr ? text : "-"; }

int32_t referenceDay(DateTime* now) {
  *now = DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

TEST(FormatsDoc, AgreesWithTheRegistry) {
  std::ifstream in(TAVRIX_SOURCE_DIR "/docs/formats.md");
  ASSERT_TRUE(in);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.size() > 2 && line[0] == '|' && line[2] >= '0' && line[2] <= '9') rows.push_back(cells(line));
  }
  const FormatTable table = formatRegistry();
  ASSERT_EQ(static_cast<int32_t>(rows.size()), table.count);
  for (int32_t i = 0; i < table.count; ++i) {
    const FormatRow& row = table.rows[i];
    const std::vector<std::string>& c = rows[static_cast<size_t>(i)];
    SCOPED_TRACE("row " + std::to_string(i));
    ASSERT_EQ(c.size(), 9u);
    EXPECT_EQ(c[0], std::to_string(i));
    EXPECT_EQ(c[1], std::to_string(row.documentClass));
    EXPECT_EQ(c[2], std::to_string(row.formatId));
    EXPECT_EQ(c[3], decoderName(row.decoder));
    EXPECT_EQ(c[4], orDash(row.expectedCountry));
    EXPECT_EQ(c[5], orDash(row.expectedJurisdiction));
    // The example: "[name](../examples/formats/name)".
    const size_t open = c[8].find('(');
    ASSERT_NE(open, std::string::npos);
    const std::string path = TAVRIX_SOURCE_DIR "/docs/" + c[8].substr(open + 1, c[8].size() - open - 2);
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto* handle = static_cast<ParserHandle*>(VTX_create());
    handle->clock = referenceDay;
    ASSERT_EQ(VTX_parse(handle, text.data(), static_cast<int32_t>(text.size())), VTX_OK);
    ParseDiagnostics diag{};
    ASSERT_EQ(diagnosticsOf(handle, &diag), VTX_OK);
    EXPECT_EQ(diag.formatId, row.formatId) << "the example is won by another format";
    Span name{};
    const bool stored = diagnosticField(handle, field::formatName, &name) == VTX_OK;
    const std::string nameText = stored ? std::string(name.data, static_cast<size_t>(name.length)) : "-";
    if (c[6] == "built from the text") {
      EXPECT_TRUE(stored);
    } else {
      EXPECT_EQ(c[6], nameText);
    }
    VTX_delete(handle);
  }
}

}  // namespace
}  // namespace tavrix
