#include "fields/address.h"

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "fields/issuer_identity.h"
#include "fields/jurisdiction_handlers.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

constexpr int32_t kStreet1Fields[] = {field::addressStreet1, field::residenceStreet1};
constexpr int32_t kStreet2Fields[] = {field::addressStreet2, field::mailingStreet2, field::residenceStreet2};
constexpr int32_t kCityFields[] = {field::addressCity, field::residenceCity};

template <int32_t N>
Span firstOf(const FieldRecord* record, const int32_t (&ids)[N]) {
  Span out;
  return recordGetFirst(record, ids, N, &out) == VTX_OK ? out : Span{};
}

int32_t boundedLength(const char* text, int32_t capacity) {
  int32_t n = 0;
  while (n < capacity && text[n] != '\0') ++n;
  return n;
}

// Invisible characters become spaces and runs of one white-space character
// collapse. 0, or VTX_ERR_NOT_AVAILABLE when nothing was copied.
int32_t visibleCopy(char* buffer, int32_t capacity, Span value) {
  return spanCopyOutIf(buffer, capacity, value, isNotVisible, isAsciiSpace, ' ') > 0 ? VTX_OK
                                                                                       : VTX_ERR_NOT_AVAILABLE;
}

template <int32_t N>
int32_t streetLine(const FieldRecord* record, const int32_t (&ids)[N], char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (row.address != nullptr && row.address(record, ids, N, buffer, capacity) == VTX_OK) return VTX_OK;
  Span street = firstOf(record, ids);
  if (spanIsEmpty(street)) return VTX_ERR_NOT_AVAILABLE;
  spanTrimIf(&street, isNotVisible);
  spanTrimSet(&street, kStreetCleaningChars);
  return visibleCopy(buffer, capacity, street);
}

void dropFront(Span* s, int32_t n) {
  s->data += n;
  s->length -= n;
}

// Leading white space, one word and the white-space character after it.
void skipWord(Span* s) {
  while (s->length > 0 && isAsciiSpace(byteOf(s->data[0]))) dropFront(s, 1);
  while (s->length > 0 && !isAsciiSpace(byteOf(s->data[0]))) dropFront(s, 1);
  if (s->length > 0) dropFront(s, 1);
}

// The word skipWord would pass over.
Span nextWord(Span* s) {
  while (s->length > 0 && isAsciiSpace(byteOf(s->data[0]))) dropFront(s, 1);
  Span word{s->data, 0};
  while (word.length < s->length && !isAsciiSpace(byteOf(s->data[word.length]))) ++word.length;
  dropFront(s, word.length);
  if (s->length > 0) dropFront(s, 1);
  return word;
}

bool startsWith(Span s, Span prefix) {
  if (prefix.length > s.length) return false;
  for (int32_t i = 0; i < prefix.length; ++i) {
    if (s.data[i] != prefix.data[i]) return false;
  }
  return true;
}

bool sameText(Span a, Span b) { return a.length == b.length && startsWith(a, b); }

bool isPostalCodeText(Span s) {
  for (int32_t i = 0; i < s.length; ++i) {
    const int c = byteOf(s.data[i]);
    if (isAsciiAlnum(c) == 0 && c != '_' && isAsciiSpace(c) == 0) return false;
  }
  return true;
}

// The postal code that follows "<city> <jurisdiction code>" in a one-line
// street address. `scratch` (capacity of at least 2) receives the city and
// the jurisdiction code. 0 and `out` set (pointing into the street), or
// VTX_ERR_NOT_AVAILABLE.
int32_t postalCodeFromStreet(const FieldRecord* record, Span street, char* scratch, int32_t capacity, Span* out) {
  if (spanIsEmpty(street) || capacity < 2) return VTX_ERR_NOT_AVAILABLE;
  if (cityAccessor(record, scratch, capacity - 1) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  const Span city{scratch, boundedLength(scratch, capacity - 1)};
  char* codeText = scratch + city.length + 1;
  const int32_t room = capacity - city.length - 1;
  if (room < 1 || jurisdictionCodeAccessor(record, codeText, room) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  const Span code{codeText, boundedLength(codeText, room)};

  // Every round consumes at least one character: the city is never empty,
  // and the first test keeps more than the city's length in `left`.
  Span left = street;
  for (;;) {
    if (city.length + code.length >= left.length) return VTX_ERR_NOT_AVAILABLE;
    while (city.length < left.length) {
      if (startsWith(left, city)) {
        dropFront(&left, city.length);
        break;
      }
      skipWord(&left);
    }
    if (left.length > code.length && !sameText(nextWord(&left), code)) continue;
    Span candidate = left;
    spanTrimIf(&candidate, isAsciiSpace);
    if (spanIsEmpty(candidate) || !isPostalCodeText(candidate)) continue;
    *out = candidate;
    return VTX_OK;
  }
}

}  // namespace

int32_t address1Accessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return streetLine(record, kStreet1Fields, buffer, capacity);
}

int32_t address2Accessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return streetLine(record, kStreet2Fields, buffer, capacity);
}

int32_t cityAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  Span city = firstOf(record, kCityFields);
  if (spanIsEmpty(city)) return VTX_ERR_NOT_AVAILABLE;
  spanTrimIf(&city, isNotVisible);
  return visibleCopy(buffer, capacity, city);
}

int32_t postalCodeWithScratch(const FieldRecord* record, char* buffer, int32_t capacity, char* scratch,
                              int32_t scratchCapacity) {
  if (!accessorArgumentsValid(record, buffer, capacity) || scratch == nullptr) return VTX_ERR_ARGUMENT;
  Span code = recordField(record, field::addressPostalCode);
  if (spanIsEmpty(code)) code = recordField(record, field::residencePostalCode);
  const bool derived = spanIsEmpty(code);
  if (derived &&
      postalCodeFromStreet(record, firstOf(record, kStreet1Fields), scratch, scratchCapacity, &code) != VTX_OK) {
    return VTX_ERR_NOT_AVAILABLE;
  }
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (row.postalCode != nullptr) return row.postalCode(code, buffer, capacity);
  if (derived) return spanCopyOut(buffer, capacity - 1, code, nullptr, " ", '\0') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
  // A stored code follows the plain cut rule: a buffer of one byte takes "".
  if (spanCopyOut(buffer, capacity, code, nullptr, " ,", '\0') == 0) buffer[0] = '\0';
  return VTX_OK;
}

int32_t postalCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return postalCodeWithScratch(record, buffer, capacity, buffer, capacity);
}

}  // namespace tavrix
