#include "fields/issuer_identity.h"

#include "fields/field_ids.h"
#include "tables/char_classes.h"
#include "tables/country_table.h"
#include "tables/issuer_table.h"
#include "tables/region_table.h"

namespace tavrix {
namespace {

constexpr int32_t kJurisdictionFields[] = {field::addressJurisdictionCode, field::residenceJurisdictionCode};
constexpr int32_t kCountryCodeFields[] = {field::countryCode, field::countryCodeAlt};
constexpr int32_t kNameFields[] = {field::fullName, field::firstName, field::lastName};
constexpr int32_t kStreetFields[] = {field::addressStreet1, field::residenceStreet1, field::addressStreet2,
                                     field::mailingStreet2, field::residenceStreet2};

template <int32_t N>
Span firstOf(const FieldRecord* record, const int32_t (&ids)[N]) {
  Span out;
  return recordGetFirst(record, ids, N, &out) == VTX_OK ? out : Span{};
}

template <int32_t N>
bool allEmpty(const FieldRecord* record, const int32_t (&ids)[N]) {
  return recordGetFirst(record, ids, N, nullptr) != VTX_OK;
}

// Length of a NUL-terminated value inside a buffer of `capacity` bytes.
int32_t boundedLength(const char* text, int32_t capacity) {
  int32_t n = 0;
  while (n < capacity && text[n] != '\0') ++n;
  return n;
}

Span scratchSpan(const char* scratch, int32_t capacity) { return Span{scratch, boundedLength(scratch, capacity)}; }

// Control characters, spaces and DEL (and bytes from 0x80 up) are trimmed
// from both ends; inner ones become single spaces one for one.
int32_t printableCopy(char* buffer, int32_t capacity, Span value) {
  Span s = value;
  while (!spanIsEmpty(s) && isNotVisible(byteOf(s.data[0]))) {
    ++s.data;
    --s.length;
  }
  while (!spanIsEmpty(s) && isNotVisible(byteOf(s.data[s.length - 1]))) --s.length;
  return spanCopyOutIf(buffer, capacity, s, isNotVisible, nullptr, ' ') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

int32_t plainCopy(char* buffer, int32_t capacity, Span value) {
  return spanCopyOut(buffer, capacity, value, nullptr, nullptr, '\0') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

int32_t textCopy(char* buffer, int32_t capacity, const char* text) {
  return strCopyOut(buffer, capacity, text) > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

// The result-0 tail of the document-type rule: the word, or as much of it
// as fits, and at least a terminated empty string.
int32_t documentTypeWord(char* buffer, int32_t capacity, const char* word) {
  if (strCopyOut(buffer, capacity, word) == 0) buffer[0] = '\0';
  return VTX_OK;
}

int32_t jurisdictionCode(const FieldRecord* record, char* buffer, int32_t capacity) {
  const Span field = firstOf(record, kJurisdictionFields);
  if (!spanIsEmpty(field)) return printableCopy(buffer, capacity, field);
  const char* code = issuerCodeFromNumber(recordField(record, field::issuerIdNumber));
  return code != nullptr ? textCopy(buffer, capacity, code) : VTX_ERR_NOT_AVAILABLE;
}

// The table's number for the record's jurisdiction field, or null.
const char* numberOfJurisdictionField(const FieldRecord* record) {
  const Span code = firstOf(record, kJurisdictionFields);
  return code.length == 2 ? issuerNumberFromCode(code) : nullptr;
}

int32_t issuerNumber(const FieldRecord* record, char* buffer, int32_t capacity) {
  const Span iin = recordField(record, field::issuerIdNumber);
  const char* derived = numberOfJurisdictionField(record);
  if (spanIsEmpty(iin)) return derived != nullptr ? textCopy(buffer, capacity, derived) : VTX_ERR_NOT_AVAILABLE;
  if (!issuerIsKnown(iin) && derived != nullptr) return textCopy(buffer, capacity, derived);
  return plainCopy(buffer, capacity, iin);
}

int32_t country(const FieldRecord* record, char* buffer, int32_t capacity) {
  const Span named = recordField(record, field::country);
  if (!spanIsEmpty(named)) return printableCopy(buffer, capacity, named);
  const Span code = firstOf(record, kCountryCodeFields);
  if (!spanIsEmpty(code)) {
    const char* name = countryNameFromCode(code);
    return name != nullptr ? textCopy(buffer, capacity, name) : VTX_ERR_NOT_AVAILABLE;
  }
  char scratch[kJurisdictionScratch];
  if (jurisdictionCode(record, scratch, kJurisdictionScratch) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  const char* name = countryOfRegion(scratchSpan(scratch, kJurisdictionScratch));
  return name != nullptr ? textCopy(buffer, capacity, name) : VTX_ERR_NOT_AVAILABLE;
}

}  // namespace

int32_t documentTypeAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span stored = recordField(record, field::documentType);
  if (!spanIsEmpty(stored) && printableCopy(buffer, capacity, stored) == VTX_OK) return VTX_OK;
  if (allEmpty(record, kNameFields) || allEmpty(record, kStreetFields)) {
    return documentTypeWord(buffer, capacity, "UNKNOWN");
  }
  const bool licensed = recordFieldStatus(record, field::licenseNumber) == 0 &&
                        recordFieldStatus(record, field::birthDateAlt) == 0;
  return documentTypeWord(buffer, capacity, licensed ? "DL" : "UNKNOWN");
}

int32_t jurisdictionCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  return jurisdictionCode(record, buffer, capacity);
}

int32_t issuerNumberAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  return issuerNumber(record, buffer, capacity);
}

int32_t countryAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  return country(record, buffer, capacity);
}

int32_t countryCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span stored = recordField(record, field::countryCode);
  if (!spanIsEmpty(stored)) return plainCopy(buffer, capacity, stored);
  char scratch[kCountryScratch];
  if (country(record, scratch, kCountryScratch) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  // The scratch holds a NUL-terminated copy, at most kCountryScratch - 1 long.
  const char* code = countryCodeFromName(scratch);
  if (code != nullptr) return textCopy(buffer, capacity, code);
  return countryCodeIsKnown(scratch) ? textCopy(buffer, capacity, scratch) : VTX_ERR_NOT_AVAILABLE;
}

int32_t issuedByAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  char scratch[kIssuerNumberScratch];
  if (issuerNumber(record, scratch, kIssuerNumberScratch) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  const char* code = issuerCodeFromNumber(scratchSpan(scratch, kIssuerNumberScratch));
  return code != nullptr ? textCopy(buffer, capacity, code) : VTX_ERR_NOT_AVAILABLE;
}

int32_t aamvaVersionAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  return plainCopy(buffer, capacity, recordField(record, field::aamvaVersionNumber));
}

}  // namespace tavrix
