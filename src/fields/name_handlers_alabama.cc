// Alabama writes the full name as FIRST,MIDDLE,PREFIX,LAST,SUFFIX with
// empty parts kept, e.g. JOHN,,,DOE or JOHN,Q,DR,DOE,JR.
#include "fields/field_ids.h"
#include "fields/field_words.h"
#include "fields/jurisdiction_name_handlers.h"
#include "fields/name_text.h"

namespace tavrix {
namespace {

constexpr int32_t kMaxParts = 5;

struct AlabamaName {
  Span parts[kMaxParts];
  int32_t count = 0;
  bool usable = false;
};

AlabamaName splitAlabamaName(const FieldRecord* record) {
  AlabamaName name;
  const Span full = recordField(record, field::fullName);
  name.count = words::split(full, name.parts, kMaxParts, ",", true);
  for (int32_t i = 0; i < name.count; ++i) name.parts[i] = words::trimWhite(name.parts[i]);
  name.usable = name.count >= 4 && !spanIsEmpty(name.parts[0]) && !spanIsEmpty(name.parts[3]);
  return name;
}

// Part `index` (0-based) when the name is usable and that part is present.
int32_t alabamaPart(const FieldRecord* record, int32_t index, char* buffer, int32_t capacity) {
  const AlabamaName name = splitAlabamaName(record);
  if (!name.usable || index >= name.count || spanIsEmpty(name.parts[index])) return VTX_ERR_NOT_AVAILABLE;
  return copyNameOut(buffer, capacity, name.parts[index]);
}

}  // namespace

int32_t alabamaFirstName(const FieldRecord* record, char* buffer, int32_t capacity) {
  return alabamaPart(record, 0, buffer, capacity);
}

int32_t alabamaMiddleName(const FieldRecord* record, char* buffer, int32_t capacity) {
  return alabamaPart(record, 1, buffer, capacity);
}

int32_t alabamaNamePrefix(const FieldRecord* record, char* buffer, int32_t capacity) {
  return alabamaPart(record, 2, buffer, capacity);
}

int32_t alabamaLastName(const FieldRecord* record, char* buffer, int32_t capacity) {
  return alabamaPart(record, 3, buffer, capacity);
}

int32_t alabamaNameSuffix(const FieldRecord* record, char* buffer, int32_t capacity) {
  const AlabamaName name = splitAlabamaName(record);
  if (name.usable && name.count >= 5 && words::equalsIgnoreCase(name.parts[4], "NONE")) {
    return VTX_ERR_NOT_AVAILABLE;
  }
  return alabamaPart(record, 4, buffer, capacity);
}

}  // namespace tavrix
