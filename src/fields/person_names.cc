#include "fields/person_names.h"

#include "fields/field_ids.h"
#include "fields/field_words.h"
#include "fields/issuer_identity.h"
#include "fields/jurisdiction_handlers.h"
#include "fields/name_text.h"

namespace tavrix {
namespace {

Span trimmedField(const FieldRecord* record, int32_t id) { return words::trimWhite(recordField(record, id)); }

// Copy with commas turned into spaces and runs of spaces and commas
// collapsed, as middle names and given names are written.
int32_t copyCommasAsSpaces(char* buffer, int32_t capacity, Span value) {
  return spanCopyOut(buffer, capacity, value, ",", ", ", ' ') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

bool handlerAnswers(NameHandler handler, const FieldRecord* record, char* buffer, int32_t capacity) {
  return handler != nullptr && handler(record, buffer, capacity) == VTX_OK;
}

// The full name split into its ",$@" parts and reordered.
struct NameParts {
  Span parts[kMaxNameParts];
  int32_t count = 0;
};

NameParts fullNameParts(Span full) {
  NameParts p;
  p.count = reorderNameParts(p.parts, words::split(full, p.parts, kMaxNameParts, kFullNamePartSeparators, false));
  return p;
}

int32_t firstWord(char* buffer, int32_t capacity, Span text) {
  Span word[1];
  if (words::split(text, word, 1, kWordSeparators, false) < 1) return VTX_ERR_NOT_AVAILABLE;
  return copyNameOut(buffer, capacity, word[0]);
}

int32_t firstName(const FieldRecord* record, char* buffer, int32_t capacity) {
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (handlerAnswers(row.firstName, record, buffer, capacity)) return cleanNameText(buffer, capacity);
  const Span stored = trimmedField(record, field::firstName);
  if (copyNameOut(buffer, capacity, stored) == VTX_OK) return cleanNameText(buffer, capacity);
  if (givenFirst(record, buffer, capacity) == VTX_OK) return cleanNameText(buffer, capacity);

  // The handler saw the same record a moment ago, so it is not asked again.
  const Span full = recordField(record, field::fullName);
  if (spanIsEmpty(full)) return VTX_ERR_NOT_AVAILABLE;
  if (row.usesNameSplitters) {
    if (jurisdictionNameSplitters().firstName(record, full, buffer, capacity) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
    return cleanNameText(buffer, capacity);
  }
  const NameParts p = fullNameParts(full);
  int32_t result;
  if (p.count >= 3) {
    result = copyNameOut(buffer, capacity, p.parts[1]);
  } else if (p.count == 2) {
    result = firstWord(buffer, capacity, p.parts[1]);
  } else {
    result = firstWord(buffer, capacity, full);
  }
  return result == VTX_OK ? cleanNameText(buffer, capacity) : VTX_ERR_NOT_AVAILABLE;
}

int32_t lastName(const FieldRecord* record, char* buffer, int32_t capacity) {
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (handlerAnswers(row.lastName, record, buffer, capacity)) return cleanNameText(buffer, capacity);
  const Span stored = trimmedField(record, field::lastName);
  if (copyNameOut(buffer, capacity, stored) == VTX_OK) return cleanNameText(buffer, capacity);

  const Span full = recordField(record, field::fullName);
  if (spanIsEmpty(full)) return VTX_ERR_NOT_AVAILABLE;
  if (row.usesNameSplitters) return jurisdictionNameSplitters().lastName(record, full, buffer, capacity);
  const NameParts p = fullNameParts(full);
  if (p.count >= 2) {
    const Span part = words::trimWhite(p.parts[0]);
    return spanCopyOut(buffer, capacity, part, nullptr, " ", '\0') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
  }
  Span list[kMaxNameParts];
  int32_t count = words::split(full, list, kMaxNameParts, kWordSeparators, false);
  count = words::removeIf(list, count, 0, isNameSuffix);
  if (count >= 3) return joinNameOut(buffer, capacity, list + 2, count - 2);
  if (count == 2) {
    return spanCopyOut(buffer, capacity, list[1], nullptr, " ", '\0') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
  }
  return VTX_ERR_NOT_AVAILABLE;
}

int32_t middleName(const FieldRecord* record, char* buffer, int32_t capacity) {
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (handlerAnswers(row.middleName, record, buffer, capacity)) return VTX_OK;
  const Span stored = trimmedField(record, field::middleName);
  if (copyCommasAsSpaces(buffer, capacity, stored) == VTX_OK && cleanNameText(buffer, capacity) == VTX_OK) {
    return VTX_OK;
  }
  if (givenRest(record, buffer, capacity) == VTX_OK && cleanNameText(buffer, capacity) == VTX_OK) return VTX_OK;

  const Span full = recordField(record, field::fullName);
  if (spanIsEmpty(full)) return VTX_ERR_NOT_AVAILABLE;
  if (row.usesNameSplitters) {
    if (jurisdictionNameSplitters().middleName(record, full, buffer, capacity) != VTX_OK) {
      return VTX_ERR_NOT_AVAILABLE;
    }
    return cleanNameText(buffer, capacity);
  }
  const NameParts p = fullNameParts(full);
  Span chosen;
  if (p.count >= 3) {
    chosen = words::trimWhite(p.parts[2]);
  } else if (p.count == 2) {
    Span list[kMaxNameParts];
    const int32_t count = words::split(p.parts[1], list, kMaxNameParts, kWordSeparators, false);
    if (count < 2) return VTX_ERR_NOT_AVAILABLE;
    return joinNameOut(buffer, capacity, list + 1, count - 1);
  } else {
    // FIRST MIDDLE LAST: a middle word needs a first and a last name
    // around it once the suffixes are gone, so JOHN SMITH JR has none.
    Span list[kMaxNameParts];
    int32_t count = words::split(full, list, kMaxNameParts, kWordSeparators, false);
    if (count < 3) return VTX_ERR_NOT_AVAILABLE;
    count = words::removeIf(list, count, 1, isNameSuffix);
    if (count < 3) return VTX_ERR_NOT_AVAILABLE;
    chosen = list[1];
  }
  return copyCommasAsSpaces(buffer, capacity, chosen);
}

// Leaves "" behind whatever the outcome, so a failed lookup never shows
// the text of an abandoned attempt.
int32_t emptyOnFailure(int32_t result, char* buffer) {
  if (result != VTX_OK) buffer[0] = '\0';
  return result;
}

}  // namespace

int32_t firstNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  buffer[0] = '\0';
  return emptyOnFailure(firstName(record, buffer, capacity), buffer);
}

int32_t lastNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  buffer[0] = '\0';
  return emptyOnFailure(lastName(record, buffer, capacity), buffer);
}

int32_t middleNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  buffer[0] = '\0';
  return emptyOnFailure(middleName(record, buffer, capacity), buffer);
}

int32_t nameSuffixAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span stored = trimmedField(record, field::nameSuffix);
  if (!spanIsEmpty(stored)) {
    if (words::equalsIgnoreCase(stored, "NONE")) return VTX_ERR_NOT_AVAILABLE;
    return copyNameOut(buffer, capacity, stored);
  }
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (handlerAnswers(row.suffix, record, buffer, capacity)) return VTX_OK;

  Span source = recordField(record, field::fullName);
  if (spanIsEmpty(source)) source = recordField(record, field::lastName);
  if (spanIsEmpty(source)) return VTX_ERR_NOT_AVAILABLE;
  Span tokens[kMaxNameTokens];
  const int32_t count = words::split(source, tokens, kMaxNameTokens, kGivenNameSeparators, false);
  // A word at the very start is the name itself, never a suffix.
  const int32_t from = (count > 0 && tokens[0].data == source.data) ? 1 : 0;
  for (int32_t i = from; i < count; ++i) {
    if (isNameSuffix(tokens[i])) return copyNameOut(buffer, capacity, tokens[i]);
  }
  return VTX_ERR_NOT_AVAILABLE;
}

int32_t namePrefixAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const JurisdictionRow& row = findJurisdictionHandlers(record);
  if (handlerAnswers(row.prefix, record, buffer, capacity)) return VTX_OK;
  return copyNameOut(buffer, capacity, trimmedField(record, field::namePrefix));
}

int32_t fullNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  const Span full = recordField(record, field::fullName);
  if (!spanIsEmpty(full)) {
    const Span trimmed = words::trimSet(full, kNameCleaningChars);
    return spanCopyOut(buffer, capacity - 1, trimmed, "$@,", " ", ' ') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
  }
  // First, middle and last name and suffix, each written right after the
  // previous one and followed by a space; the last space becomes the NUL.
  using Part = int32_t (*)(const FieldRecord*, char*, int32_t);
  constexpr Part parts[] = {firstNameAccessor, middleNameAccessor, lastNameAccessor, nameSuffixAccessor};
  int32_t written = 0;
  int32_t budget = capacity - 1;
  for (Part part : parts) {
    if (budget < 1 || part(record, buffer + written, budget) != VTX_OK) continue;
    int32_t length = 0;
    while (length < budget && buffer[written + length] != '\0') ++length;
    if (length == 0 || length >= budget) continue;
    buffer[written + length] = ' ';
    written += length + 1;
    budget -= length + 1;
  }
  if (written == 0) return VTX_ERR_NOT_AVAILABLE;
  buffer[written - 1] = '\0';
  return VTX_OK;
}

}  // namespace tavrix
