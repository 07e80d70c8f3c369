// The address and postal-code handlers of the jurisdiction rows.
#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/address.h"
#include "fields/address_hooks.h"
#include "fields/issuer_identity.h"

namespace tavrix {
namespace {

constexpr int32_t kUsPostalLength = 10;  // 12345-6789
constexpr int32_t kUsPostalHyphen = 5;

int32_t boundedLength(const char* text, int32_t capacity) {
  int32_t n = 0;
  while (n < capacity && text[n] != '\0') ++n;
  return n;
}

bool onlySpaces(Span s) {
  for (int32_t i = 0; i < s.length; ++i) {
    if (s.data[i] != ' ') return false;
  }
  return true;
}

bool containsDigit(Span s) {
  for (int32_t i = 0; i < s.length; ++i) {
    if (isAsciiDigit(byteOf(s.data[i])) != 0) return true;
  }
  return false;
}

// Removes every occurrence of `needle` from text[0, length), left to
// right without overlap, where the occurrence ends the text or a space
// follows it, so a removal never cuts into a word ("12 ONTARIO ST" keeps
// its " ON"). An empty or all-space needle removes nothing. Returns the
// new length. The needle must not lie inside text[0, length).
int32_t removeWordRuns(char* text, int32_t length, Span needle) {
  if (spanIsEmpty(needle) || onlySpaces(needle)) return length;
  int32_t out = 0;
  int32_t i = 0;
  while (i < length) {
    const int32_t end = i + needle.length;
    bool match = end <= length && (end == length || text[end] == ' ');
    for (int32_t k = 0; match && k < needle.length; ++k) match = text[i + k] == needle.data[k];
    if (match) {
      i = end;
      continue;
    }
    text[out++] = text[i++];
  }
  return out;
}

// Drops white space at the start, at the end and after other white space.
int32_t collapseWhiteSpace(char* text, int32_t length) {
  int32_t out = 0;
  for (int32_t i = 0; i < length; ++i) {
    const bool space = isAsciiSpace(byteOf(text[i])) != 0;
    if (space && (out == 0 || isAsciiSpace(byteOf(text[out - 1])) != 0)) continue;
    text[out++] = text[i];
  }
  while (out > 0 && isAsciiSpace(byteOf(text[out - 1])) != 0) --out;
  return out;
}

// Composes " <city> <jurisdiction> <postal code>" in scratch[0, room) and
// records where its shorter forms end. False when the room runs out before
// a piece, or a piece may have been cut by it (removing a cut code would
// leave half of it behind).
struct Appendix {
  int32_t length = 0;
  int32_t throughJurisdiction = 0;
  int32_t throughCity = 0;  // 0 without a city
};

using PieceAccessor = int32_t (*)(const FieldRecord* record, char* buffer, int32_t capacity);

struct AppendixWriter {
  const FieldRecord* record;
  char* scratch;
  int32_t room;
  int32_t used = 0;

  bool space() {
    if (used >= room) return false;
    scratch[used++] = ' ';
    return true;
  }
  // -1: out of room; 0: the accessor failed; 1: the piece was written.
  int32_t piece(PieceAccessor accessor) {
    const int32_t left = room - used;
    if (left < 2) return -1;  // not even one character and its NUL
    if (accessor(record, scratch + used, left) != VTX_OK) return 0;
    const int32_t n = boundedLength(scratch + used, left);
    if (n >= left - 1) return -1;
    used += n;
    return 1;
  }
};

bool composeAppendix(const FieldRecord* record, char* scratch, int32_t room, Appendix* out) {
  AppendixWriter w{record, scratch, room};
  if (!w.space()) return false;
  const int32_t city = w.piece(cityAccessor);
  if (city < 0) return false;
  if (city == 0) w.used = 0;  // no city: nor the space before it
  out->throughCity = city > 0 ? w.used : 0;
  if (!w.space() || w.piece(jurisdictionCodeAccessor) < 0) return false;
  out->throughJurisdiction = w.used;
  if (!w.space() || w.piece(postalCodeAccessor) < 0) return false;
  out->length = w.used;
  return true;
}

}  // namespace

int32_t canadianAddressHandler(const FieldRecord* record, const int32_t* ids, int32_t count, char* buffer,
                               int32_t capacity) {
  if (!accessorArgumentsValid(record, buffer, capacity)) return VTX_ERR_ARGUMENT;
  Span street;
  if (recordGetFirst(record, ids, count, &street) != VTX_OK) return VTX_ERR_NOT_AVAILABLE;
  spanTrimSet(&street, kStreetCleaningChars);
  const int32_t written = spanCopyOut(buffer, capacity, street, nullptr, " ", '\0');
  if (written < 2) return VTX_ERR_NOT_AVAILABLE;
  int32_t length = written - 1;

  // Behind the street's NUL the caller's buffer is scratch for the
  // appendix the issuer may have written into the street line.
  char* scratch = buffer + written;
  Appendix appendix;
  if (!composeAppendix(record, scratch, capacity - written, &appendix)) return VTX_OK;
  length = removeWordRuns(buffer, length, Span{scratch, appendix.length});
  length = removeWordRuns(buffer, length, Span{scratch, appendix.throughJurisdiction});
  length = removeWordRuns(buffer, length, Span{scratch, appendix.throughCity});
  length = collapseWhiteSpace(buffer, length);
  buffer[length] = '\0';
  return VTX_OK;
}

int32_t usPostalCodeHandler(Span postalCode, char* buffer, int32_t capacity) {
  if (buffer == nullptr || capacity < 1) return VTX_ERR_ARGUMENT;
  Span code = postalCode;
  spanTrimIf(&code, isAsciiSpace);
  // A code without a single digit is no postal code, not "00000-0000".
  if (spanIsEmpty(code) || !containsDigit(code)) return VTX_ERR_NOT_AVAILABLE;
  if (capacity < kUsPostalLength + 1) return VTX_ERR_BUFFER_TOO_SMALL;
  for (int32_t i = 0; i < kUsPostalLength; ++i) buffer[i] = '0';
  buffer[kUsPostalHyphen] = '-';
  buffer[kUsPostalLength] = '\0';
  int32_t place = 0;
  for (int32_t i = 0; i < code.length && place < 9; ++i) {
    if (isAsciiDigit(byteOf(code.data[i])) == 0) continue;
    buffer[place < kUsPostalHyphen ? place : place + 1] = code.data[i];
    ++place;
  }
  return VTX_OK;
}

}  // namespace tavrix
