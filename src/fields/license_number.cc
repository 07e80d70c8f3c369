#include "fields/license_number.h"

#include "fields/field_ids.h"
#include "fields/issuer_identity.h"
#include "fields/jurisdiction_handlers.h"

namespace tavrix {
namespace {

constexpr int32_t kHandlerSources[] = {field::licenseNumber, field::licenseNumberAlt};
constexpr int32_t kPlainSources[] = {field::licenseNumber, field::licenseNumberAlt, field::cacLayoutPersonId,
                                     field::cacPersonDesignatorId};

Span handlerSource(const FieldRecord* record) {
  Span out;
  return recordGetFirst(record, kHandlerSources, 2, &out) == VTX_OK ? out : Span{};
}

Span sub(Span s, int32_t from, int32_t length) { return Span{s.data + from, length}; }

// The letter of a two-digit code at `at` (01 = A ... 26 = Z), or 0.
char codedLetter(Span s, int32_t at) {
  if (at + 2 > s.length) return '\0';
  const char hi = s.data[at];
  const char lo = s.data[at + 1];
  if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return '\0';
  const int32_t value = (hi - '0') * 10 + (lo - '0');
  return (value >= 1 && value <= 26) ? static_cast<char>('A' + value - 1) : '\0';
}

int32_t copyWithoutSpaces(char* buffer, int32_t room, Span s) {
  return spanCopyFiltered(buffer, room, s, " ", nullptr, '\0');
}

int32_t copyUnchanged(char* buffer, int32_t room, Span s) {
  return spanCopyFiltered(buffer, room, s, nullptr, nullptr, '\0');
}

// Writes the letters (up to two, NUL ends the list) and then the body.
int32_t letterThen(char* buffer, int32_t room, const char* letters, Span body, bool dropSpaces) {
  int32_t n = 0;
  for (; letters[n] != '\0'; ++n) {
    if (n >= room) return n;
    buffer[n] = letters[n];
  }
  return n + (dropSpaces ? copyWithoutSpaces(buffer + n, room - n, body) : copyUnchanged(buffer + n, room - n, body));
}

bool ruleApplies(const LetterRule& rule, int32_t length) {
  if (rule.exact != kNoBound && length != rule.exact) return false;
  if (rule.minimum != kNoBound && length < rule.minimum) return false;
  if (rule.maximum != kNoBound && length > rule.maximum) return false;
  return length >= 2;
}

}  // namespace

int32_t licenseNumberByRule(const FieldRecord* record, char* buffer, int32_t room, const LetterRule& rule) {
  const Span source = handlerSource(record);
  if (spanIsEmpty(source) || buffer == nullptr || room < 1) return 0;
  const char letter = ruleApplies(rule, source.length) ? codedLetter(source, 0) : '\0';
  if (letter == '\0') return copyWithoutSpaces(buffer, room, source);
  const char letters[2] = {letter, '\0'};
  return letterThen(buffer, room, letters, sub(source, 2, source.length - 2), true);
}

int32_t licenseNumberMN(const FieldRecord* record, char* buffer, int32_t room) {
  const Span source = handlerSource(record);
  if (spanIsEmpty(source) || buffer == nullptr || room < 1) return 0;
  const int32_t length = source.length;
  if (length > 12) {
    // Thirteen characters carry the code in front; longer numbers carry it
    // at the end.
    const bool inFront = length == 13;
    const char letter = codedLetter(source, inFront ? 0 : length - 2);
    const Span body = inFront ? sub(source, 2, 11) : sub(source, 0, length - 2);
    if (letter != '\0') {
      const char letters[2] = {letter, '\0'};
      return letterThen(buffer, room, letters, body, false);
    }
  }
  return copyWithoutSpaces(buffer, room, source);
}

int32_t licenseNumberOH(const FieldRecord* record, char* buffer, int32_t room) {
  const Span source = handlerSource(record);
  if (spanIsEmpty(source) || buffer == nullptr || room < 1) return 0;
  const char first = source.length == 10 ? codedLetter(source, 0) : '\0';
  if (first == '\0') return copyWithoutSpaces(buffer, room, source);
  const char second = codedLetter(source, 2);
  const char letters[3] = {first, second, '\0'};
  return letterThen(buffer, room, letters, second != '\0' ? sub(source, 4, 6) : sub(source, 2, 8), false);
}

int32_t licenseNumberAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (row.licenseNumber != nullptr) {
    const int32_t room = capacity - 1;
    const int32_t n = row.licenseNumber(record, buffer, room);
    if (n < 1) return VTX_ERR_NOT_AVAILABLE;
    buffer[n < room ? n : room] = '\0';
    return VTX_OK;
  }
  Span source;
  if (recordGetFirst(record, kPlainSources, 4, &source) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  // The copy is handed one byte less than the buffer has, so the stored
  // number comes back one character shorter than other values would.
  return spanCopyOut(buffer, capacity - 1, source, nullptr, nullptr, '\0') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

}  // namespace tavrix
