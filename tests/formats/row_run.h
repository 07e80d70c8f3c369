// Runs one registry row's decoder and parser on a text, as the engine does
// for every row, with a chosen parse time; the record is read back by
// field id. For the format families whose tests look at one row alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/parser_handle.h"
#include "engine/registry.h"
#include "formats/format_registry.h"

namespace tavrix::test {

struct RowRun {
  std::vector<char> arena;
  ParserHandle context;
  int32_t code = -999;

  RowRun(uint32_t formatId, const std::string& input, DateTime today = DateTime{2026, 6, 15, 12, 0, 0})
      : arena(4 * input.size() + 4096) {
    context.parseTime = today;
    recordAttachArena(&context.record, arena.data(), static_cast<int32_t>(arena.size()));
    const FormatTable table = formatRegistry();
    const FormatRow* row = nullptr;
    for (int32_t i = 0; i < table.count; ++i) {
      if (table.rows[i].formatId == formatId) row = &table.rows[i];
    }
    if (row == nullptr || row->parser == nullptr) return;
    std::vector<char> work(input.size() + 16);
    int32_t n = 0;
    if (row->decoder(input.data(), static_cast<int32_t>(input.size()), work.data(),
                     static_cast<int32_t>(work.size()) - 1, &n) != VTX_OK) {
      return;
    }
    if (row->decoder != decodeVerbatim) {
      for (int32_t i = 0; i < n; ++i) {
        if (work[i] >= 'a' && work[i] <= 'z') work[i] = static_cast<char>(work[i] - 'a' + 'A');
      }
    }
    // Exactly the decoded bytes: a parser that read past them would show
    // up under the address sanitizer.
    std::vector<char> text(work.begin(), work.begin() + n);
    code = row->parser(text.data(), n, &context.record, &context);
  }
  RowRun(const RowRun&) = delete;
  RowRun& operator=(const RowRun&) = delete;

  // The raw field text, "" when empty.
  std::string field(int32_t id) const {
    const Span s = recordField(&context.record, id);
    return s.data == nullptr || s.length < 1 ? std::string() : std::string(s.data, static_cast<size_t>(s.length));
  }
  int32_t filled() const { return recordFilledCount(&context.record); }
};

}  // namespace tavrix::test
