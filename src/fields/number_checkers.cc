// The checkers behind the licence-number table: the pattern checker and
// the three jurisdictions whose numbers encode the holder.
#include "engine/ascii_classes.h"
#include "engine/soundex.h"
#include "fields/dates.h"
#include "fields/number_patterns.h"
#include "fields/person_names.h"
#include "fields/physical_description.h"

namespace tavrix {
namespace {

inline constexpr int32_t kSoundexLength = 4;

// The number begins with the Soundex code of the holder's last name, read
// into the scratch buffer. A name the code cannot be formed of (a space or
// hyphen in it, no name at all) never matches.
bool beginsWithLastNameCode(const FieldRecord* record, char* scratch, int32_t capacity, Span number) {
  if (number.length < kSoundexLength) return false;
  if (lastNameAccessor(record, scratch, capacity) != VTX_OK) return false;
  char code[kSoundexLength];
  if (soundexCodeStr(scratch, code) != VTX_OK) return false;
  for (int32_t i = 0; i < kSoundexLength; ++i) {
    if (number.data[i] != code[i]) return false;
  }
  return true;
}

// The two characters of a value 0..99, zero-padded.
struct TwoDigits {
  char tens;
  char units;
};
TwoDigits twoDigitsOf(int32_t value) {
  return TwoDigits{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// The last two digits of the year, also for a year before 0.
TwoDigits lastTwoDigitsOfYear(int32_t year) { return twoDigitsOf(((year % 100) + 100) % 100); }

bool takeTwoDigits(NumberCursor& cursor, TwoDigits digits) {
  return cursor.take(digits.tens) && cursor.take(digits.units);
}

}  // namespace

bool numberHasPattern(const FieldRecord*, char*, int32_t, Span number, const unsigned char* pattern) {
  return numberMatchesPattern(number, pattern);
}

bool numberFollowsFloridaRule(const FieldRecord* record, char* scratch, int32_t capacity, Span number,
                              const unsigned char*) {
  if (!beginsWithLastNameCode(record, scratch, capacity, number)) return false;
  DateTime birth;
  if (birthDateOf(record, &birth) != VTX_OK) return false;
  NumberCursor cursor{number, kSoundexLength};
  cursor.skipOptional('-');
  if (!cursor.takeRun(isAsciiDigit, 3)) return false;
  cursor.skipOptional('-');
  if (!takeTwoDigits(cursor, lastTwoDigitsOfYear(birth.year))) return false;
  cursor.skipOptional('-');
  if (!cursor.takeRun(isAsciiDigit, 3)) return false;
  // The end, a trailing '-', or one more digit with an optional '-' before it.
  if (cursor.atEnd()) return true;
  cursor.skipOptional('-');
  if (cursor.atEnd()) return true;
  return cursor.take(isAsciiDigit) && cursor.atEnd();
}

bool numberFollowsWisconsinRule(const FieldRecord* record, char* scratch, int32_t capacity, Span number,
                                const unsigned char*) {
  if (!beginsWithLastNameCode(record, scratch, capacity, number)) return false;
  NumberCursor cursor{number, kSoundexLength};
  if (!cursor.takeRun(isAsciiDigit, 3)) return false;
  DateTime birth;
  if (birthDateOf(record, &birth) != VTX_OK) return false;
  if (!takeTwoDigits(cursor, lastTwoDigitsOfYear(birth.year))) return false;
  int32_t sex = 0;
  if (sexOf(record, &sex) != VTX_OK) return false;
  // The character after the year: 0-4 for a man, 5-9 for a woman.
  if (cursor.atEnd()) return false;
  const char marker = cursor.peek();
  const bool fits = sex == kSexMale ? (marker >= '0' && marker <= '4') : (marker >= '5' && marker <= '9');
  if (!fits) return false;
  ++cursor.at;
  return number.length == 14 && cursor.takeRun(isAsciiDigit, 4) && cursor.atEnd();
}

bool numberFollowsConnecticutRule(const FieldRecord* record, char*, int32_t, Span number, const unsigned char*) {
  if (number.length != 9) return false;
  DateTime birth;
  if (birthDateOf(record, &birth) != VTX_OK) return false;
  const int32_t month = birth.month + (birth.year % 2 == 0 ? 12 : 0);
  if (month < 0 || month > 99) return false;
  NumberCursor cursor{number, 0};
  return takeTwoDigits(cursor, twoDigitsOf(month)) && cursor.takeRun(isAsciiDigit, 7) && cursor.atEnd();
}

}  // namespace tavrix
