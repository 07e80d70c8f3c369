#include "fields/validation.h"

#include "fields/field_ids.h"
#include "fields/issuer_identity.h"
#include "fields/license_number.h"
#include "fields/number_patterns.h"
#include "fields/symbol_geometries.h"
#include "tables/issuer_table.h"

namespace tavrix {
namespace {

int32_t boundedLength(const char* text, int32_t capacity) {
  int32_t n = 0;
  while (n < capacity && text[n] != '\0') ++n;
  return n;
}

bool sameCode(const char* code, Span text) {
  return code != nullptr && text.length == 2 && code[0] == text.data[0] && code[1] == text.data[1] &&
         code[2] == '\0';
}

// The record's jurisdiction code when it has exactly two characters.
bool twoLetterJurisdiction(const FieldRecord* record, char (&code)[kJurisdictionScratch]) {
  return jurisdictionCodeAccessor(record, code, kJurisdictionScratch) == VTX_OK &&
         boundedLength(code, kJurisdictionScratch) == 2;
}

// The document-type bit of a record whose type is exactly "DL" or "ID",
// else 0.
uint8_t documentTypeBit(const char* type, int32_t capacity) {
  if (boundedLength(type, capacity) != 2) return 0;
  if (type[0] == 'D' && type[1] == 'L') return kDrivingLicence;
  if (type[0] == 'I' && type[1] == 'D') return kIdentificationCard;
  return 0;
}

inline constexpr int32_t kNumberScratch = 32;

}  // namespace

const NumberPatternRow* numberPatternRowOf(Span code) {
  if (spanIsEmpty(code) || code.length != 2) return nullptr;
  for (const NumberPatternRow& row : NumberPatterns) {
    if (sameCode(row.code, code)) return &row;
  }
  return nullptr;
}

const SymbolGeometryRow* symbolGeometryRowOf(Span code) {
  if (spanIsEmpty(code) || code.length != 2) return nullptr;
  for (const SymbolGeometryRow& row : SymbolGeometries) {
    if (sameCode(row.code, code)) return &row;
  }
  return nullptr;
}

int32_t validateDocumentId(const FieldRecord* record, char* scratch, int32_t capacity) {
  if (record == nullptr || scratch == nullptr || capacity < 1) return VTX_ERR_ARGUMENT;
  // The code is kept apart: the scratch buffer is reused for the document
  // type and, by the checkers, for the holder's name.
  if (jurisdictionCodeAccessor(record, scratch, capacity) != VTX_OK || boundedLength(scratch, capacity) != 2) {
    return VTX_STATUS_UNKNOWN;
  }
  const char jurisdiction[2] = {scratch[0], scratch[1]};
  if (documentTypeAccessor(record, scratch, capacity) != VTX_OK) return VTX_STATUS_UNKNOWN;
  const uint8_t typeBit = documentTypeBit(scratch, capacity);
  if (typeBit == 0) return VTX_STATUS_UNKNOWN;
  char number[kNumberScratch];
  if (licenseNumberAccessor(record, number, kNumberScratch) != VTX_OK) return VTX_STATUS_UNKNOWN;
  const Span numberText{number, boundedLength(number, kNumberScratch)};
  const NumberPatternRow* row = numberPatternRowOf(Span{jurisdiction, 2});
  if (row == nullptr) return VTX_STATUS_UNKNOWN;
  for (int32_t i = 0; i < row->count; ++i) {
    const NumberCheck& check = row->checks[i];
    if ((check.documentTypes & typeBit) == 0) continue;
    if (check.checker(record, scratch, capacity, numberText, check.argument)) return VTX_STATUS_VALID;
  }
  return VTX_STATUS_INVALID;
}

int32_t validateJurisdictionCode(const FieldRecord* record) {
  if (record == nullptr) return VTX_ERR_ARGUMENT;
  char code[kJurisdictionScratch];
  if (!twoLetterJurisdiction(record, code)) return VTX_STATUS_UNKNOWN;
  const Span issuer = recordField(record, field::issuerIdNumber);
  if (spanIsEmpty(issuer)) return VTX_STATUS_UNKNOWN;
  const char* issuerCode = issuerCodeFromNumber(issuer);
  if (issuerCode == nullptr) return VTX_STATUS_INVALID;
  return sameCode(issuerCode, Span{code, 2}) ? VTX_STATUS_VALID : VTX_STATUS_INVALID;
}

int32_t validateSymbolGeometry(const FieldRecord* record, int32_t columns, int32_t rows, int32_t level) {
  if (record == nullptr || columns < kFewestColumns || columns > kMostColumns || rows < kFewestRows ||
      rows > kMostRows || level < kLowestLevel || level > kHighestLevel) {
    return VTX_ERR_ARGUMENT;
  }
  char code[kJurisdictionScratch];
  if (!twoLetterJurisdiction(record, code)) return VTX_STATUS_UNKNOWN;
  const SymbolGeometryRow* row = symbolGeometryRowOf(Span{code, 2});
  if (row == nullptr) return VTX_STATUS_UNKNOWN;
  for (int32_t i = 0; i < row->count; ++i) {
    const SymbolGeometry& g = row->geometries[i];
    if (g.rows == rows && g.columns == columns && g.level == level) return VTX_STATUS_VALID;
  }
  return VTX_STATUS_INVALID;
}

}  // namespace tavrix
