#include "fields/name_text.h"

#include <cstring>

#include "fields/field_ids.h"
#include "fields/field_words.h"

namespace tavrix {

bool isNameSuffix(Span word) {
  for (const char* suffix : NameSuffixes) {
    if (words::equals(word, suffix)) return true;
  }
  return false;
}

int32_t cleanNameText(char* buffer, int32_t capacity) {
  if (buffer == nullptr || capacity < 1) return VTX_ERR_NOT_AVAILABLE;
  int32_t length = 0;
  while (length < capacity && buffer[length] != '\0') ++length;

  Span tokens[kMaxNameTokens];
  int32_t count = words::split(Span{buffer, length}, tokens, kMaxNameTokens, kNameTokenSeparators, false);
  if (count > 1) count = words::removeIf(tokens, count, 1, isNameSuffix);
  count = words::removeIf(tokens, count, 0,
                          [](Span t) { return words::equals(t, "NONE") || words::equals(t, "NONE."); });

  // Every token starts at or after the place it is written to, so moving
  // them forward one by one never overwrites text still to be read.
  int32_t out = 0;
  for (int32_t i = 0; i < count; ++i) {
    const Span word = words::trimSet(tokens[i], kNameCleaningChars);
    if (spanIsEmpty(word)) continue;
    if (out > 0) buffer[out++] = ' ';
    std::memmove(buffer + out, word.data, static_cast<size_t>(word.length));
    out += word.length;
  }
  // The joined text is never longer than the text it came from, so the
  // terminator lands where a character or the old terminator was; a name
  // that filled the whole capacity without a NUL loses its last byte.
  if (out >= capacity) out = capacity - 1;
  buffer[out] = '\0';
  return out > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

int32_t reorderNameParts(Span* parts, int32_t count) {
  if (parts == nullptr || count < 3) return count;
  if (isNameSuffix(parts[1])) {
    for (int32_t i = 1; i + 1 < count; ++i) parts[i] = parts[i + 1];
    return count - 1;
  }
  if (isNameSuffix(parts[count - 1])) return count - 1;
  if (parts[1].length == 1) {
    const Span last = parts[count - 1];
    for (int32_t i = count - 1; i > 0; --i) parts[i] = parts[i - 1];
    parts[0] = last;
  }
  return count;
}

namespace {

// The first word of the given names and what follows its delimiter.
bool givenWords(const FieldRecord* record, Span* first, Span* rest) {
  const Span given = recordField(record, field::givenNames);
  Span word[1];
  if (words::split(given, word, 1, kGivenNameSeparators, false) < 1) return false;
  *first = word[0];
  const int32_t consumed = static_cast<int32_t>(word[0].data - given.data) + word[0].length + 1;
  *rest = consumed < given.length ? Span{given.data + consumed, given.length - consumed} : Span{};
  return true;
}

}  // namespace

int32_t givenFirst(const FieldRecord* record, char* buffer, int32_t capacity) {
  Span first, rest;
  if (!givenWords(record, &first, &rest)) return VTX_ERR_NOT_AVAILABLE;
  return copyNameOut(buffer, capacity, first);
}

int32_t givenRest(const FieldRecord* record, char* buffer, int32_t capacity) {
  Span first, rest;
  if (!givenWords(record, &first, &rest)) return VTX_ERR_NOT_AVAILABLE;
  // Separators left at either end would only become a stray space.
  rest = words::trimSet(rest, ", ");
  return spanCopyOut(buffer, capacity, rest, ",", ", ", ' ') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

int32_t copyNameOut(char* buffer, int32_t capacity, Span value) {
  return spanCopyOut(buffer, capacity, value, nullptr, nullptr, '\0') > 0 ? VTX_OK : VTX_ERR_NOT_AVAILABLE;
}

int32_t joinNameOut(char* buffer, int32_t capacity, const Span* list, int32_t count) {
  return spanListJoinOut(buffer, capacity, list, count, ' ', nullptr, nullptr, '\0') > 0 ? VTX_OK
                                                                                       : VTX_ERR_NOT_AVAILABLE;
}

}  // namespace tavrix
