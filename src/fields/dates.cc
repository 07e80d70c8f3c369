#include "fields/dates.h"

#include "engine/text_numbers.h"
#include "fields/field_ids.h"
#include "fields/issuer_identity.h"

namespace tavrix {
namespace {

constexpr int32_t kRawDateLength = 8;
constexpr int32_t kBirthDateFields[] = {field::birthDate, field::birthDateAlt};

// One piece of the raw date, read like atoi but never past its own width.
int32_t piece(Span raw, int32_t offset, int32_t width) { return spanAtoi(Span{raw.data + offset, width}); }

bool plausible(int32_t year, int32_t month, int32_t day, int32_t lowestYear) {
  return day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= lowestYear && year <= 9999;
}

void writeTwoDigits(int32_t value, char* out) {
  out[0] = static_cast<char>('0' + value / 10 % 10);
  out[1] = static_cast<char>('0' + value % 10);
}

// Steps shared by the accessors once the raw field is known.
int32_t dateOut(Span raw, char* buffer, int32_t capacity) {
  DateTime date;
  if (spanIsEmpty(raw) || parseRawDate(raw, &date) != 0) return VTX_ERR_NOT_AVAILABLE;
  if (capacity < kDateTextLength + 1) return VTX_ERR_NOT_AVAILABLE;
  formatDate(date, buffer);
  buffer[kDateTextLength] = '\0';
  return VTX_OK;
}

int32_t singleFieldDate(const FieldRecord* record, int32_t id, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  return dateOut(recordField(record, id), buffer, capacity);
}

}  // namespace

int32_t parseRawDate(Span raw, DateTime* out) {
  if (out == nullptr || spanIsEmpty(raw) || raw.length < kRawDateLength) return VTX_ERR_FAILED;
  DateTime date;
  date.year = piece(raw, 0, 4);
  date.month = piece(raw, 4, 2);
  date.day = piece(raw, 6, 2);
  if (!plausible(date.year, date.month, date.day, 0)) {
    date.month = piece(raw, 0, 2);
    date.day = piece(raw, 2, 2);
    date.year = piece(raw, 4, 4);
    if (!plausible(date.year, date.month, date.day, 1800)) return VTX_ERR_FAILED;
  }
  *out = date;
  return VTX_OK;
}

int32_t formatDate(const DateTime& date, char* out) {
  writeTwoDigits(date.month, out);
  out[2] = '/';
  writeTwoDigits(date.day, out + 3);
  out[5] = '/';
  writeTwoDigits(date.year / 100, out + 6);
  writeTwoDigits(date.year, out + 8);
  return kDateTextLength;
}

int32_t birthDateOf(const FieldRecord* record, DateTime* out) {
  if (record == nullptr || record->arena.storage == nullptr || record->arena.capacity < 1 || out == nullptr) {
    return VTX_ERR_ARGUMENT;
  }
  Span raw;
  if (recordGetFirst(record, kBirthDateFields, 2, &raw) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  return parseRawDate(raw, out) == VTX_OK ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

int32_t expirationDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return singleFieldDate(record, field::expirationDate, buffer, capacity);
}

int32_t hazmatExpirationDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return singleFieldDate(record, field::hazmatExpirationDate, buffer, capacity);
}

int32_t birthDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  Span raw;
  if (recordGetFirst(record, kBirthDateFields, 2, &raw) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  return dateOut(raw, buffer, capacity);
}

int32_t cardRevisionDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return singleFieldDate(record, field::cardRevisionDate, buffer, capacity);
}

int32_t issueDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return singleFieldDate(record, field::issueDate, buffer, capacity);
}

}  // namespace tavrix
