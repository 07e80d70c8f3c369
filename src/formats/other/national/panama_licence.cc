// Panamanian licence: twelve "|"-separated fields around a "|CIP|" marker.
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/other/national/national_formats.h"
#include "formats/other/national/national_text.h"

namespace tavrix {
namespace {

constexpr int32_t kPanamaFields = 12;

// A slash date that fills the whole field.
bool storeFieldDate(FieldRecord* record, int32_t id, Span value) {
  DateTime date;
  const int32_t used = takeSlashDate(value, false, &date);
  if (used == 0 || used != value.length) return false;
  recordSetDate(record, id, &date);
  return true;
}

void storeIfAny(FieldRecord* record, int32_t id, Span value) {
  if (!spanIsEmpty(value)) recordSetSpan(record, id, value);
}

}  // namespace

int32_t parsePanamaLicence(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  if (text == nullptr || record == nullptr || length < 5) return VTX_ERR_UNRECOGNISED;
  const Span all{text, length};
  const int32_t marker = findFrom(all, 0, "|CIP|");
  if (marker < 0 || length - marker < 8) return VTX_ERR_UNRECOGNISED;
  Span fields[kPanamaFields];
  if (spanSplit(all, fields, kPanamaFields, "|", 0) < kPanamaFields) return VTX_ERR_UNRECOGNISED;

  storeIfAny(record, field::licenseNumber, fields[0]);
  // Given names: the first and the second word only.
  Span given[2];
  const int32_t parts = spanSplit(fields[2], given, 2, "_", 0);
  if (parts > 0) storeIfAny(record, field::firstName, given[0]);
  if (parts > 1) storeIfAny(record, field::middleName, given[1]);
  if (!spanIsEmpty(fields[3])) recordSetField(record, field::lastName, fields[3], "_", nullptr, ' ');
  if (storeFieldDate(record, field::birthDate, fields[8]) && storeFieldDate(record, field::expirationDate, fields[9])) {
    storeFieldDate(record, field::issueDate, fields[10]);
  }
  storeIfAny(record, field::classificationCode, fields[11]);
  recordSetFieldStr(record, field::country, "Republic of Panama");
  recordSetFieldStr(record, field::countryCode, "PAN");
  recordSetFieldStr(record, field::documentType, "DL");
  return VTX_OK;
}

}  // namespace tavrix
