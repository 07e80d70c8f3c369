// Canadian issuers give the given names in their own field or not at all;
// without them the whole name stands in the last-name field as
// FIRST MIDDLE... LAST.
#include "fields/field_ids.h"
#include "fields/field_words.h"
#include "fields/jurisdiction_name_handlers.h"
#include "fields/name_text.h"

namespace tavrix {
namespace {

Span trimmedField(const FieldRecord* record, int32_t id) { return words::trimWhite(recordField(record, id)); }

// The words of the last-name field with the suffixes taken out, so that a
// trailing JR is never read as the last name or a middle name.
int32_t lastNameWords(const FieldRecord* record, Span* list) {
  const int32_t count = words::split(trimmedField(record, field::lastName), list, kMaxNameTokens, " ", false);
  for (int32_t i = 0; i < count; ++i) list[i] = words::trimWhite(list[i]);
  return words::removeIf(list, count, 0, [](Span w) { return spanIsEmpty(w) || isNameSuffix(w); });
}

}  // namespace

int32_t canadianFirstName(const FieldRecord* record, char* buffer, int32_t capacity) {
  const Span first = trimmedField(record, field::firstName);
  if (!spanIsEmpty(first)) return copyNameOut(buffer, capacity, first);
  if (!spanIsEmpty(trimmedField(record, field::givenNames)) && givenFirst(record, buffer, capacity) == VTX_OK) {
    return VTX_OK;
  }
  Span list[kMaxNameTokens];
  if (lastNameWords(record, list) < 2) return VTX_ERR_NOT_AVAILABLE;
  return copyNameOut(buffer, capacity, list[0]);
}

int32_t canadianLastName(const FieldRecord* record, char* buffer, int32_t capacity) {
  const Span last = trimmedField(record, field::lastName);
  if (spanIsEmpty(last)) return VTX_ERR_NOT_AVAILABLE;
  if (!spanIsEmpty(trimmedField(record, field::firstName)) || !spanIsEmpty(trimmedField(record, field::givenNames))) {
    return copyNameOut(buffer, capacity, last);
  }
  Span list[kMaxNameTokens];
  const int32_t count = lastNameWords(record, list);
  if (count < 1) return VTX_ERR_NOT_AVAILABLE;
  return copyNameOut(buffer, capacity, list[count - 1]);
}

int32_t canadianMiddleName(const FieldRecord* record, char* buffer, int32_t capacity) {
  const Span middle = trimmedField(record, field::middleName);
  if (!spanIsEmpty(middle)) return copyNameOut(buffer, capacity, middle);
  if (!spanIsEmpty(trimmedField(record, field::givenNames)) && givenRest(record, buffer, capacity) == VTX_OK) {
    return VTX_OK;
  }
  if (!spanIsEmpty(trimmedField(record, field::firstName))) return VTX_ERR_NOT_AVAILABLE;
  Span list[kMaxNameTokens];
  const int32_t count = lastNameWords(record, list);
  if (count < 3) return VTX_ERR_NOT_AVAILABLE;
  return joinNameOut(buffer, capacity, list + 1, count - 2);
}

}  // namespace tavrix
