// Colorado barcodes write the full name as FIRST MIDDLE LAST, words
// separated by spaces or the usual name separators.
#include "fields/field_ids.h"
#include "fields/field_words.h"
#include "fields/jurisdiction_name_handlers.h"
#include "fields/name_text.h"

namespace tavrix {
namespace {

constexpr uint32_t kAamvaBarcodeClass = 0;

struct ColoradoName {
  Span list[kMaxNameTokens];
  int32_t count = 0;
};

ColoradoName splitColoradoName(const FieldRecord* record) {
  ColoradoName name;
  name.count = words::split(recordField(record, field::fullName), name.list, kMaxNameTokens, " ,@$", false);
  name.count = words::removeIf(name.list, name.count, 0, isNameSuffix);
  return name;
}

bool isBarcode(const FieldRecord* record) { return record->documentClass == kAamvaBarcodeClass; }

}  // namespace

int32_t coloradoFirstName(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!isBarcode(record)) return VTX_ERR_NOT_AVAILABLE;
  const Span stored = recordField(record, field::firstName);
  if (!spanIsEmpty(stored)) return copyNameOut(buffer, capacity, stored);
  const ColoradoName name = splitColoradoName(record);
  return name.count >= 1 ? copyNameOut(buffer, capacity, name.list[0]) : VTX_ERR_NOT_AVAILABLE;
}

int32_t coloradoMiddleName(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!isBarcode(record)) return VTX_ERR_NOT_AVAILABLE;
  const Span stored = recordField(record, field::middleName);
  if (!spanIsEmpty(stored)) return copyNameOut(buffer, capacity, stored);
  const ColoradoName name = splitColoradoName(record);
  return name.count >= 3 ? copyNameOut(buffer, capacity, name.list[1]) : VTX_ERR_NOT_AVAILABLE;
}

int32_t coloradoLastName(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!isBarcode(record)) return VTX_ERR_NOT_AVAILABLE;
  const Span stored = recordField(record, field::lastName);
  if (!spanIsEmpty(stored)) return copyNameOut(buffer, capacity, stored);
  const ColoradoName name = splitColoradoName(record);
  if (name.count >= 3) return joinNameOut(buffer, capacity, name.list + 2, name.count - 2);
  return name.count >= 1 ? copyNameOut(buffer, capacity, name.list[name.count - 1]) : VTX_ERR_NOT_AVAILABLE;
}

}  // namespace tavrix
