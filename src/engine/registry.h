// Format registry rows: every known format with the decoder that prepares
// the text for it, the parser that reads it and the issuer it is expected
// to come from. The rows themselves belong to the format families; the
// engine only runs a table of them.
#pragma once

#include <cstdint>

#include "engine/decoders.h"
#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

// A format parser reads the decoded text (the work buffer) and stores what
// it finds into the record; it returns 0 when the text has its format's
// shape. The text is read-only: the engine hands the same decoding to every
// following row with the same decoder.
using FormatParser = int32_t (*)(const char* text, int32_t length, FieldRecord* record,
                                 const ParserHandle* context);
// A parser that must change the text it reads (a stripe whose line feeds
// are taken out in place). Its row says so by using this slot; the engine
// then decodes afresh for the next row.
using EditingParser = int32_t (*)(char* text, int32_t length, FieldRecord* record, const ParserHandle* context);

struct FormatRow {
  uint32_t documentClass = kNoDocumentClass;
  uint32_t formatId = kNoFormatId;
  Decoder decoder = nullptr;
  FormatParser parser = nullptr;         // exactly one of the two parser slots is set
  const char* expectedCountry = nullptr;       // ISO 3166 alpha-3, or null for any
  const char* expectedJurisdiction = nullptr;  // two letters, or null for any
  EditingParser editingParser = nullptr;
};

// What a family's row may say beyond its class, id and parser; everything
// left out keeps its default.
struct RowOptions {
  Decoder decoder = decodeNormalized;
  const char* expectedCountry = nullptr;
  const char* expectedJurisdiction = nullptr;
};

constexpr FormatRow formatRow(uint32_t documentClass, uint32_t formatId, FormatParser parser, RowOptions options) {
  return FormatRow{.documentClass = documentClass,
                   .formatId = formatId,
                   .decoder = options.decoder,
                   .parser = parser,
                   .expectedCountry = options.expectedCountry,
                   .expectedJurisdiction = options.expectedJurisdiction};
}

constexpr FormatRow editingFormatRow(uint32_t documentClass, uint32_t formatId, EditingParser parser,
                                     RowOptions options) {
  FormatRow row = formatRow(documentClass, formatId, nullptr, options);
  row.editingParser = parser;
  return row;
}

// Score adjustment for a row that expects a country or jurisdiction,
// computed on the record its parser left; `scratch` may be overwritten.
using ScoreAdjustment = int32_t (*)(const FieldRecord* record, const FormatRow* row, char* scratch,
                                    int32_t scratchCapacity);

struct FormatTable {
  const FormatRow* rows;
  int32_t count;
  ScoreAdjustment adjust;  // null: rows get no adjustment
};

}  // namespace tavrix
