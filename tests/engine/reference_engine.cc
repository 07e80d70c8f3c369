#include "engine/reference_engine.h"

#include <cstring>

#include "fields/field_ids.h"

namespace tavrix::test {
namespace {

int32_t decodeForRow(const FormatRow& row, const char* input, int32_t length, char* work, int32_t workCapacity,
                     int32_t* n) {
  *n = 0;
  const int32_t rc = row.decoder(input, length, work, workCapacity - 1, n);
  if (rc != VTX_OK) return rc;
  if (*n < 0) *n = 0;
  if (*n > workCapacity - 1) *n = workCapacity - 1;
  if (row.decoder != decodeVerbatim) upperCaseInPlace(work, *n);
  return VTX_OK;
}

void clearWholeRecord(FieldRecord* record) {
  record->documentClass = kNoDocumentClass;
  record->formatId = kNoFormatId;
  for (FieldSlot& slot : record->slots) slot = FieldSlot{};
  for (uint64_t& word : record->touched) word = 0;
  std::memset(record->arena.storage, 0, static_cast<size_t>(record->arena.capacity));
  record->arena.used = 0;
}

int32_t parse(const FormatRow& row, char* work, int32_t n, FieldRecord* record, const ParserHandle* context) {
  return row.editingParser != nullptr ? row.editingParser(work, n, record, context)
                                      : row.parser(work, n, record, context);
}

}  // namespace

int32_t referenceParseEngine(const FormatTable& table, const char* input, int32_t length, const EngineRoom& room,
                             const ParserHandle* context) {
  if (input == nullptr) return VTX_ERR_NO_DATA;
  char* work = room.work;
  const int32_t capacity = room.regionCapacity;
  FieldRecord* record = room.record;
  int32_t bestScore = -9999;
  int32_t bestRow = -1;
  for (int32_t r = 0; r < table.count; ++r) {
    const FormatRow& row = table.rows[r];
    int32_t n = 0;
    if (decodeForRow(row, input, length, work, capacity, &n) != VTX_OK) continue;
    clearWholeRecord(record);
    if (parse(row, work, n, record, context) != VTX_OK) continue;
    int32_t score = 0;
    for (const FieldSlot& slot : record->slots) score += (slot.data != nullptr && slot.length >= 1) ? 1 : 0;
    if (score == 0) continue;
    if ((row.expectedCountry != nullptr || row.expectedJurisdiction != nullptr) && table.adjust != nullptr) {
      score += table.adjust(record, &row, work, capacity - 1);
    }
    if (score > bestScore) {
      bestScore = score;
      bestRow = r;
    }
  }
  if (bestRow < 0) {
    recordMakePrintable(record);
    return VTX_ERR_UNRECOGNISED;
  }
  const FormatRow& best = table.rows[bestRow];
  int32_t n = 0;
  if (decodeForRow(best, input, length, work, capacity, &n) != VTX_OK) return VTX_ERR_UNRECOGNISED;
  clearWholeRecord(record);
  if (parse(best, work, n, record, context) != VTX_OK) return VTX_ERR_UNRECOGNISED;
  Span version;
  if (findAamvaVersion(work, n, &version) == VTX_OK) {
    recordSetField(record, field::aamvaVersionNumber, version, nullptr, nullptr, '\0');
  }
  record->documentClass = best.documentClass;
  record->formatId = best.formatId;
  recordMakePrintable(record);
  return VTX_OK;
}

}  // namespace tavrix::test
