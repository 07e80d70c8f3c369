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

}  // namespace

const char* countryCodeFromName(const char* name) {
  if (name == nullptr) return nullptr;
  for (const CountryRow& row : CountryTable) {
    // Walks the name and the row together, so an over-long name stops at
    // the row's end and is never read further than one character past it.
    int32_t i = 0;
    while (row.name[i] != '\0' && name[i] != '\0' && asciiUpper(name[i]) == row.name[i]) ++i;
    if (row.name[i] == '\0' && name[i] == '\0') return row.code;
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
