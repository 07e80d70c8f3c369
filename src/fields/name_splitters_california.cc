// California writes the full name either as LAST,FIRST,MIDDLE (any of
// ",$@" between the parts) or as FIRST MIDDLE LAST with spaces only.
#include "fields/field_words.h"
#include "fields/jurisdiction_name_handlers.h"
#include "fields/name_text.h"

namespace tavrix {
namespace {

// A part trimmed of white space, runs of spaces squeezed.
int32_t copyPart(char* buffer, int32_t capacity, Span part) {
  return spanCopyOut(buffer, capacity, words::trimWhite(part), nullptr, " ", '\0') > 0 ? VTX_OK
                                                                                       : VTX_ERR_NOT_AVAILABLE;
}

int32_t firstWordOf(char* buffer, int32_t capacity, Span text) {
  Span word[1];
  if (words::split(text, word, 1, " ", false) < 1) return VTX_ERR_NOT_AVAILABLE;
  return copyNameOut(buffer, capacity, word[0]);
}

}  // namespace

int32_t californiaSplitFirstName(const FieldRecord*, Span fullName, char* buffer, int32_t capacity) {
  Span parts[3];
  const int32_t count = words::split(fullName, parts, 3, kFullNamePartSeparators, false);
  if (count == 3) return copyPart(buffer, capacity, parts[1]);
  if (count == 2) return firstWordOf(buffer, capacity, parts[1]);
  return firstWordOf(buffer, capacity, fullName);
}

int32_t californiaSplitLastName(const FieldRecord*, Span fullName, char* buffer, int32_t capacity) {
  Span parts[2];
  if (words::split(fullName, parts, 2, kFullNamePartSeparators, false) == 2) {
    return copyPart(buffer, capacity, parts[0]);
  }
  Span list[kMaxNameTokens];
  const int32_t count = words::split(fullName, list, kMaxNameTokens, " ", false);
  if (count > 2) return joinNameOut(buffer, capacity, list + 2, count - 2);
  if (count == 2) return copyNameOut(buffer, capacity, list[1]);
  return VTX_ERR_NOT_AVAILABLE;
}

int32_t californiaSplitMiddleName(const FieldRecord*, Span fullName, char* buffer, int32_t capacity) {
  Span parts[3];
  const int32_t count = words::split(fullName, parts, 3, kFullNamePartSeparators, false);
  if (count == 3) return copyPart(buffer, capacity, parts[2]);
  if (count == 2) {
    // The given names after the first one.
    Span given = words::trimWhite(parts[1]);
    Span word[1];
    if (words::split(given, word, 1, " ", false) == 1) {
      const int32_t used = static_cast<int32_t>(word[0].data - given.data) + word[0].length;
      const Span rest = words::trimWhite(Span{given.data + used, given.length - used});
      if (!spanIsEmpty(rest)) return copyPart(buffer, capacity, rest);
    }
  }
  Span list[kMaxNameTokens];
  if (words::split(fullName, list, kMaxNameTokens, " ", false) < 3) return VTX_ERR_NOT_AVAILABLE;
  return copyNameOut(buffer, capacity, list[1]);
}

}  // namespace tavrix
