// The parse engine: tries every registry row on the input, keeps the best
// scoring one and leaves its record as the answer.
#pragma once

#include <cstdint>

#include "engine/registry.h"

namespace tavrix {

// The work space of one parse, all of it sized from the input alone.
// `work` holds kWorkRegions regions of `regionCapacity` bytes: one for each
// decoding kept while the rows that share it run, one for a row that edits
// its text, one for the scoring's scratch and one for what the parse memo
// keeps (see parse_memo.h). The record receives the answer;
// the spare record (with an arena as large as the record's) holds the
// candidate being tried while the record keeps the best so far.
inline constexpr int32_t kDecodingRegions = 5;
inline constexpr int32_t kWorkRegions = kDecodingRegions + 3;

struct EngineRoom {
  char* work = nullptr;
  int32_t regionCapacity = 0;
  FieldRecord* record = nullptr;
  FieldRecord* spare = nullptr;
};

int32_t runParseEngine(const FormatTable& table, const char* input, int32_t length, const EngineRoom& room,
                       const ParserHandle* context);

// The two version digits of an AAMVA header ("@" ... "ANSI " + 6-digit
// issuer number + version): 0 and `out` set, -26 when there is none, -21
// for null arguments or a negative length.
int32_t findAamvaVersion(const char* text, int32_t length, Span* out);

// After a parse every field byte is printable ASCII: other bytes (and a NUL
// inside a field's own extent) become spaces.
void recordMakePrintable(FieldRecord* record);

// ASCII letters a to z become A to Z; every other byte stays.
void upperCaseInPlace(char* text, int32_t length);

}  // namespace tavrix
