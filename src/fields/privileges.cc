#include "fields/privileges.h"

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "fields/issuer_identity.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

constexpr int32_t kVehicleClassFields[] = {field::standardVehicleClass, field::vehicleClass,
                                           field::classificationCode};
constexpr int32_t kRestrictionFields[] = {field::standardRestrictionCode, field::restrictionCode};
constexpr int32_t kEndorsementFields[] = {field::standardEndorsementCode, field::endorsementsCode};
constexpr int32_t kRestrictionDescription[] = {field::restrictionCodeDescription};
constexpr int32_t kEndorsementDescription[] = {field::endorsementCodeDescription};
constexpr int32_t kVehicleClassDescription[] = {field::vehicleClassDescription};

// The first source that holds text, trimmed of invisible characters at
// both ends, inner ones made spaces; `squeeze` also collapses runs of one
// white-space character.
template <int32_t N>
int32_t printableCopy(const FieldRecord* record, const int32_t (&ids)[N], CharPredicate squeeze, char* buffer,
                      int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  Span value;
  if (recordGetFirst(record, ids, N, &value) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  spanTrimIf(&value, isNotVisible);
  return spanCopyOutIf(buffer, capacity, value, isNotVisible, squeeze, ' ') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

}  // namespace

int32_t vehicleClassAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return printableCopy(record, kVehicleClassFields, nullptr, buffer, capacity);
}

int32_t restrictionCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return printableCopy(record, kRestrictionFields, isAsciiSpace, buffer, capacity);
}

int32_t restrictionDescriptionAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return printableCopy(record, kRestrictionDescription, nullptr, buffer, capacity);
}

int32_t endorsementCodeAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return printableCopy(record, kEndorsementFields, nullptr, buffer, capacity);
}

int32_t endorsementDescriptionAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return printableCopy(record, kEndorsementDescription, nullptr, buffer, capacity);
}

int32_t vehicleClassDescriptionAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return printableCopy(record, kVehicleClassDescription, nullptr, buffer, capacity);
}

int32_t complianceTypeAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span value = recordField(record, field::complianceType);
  if (value.length != 1 || isVisible(byteOf(value.data[0])) == 0) return VTX_ERR_NOT_AVAILABLE;
  // The plain cut rule: a buffer of one byte takes the empty string.
  if (spanCopyOut(buffer, capacity, value, nullptr, nullptr, '\0') == 0) buffer[0] = '\0';
  return VTX_OK;
}

}  // namespace tavrix
