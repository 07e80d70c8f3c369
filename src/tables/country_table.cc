#include "tables/country_table.h"

#include "engine/ascii_classes.h"

namespace tavrix {
namespace {

// Compares `length` characters of `text`, upper-cased, with a row string
// that must have exactly that length.
bool equalsUpper(const char* text, int32_t length, const char* row) {
  int32_t i = 0;
  for (; i < length; ++i) {
    if (row[i] == '\0' || asciiUpper(text[i]) != row[i]) return false;
  }
  return row[i] == '\0';
}

// The rows by the first letter of their name, each letter's rows in table
// order, so that a lookup by name visits only rows that can match.
struct NameIndex {
  int16_t rows[kCountryRowCount] = {};
  int16_t start[27] = {};  // rows of letter L: start[L - 'A'] .. start[L - 'A' + 1]
};

constexpr NameIndex buildNameIndex() {
  NameIndex index;
  int16_t next = 0;
  for (int32_t letter = 0; letter < 26; ++letter) {
    index.start[letter] = next;
    for (int32_t r = 0; r < kCountryRowCount; ++r) {
      if (CountryTable[r].name[0] == 'A' + letter) index.rows[next++] = static_cast<int16_t>(r);
    }
  }
  index.start[26] = next;
  return index;
}
constexpr NameIndex kNameIndex = buildNameIndex();
static_assert(kNameIndex.start[26] == kCountryRowCount, "every country name begins with a letter");

// Walks the name and the row together, so an over-long name stops at the
// row's end and is never read further than one character past it.
bool sameName(const char* name, const char* rowName) {
  int32_t i = 0;
  while (rowName[i] != '\0' && name[i] != '\0' && asciiUpper(name[i]) == rowName[i]) ++i;
  return rowName[i] == '\0' && name[i] == '\0';
}

}  // namespace

const char* countryCodeFromName(const char* name) {
  if (name == nullptr) return nullptr;
  const char first = asciiUpper(name[0]);
  if (first < 'A' || first > 'Z') return nullptr;  // no row's name begins so
  for (int32_t k = kNameIndex.start[first - 'A']; k < kNameIndex.start[first - 'A' + 1]; ++k) {
    const CountryRow& row = CountryTable[kNameIndex.rows[k]];
    if (sameName(name, row.name)) return row.code;
  }
  return nullptr;
}

const char* countryNameFromCode(Span code) {
  if (spanIsEmpty(code)) return nullptr;
  for (const CountryRow& row : CountryTable) {
    if (equalsUpper(code.data, code.length, row.code)) return row.name;
  }
  return nullptr;
}

bool countryCodeIsKnown(const char* text) {
  if (text == nullptr) return false;
  for (const CountryRow& row : CountryTable) {
    int32_t i = 0;
    while (row.code[i] != '\0' && text[i] == row.code[i]) ++i;
    if (row.code[i] == '\0' && text[i] == '\0') return true;
  }
  return false;
}

}  // namespace tavrix
