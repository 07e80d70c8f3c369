#include "engine/engine.h"

#include <cstring>

#include "engine/ascii_classes.h"
#include "fields/field_ids.h"

namespace tavrix {
namespace {

void upperCaseInPlace(char* text, int32_t length) {
  for (int32_t i = 0; i < length; ++i) text[i] = asciiUpper(text[i]);
}

// Decodes the input for one row into the work buffer. Only the verbatim
// decoder keeps the letter case of its output.
int32_t decodeForRow(const FormatRow& row, const char* input, int32_t length, char* work, int32_t workCapacity,
                     int32_t* decodedLength) {
  int32_t n = 0;
  const int32_t rc = row.decoder(input, length, work, workCapacity - 1, &n);
  if (rc != VTX_OK) return rc;
  if (n < 0) n = 0;
  if (n > workCapacity - 1) n = workCapacity - 1;
  if (row.decoder != decodeVerbatim) upperCaseInPlace(work, n);
  *decodedLength = n;
  return VTX_OK;
}

// After the final parse every field byte is printable ASCII: control
// bytes and bytes from 0x80 up become spaces. A NUL inside a field's own
// extent (a verbatim input may carry one) would cut the value short for C
// and Java callers, so it becomes a space too; the NUL after each text stays.
void makePrintable(FieldRecord* record) {
  TextArena& arena = record->arena;
  for (int32_t i = 0; i < arena.used; ++i) {
    const int c = byteOf(arena.storage[i]);
    if (c != 0 && (c < 0x20 || c > 0x7E)) arena.storage[i] = ' ';
  }
  for (FieldSlot& slot : record->slots) {
    if (slot.data == nullptr || slot.length < 1) continue;
    char* text = arena.storage + (slot.data - arena.storage);
    for (int32_t i = 0; i < slot.length; ++i) {
      if (text[i] == '\0') text[i] = ' ';
    }
  }
}

int32_t runParser(const FormatRow& row, char* work, int32_t length, FieldRecord* record,
                  const ParserHandle* context) {
  return row.editingParser != nullptr ? row.editingParser(work, length, record, context)
                                      : row.parser(work, length, record, context);
}

}  // namespace

int32_t runParseEngine(const FormatTable& table, const char* input, int32_t length, char* work,
                       int32_t workCapacity, FieldRecord* record, const ParserHandle* context) {
  if (input == nullptr) return VTX_ERR_NO_DATA;
  if (length < 1) return VTX_ERR_NO_LENGTH;
  if (work == nullptr || workCapacity < 1 || record == nullptr) return VTX_ERR_ARGUMENT;
  if (record->arena.storage == nullptr || record->arena.capacity < 1) return VTX_ERR_NO_STORAGE;

  int32_t bestScore = -9999;
  int32_t bestRow = -1;
  // Consecutive rows mostly share a decoder; the work buffer keeps the last
  // decoded text until the scoring step borrows it as scratch.
  Decoder cachedDecoder = nullptr;
  int32_t cachedLength = 0;

  for (int32_t r = 0; r < table.count; ++r) {
    const FormatRow& row = table.rows[r];
    if (row.decoder == nullptr || (row.parser == nullptr) == (row.editingParser == nullptr)) continue;
    int32_t n = 0;
    if (cachedDecoder == row.decoder) {
      n = cachedLength;
    } else {
      cachedDecoder = nullptr;
      if (decodeForRow(row, input, length, work, workCapacity, &n) != VTX_OK) continue;
      cachedDecoder = row.decoder;
      cachedLength = n;
    }
    recordClear(record);
    // A row that edits the text leaves a decoding the next row must not see.
    if (row.editingParser != nullptr) cachedDecoder = nullptr;
    if (runParser(row, work, n, record, context) != VTX_OK) continue;
    int32_t score = recordFilledCount(record);
    if (score == 0) continue;
    if ((row.expectedCountry != nullptr || row.expectedJurisdiction != nullptr) && table.adjust != nullptr) {
      cachedDecoder = nullptr;
      score += table.adjust(record, &row, work, workCapacity - 1);
    }
    if (score > bestScore) {
      bestScore = score;
      bestRow = r;
    }
  }
  if (bestRow < 0) {
    // The record keeps what the last row tried left in it; getters may
    // still read it, so it is made printable like a recognised record.
    makePrintable(record);
    return VTX_ERR_UNRECOGNISED;
  }

  // The winner runs once more for real. It repeats its first run exactly;
  // should it fail all the same, its own result code stays inside: the
  // caller learns only that no format was read.
  const FormatRow& best = table.rows[bestRow];
  int32_t n = 0;
  if (decodeForRow(best, input, length, work, workCapacity, &n) != VTX_OK) return VTX_ERR_UNRECOGNISED;
  recordClear(record);
  if (runParser(best, work, n, record, context) != VTX_OK) {
    recordClear(record);
    return VTX_ERR_UNRECOGNISED;
  }

  Span version;
  if (findAamvaVersion(work, n, &version) == VTX_OK) {
    recordSetField(record, field::aamvaVersionNumber, version, nullptr, nullptr, '\0');
  }
  record->documentClass = best.documentClass;
  record->formatId = best.formatId;
  makePrintable(record);
  return VTX_OK;
}

int32_t findAamvaVersion(const char* text, int32_t length, Span* out) {
  if (out == nullptr || text == nullptr || length < 0) return VTX_ERR_ARGUMENT;
  if (length <= 13 || text[0] != '@') return VTX_ERR_NOT_AVAILABLE;
  for (int32_t p = 1; p <= length - 13; ++p) {
    const bool ansi = std::memcmp(text + p, "ANSI", 4) == 0;
    const bool aamva = std::memcmp(text + p, "AAMVA", 5) == 0;
    if (!ansi && !aamva) continue;
    bool digits = true;
    for (int32_t i = p + 5; i < p + 13; ++i) {
      if (text[i] < '0' || text[i] > '9') {
        digits = false;
        break;
      }
    }
    if (digits) {
      *out = Span{text + p + 11, 2};
      return VTX_OK;
    }
  }
  return VTX_ERR_NOT_AVAILABLE;
}

}  // namespace tavrix
