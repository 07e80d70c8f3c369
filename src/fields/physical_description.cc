#include "fields/physical_description.h"

#include "engine/ascii_classes.h"
#include "engine/text_numbers.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "fields/issuer_identity.h"
#include "tables/char_classes.h"
#include "tables/physical_tables.h"

namespace tavrix {
namespace {

// The weight accessors refuse buffers smaller than three digits and a NUL.
constexpr int32_t kWeightMinCapacity = 4;
// Pounds per kilogram, in single precision: the factor the weights on
// cards were converted with.
constexpr float kPoundsPerKilogram = 2.2f;
// Longest weight field that is converted (or, in kilograms, copied), and
// longest pounds field copied as stored.
constexpr int32_t kMaxWeightLength = 7;
constexpr int32_t kMaxStoredPoundsLength = 9;

bool textIs(Span s, const char* word) {
  int32_t i = 0;
  for (; word[i] != '\0'; ++i) {
    if (i >= s.length || s.data[i] != word[i]) return false;
  }
  return i == s.length;
}

// Control characters, blanks, DEL and bytes from 0x80 up at either end go.
Span visiblePart(Span value) {
  Span s = value;
  spanTrimIf(&s, isNotVisible);
  return s;
}

// The visible part of `value` with inner invisible characters as spaces,
// cut to capacity - 1. Returns the characters copied (0: buffer untouched).
int32_t visibleCopy(char* buffer, int32_t capacity, Span value) {
  const int32_t written = spanCopyOutIf(buffer, capacity, visiblePart(value), isNotVisible, nullptr, ' ');
  return written > 0 ? written - 1 : 0;
}

int32_t copyText(char* buffer, int32_t capacity, const char* text) {
  if (strCopyOut(buffer, capacity, text) == 0) buffer[0] = '\0';
  return VTX_OK;
}

// The plain cut rule: at most capacity - 1 characters, "" for capacity 1.
int32_t cutCopy(char* buffer, int32_t capacity, Span value) {
  if (spanCopyOut(buffer, capacity, value, nullptr, nullptr, '\0') == 0) buffer[0] = '\0';
  return VTX_OK;
}

bool lengthWithin(Span s, int32_t longest) { return !spanIsEmpty(s) && s.length <= longest; }

bool allOf(Span s, CharPredicate pred) {
  for (int32_t i = 0; i < s.length; ++i) {
    if (pred(byteOf(s.data[i])) == 0) return false;
  }
  return true;
}

// A converted weight: written whole with its NUL, or the empty string.
int32_t writeConverted(char* buffer, int32_t capacity, float value) {
  const auto whole = static_cast<int64_t>(value);
  const int32_t digits = formatIntChecked(whole, buffer, capacity - 1, 0);
  buffer[digits] = '\0';
  return VTX_OK;
}

template <int32_t N>
int32_t colorAccessor(const FieldRecord* record, int32_t id, const ColorRow (&rows)[N], char* buffer,
                      int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span value = recordField(record, id);
  if (spanIsEmpty(value)) return VTX_ERR_NOT_AVAILABLE;
  const char* name = (value.length == 2 || value.length == 3) ? colorName(rows, value) : nullptr;
  if (name != nullptr) return copyText(buffer, capacity, name);
  return cutCopy(buffer, capacity, value);
}

// The weight-range digit's text: the whole field read as a number 0-9.
int32_t weightRange(const FieldRecord* record, bool pounds, char* buffer, int32_t capacity) {
  const Span range = recordField(record, field::weightRange);
  if (spanIsEmpty(range) || isAsciiDigit(byteOf(range.data[0])) == 0) return VTX_ERR_NOT_AVAILABLE;
  const int32_t digit = spanAtoi(range);
  if (digit > 9) return VTX_ERR_NOT_AVAILABLE;
  const WeightRangeRow& row = WeightRanges[digit];
  return copyText(buffer, capacity, pounds ? row.pounds : row.kilograms);
}

bool weightArgumentsValid(const FieldRecord* record, const char* buffer, int32_t capacity) {
  return accessorArgumentsValid(record, buffer, capacity) && capacity >= kWeightMinCapacity;
}

int32_t feetAndInches(Span stored, char* buffer, int32_t capacity) {
  const Span s = visiblePart(stored);
  if (spanIsEmpty(s)) return VTX_ERR_NOT_AVAILABLE;
  if (s.length + 2 >= capacity) return VTX_ERR_BUFFER_TOO_SMALL;
  buffer[0] = s.data[0];
  buffer[1] = '\'';
  const Span inches{s.data + 1, s.length - 1};
  const int32_t copied = spanCopyFilteredIf(buffer + 2, inches.length, inches, isNotVisible, nullptr, ' ');
  buffer[2 + copied] = '"';
  buffer[3 + copied] = '\0';
  return VTX_OK;
}

int32_t centimetres(Span stored, char* buffer, int32_t capacity) {
  const Span s = visiblePart(stored);
  // A blank field has no height to report; only a real value can be too long.
  if (spanIsEmpty(s)) return VTX_ERR_NOT_AVAILABLE;
  if (s.length + 2 >= capacity) return VTX_ERR_BUFFER_TOO_SMALL;
  const int32_t copied = spanCopyFilteredIf(buffer, s.length, s, isNotVisible, nullptr, ' ');
  buffer[copied] = 'c';
  buffer[copied + 1] = 'm';
  buffer[copied + 2] = '\0';
  return VTX_OK;
}

}  // namespace

int32_t sexOf(const FieldRecord* record, int32_t* out) {
  if (record == nullptr || out == nullptr) return VTX_ERR_ARGUMENT;
  const Span value = recordField(record, field::gender);
  if (spanIsEmpty(value)) return VTX_ERR_NOT_AVAILABLE;
  const char first = value.data[0];
  if (textIs(value, "MALE") || first == '1' || first == 'M') {
    *out = kSexMale;
    return VTX_OK;
  }
  if (textIs(value, "FEMALE") || first == '2' || first == 'F') {
    *out = kSexFemale;
    return VTX_OK;
  }
  return VTX_ERR_NOT_AVAILABLE;
}

int32_t genderAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  int32_t sex = 0;
  const int32_t found = sexOf(record, &sex);
  if (found != VTX_OK) return found;
  const char* word = sex == kSexMale ? "Male" : "Female";
  const int32_t needed = sex == kSexMale ? 5 : 7;
  if (capacity < needed) return VTX_ERR_BUFFER_TOO_SMALL;
  return copyText(buffer, capacity, word);
}

int32_t eyeColorAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return colorAccessor(record, field::eyeColor, EyeColors, buffer, capacity);
}

int32_t hairColorAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  return colorAccessor(record, field::hairColor, HairColors, buffer, capacity);
}

int32_t raceAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  // Nothing visible is no race; a buffer of one byte takes the empty string.
  const Span race = visiblePart(recordField(record, field::race));
  if (spanIsEmpty(race)) return VTX_ERR_NOT_AVAILABLE;
  if (visibleCopy(buffer, capacity, race) == 0) buffer[0] = '\0';
  return VTX_OK;
}

int32_t heightAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span stored = recordField(record, field::height);
  if (!spanIsEmpty(stored)) return visibleCopy(buffer, capacity, stored) > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
  const Span feet = recordField(record, field::heightFeetInches);
  if (!spanIsEmpty(feet)) return feetAndInches(feet, buffer, capacity);
  const Span cm = recordField(record, field::heightCm);
  if (!spanIsEmpty(cm)) return centimetres(cm, buffer, capacity);
  return VTX_ERR_NOT_AVAILABLE;
}

int32_t weightKgAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!weightArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span pounds = recordField(record, field::weightPounds);
  if (lengthWithin(pounds, kMaxWeightLength) && allOf(pounds, isAsciiDigit)) {
    return writeConverted(buffer, capacity, static_cast<float>(spanAtoi(pounds)) / kPoundsPerKilogram + 0.5f);
  }
  const Span kilograms = recordField(record, field::weightKg);
  if (lengthWithin(kilograms, kMaxWeightLength) && allOf(kilograms, isDecimalChar)) {
    return cutCopy(buffer, capacity, kilograms);
  }
  return weightRange(record, false, buffer, capacity);
}

int32_t weightLbsAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!weightArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span pounds = recordField(record, field::weightPounds);
  if (lengthWithin(pounds, kMaxStoredPoundsLength)) return cutCopy(buffer, capacity, pounds);
  const Span kilograms = recordField(record, field::weightKg);
  if (lengthWithin(kilograms, kMaxWeightLength) && allOf(kilograms, isAsciiDigit)) {
    return writeConverted(buffer, capacity, static_cast<float>(spanAtoi(kilograms)) * kPoundsPerKilogram + 0.5f);
  }
  return weightRange(record, true, buffer, capacity);
}

}  // namespace tavrix
