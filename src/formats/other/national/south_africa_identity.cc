// South African identity document: nine or more "|"-separated fields with
// month-name dates, closed by a part that begins with the digits
// 1234567890.
#include <cstring>

#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/other/national/national_formats.h"
#include "formats/other/national/national_text.h"

namespace tavrix {
namespace {

constexpr int32_t kSouthAfricaFields = 9;

void storeIfAny(FieldRecord* record, int32_t id, Span value) {
  if (!spanIsEmpty(value)) recordSetSpan(record, id, value);
}

void storeMonthNameDate(FieldRecord* record, int32_t id, Span value) {
  DateTime date;
  if (englishMonthDate(value, &date) == VTX_OK) recordSetDate(record, id, &date);
}

// The text closes with a part of at least ten characters that begins with
// 1234567890, after its last '|'.
bool closesWithDigitRun(Span text) {
  if (text.data[text.length - 1] == '|') return false;
  int32_t last = text.length - 1;
  while (last >= 0 && text.data[last] != '|') --last;
  const Span tail{text.data + last + 1, text.length - last - 1};
  return tail.length >= 10 && std::memcmp(tail.data, "1234567890", 10) == 0;
}

}  // namespace

int32_t parseSouthAfricaIdentity(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  if (text == nullptr || record == nullptr || length < kSouthAfricaFields - 1) return VTX_ERR_UNRECOGNISED;
  const Span all{text, length};
  // Cheapest test first: eight separators at least, found with memchr.
  int32_t bars = 0;
  for (int32_t at = findFrom(all, 0, "|"); at >= 0 && bars < kSouthAfricaFields - 1; at = findFrom(all, at + 1, "|")) ++bars;
  if (bars < kSouthAfricaFields - 1) return VTX_ERR_UNRECOGNISED;
  Span fields[kSouthAfricaFields];
  if (spanSplit(all, fields, kSouthAfricaFields, "|", 0) < kSouthAfricaFields) return VTX_ERR_UNRECOGNISED;

  Span surname = fields[0];
  spanTrimSet(&surname, " ");
  storeIfAny(record, field::lastName, surname);
  Span given[2];
  const int32_t parts = spanSplit(fields[1], given, 2, " ", 0);
  if (parts > 0) storeIfAny(record, field::firstName, given[0]);
  if (parts > 1) storeIfAny(record, field::middleName, given[1]);
  storeIfAny(record, field::gender, fields[2]);
  storeIfAny(record, field::licenseNumber, fields[4]);
  storeMonthNameDate(record, field::birthDate, fields[5]);
  storeMonthNameDate(record, field::issueDate, fields[8]);
  if (closesWithDigitRun(all)) {
    recordSetFieldStr(record, field::country, "Republic of South Africa");
    recordSetFieldStr(record, field::countryCode, "ZAF");
    recordSetFieldStr(record, field::documentType, "ID");
  }
  return recordFieldStatus(record, field::countryCode) == 0 ? VTX_OK : VTX_ERR_UNRECOGNISED;
}

}  // namespace tavrix
