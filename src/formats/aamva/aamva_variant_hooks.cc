#include "formats/aamva/aamva_variant_hooks.h"

#include <cstring>
#include <initializer_list>

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

constexpr char kFs = '\x1c';
constexpr char kRs = '\x1e';

bool isDigitAt(Span input, int32_t pos) { return isAsciiDigit(byteOf(input.data[pos])) != 0; }
bool acceptedSeparator(char c) { return c == kFs || c == kRs || c == '6'; }
bool fsOrRs(char c) { return c == kFs || c == kRs; }

bool textAt(Span input, int32_t pos, const char* text) {
  const int32_t n = static_cast<int32_t>(std::strlen(text));
  return input.length >= pos + n && std::memcmp(input.data + pos, text, static_cast<size_t>(n)) == 0;
}
bool textWithin(Span input, int32_t pos, int32_t window, const char* text) {
  if (input.length < pos + window) return false;
  const Span needle{text, static_cast<int32_t>(std::strlen(text))};
  return spanFind(Span{input.data + pos, window}, needle) >= 0;
}

bool isDateField(int32_t fieldId) {
  return fieldId == field::expirationDate || fieldId == field::birthDate || fieldId == field::issueDate;
}

// ---- the offset family of directory entries ----

struct OffsetEntry {
  int32_t offset;   // the offset text's value
  Span lengthText;  // characters 6 to 9
};

// A directory entry of at least 10 characters with a numeric offset; sets
// the subfile type as the default does.
int32_t readOffsetEntry(AamvaReader* reader, Span directory, SubfileEntry* entry, OffsetEntry* out) {
  if (directory.data == nullptr) return aamva_rc::kBounds;
  if (directory.length < 10) return aamva_rc::kDirectory;
  aamvaSetSubfileType(reader, directory, entry);
  const Span offsetText{directory.data + 2, 4};
  if (!aamvaNumericText(offsetText)) return aamva_rc::kDirectory;
  out->offset = spanAtoi(offsetText);
  out->lengthText = Span{directory.data + 6, 4};
  return 0;
}

// The stated length, bounded by what remains from `start`; all of it when
// the length text is not a number.
int32_t boundedLength(Span input, Span lengthText, int32_t start) {
  const int32_t room = input.length - start;
  if (!aamvaNumericText(lengthText)) return room;
  const int32_t stated = spanAtoi(lengthText);
  return stated < room ? stated : room;
}

int32_t entryWithOffsetDelta(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry,
                             int32_t delta) {
  OffsetEntry e{};
  const int32_t rc = readOffsetEntry(reader, directory, entry, &e);
  if (rc != 0) return rc;
  const int32_t off = aamvaDldaaCorrection(input, e.offset + delta);
  if (off < 0 || off > input.length) return aamva_rc::kDirectory;
  entry->offset = off;
  entry->length = boundedLength(input, e.lengthText, off);
  return 0;
}

void storeRotated(AamvaReader* reader, int32_t fieldId, Span value) {
  char digits[31];
  int32_t n = 0;
  for (int32_t i = 0; i < value.length && n < static_cast<int32_t>(sizeof digits); ++i) {
    if (value.data[i] != '-') digits[n++] = value.data[i];
  }
  // The year in front moves to the end; a value shorter than a year moves whole.
  const int32_t head = n < 4 ? n : 4;
  char rotated[sizeof digits];
  std::memcpy(rotated, digits + head, static_cast<size_t>(n - head));
  std::memcpy(rotated + (n - head), digits, static_cast<size_t>(head));
  recordSetSpan(reader->record, fieldId, Span{rotated, n});
}

}  // namespace

// ---- file-type checks ----

int32_t aamvaCheckAnsiAt4To8(AamvaReader* reader, Span input) {
  if (input.length < 9) return aamva_rc::kTooShort;
  if (!acceptedSeparator(reader->recordSeparator)) return aamva_rc::kSeparator;
  return textWithin(input, 4, 5, "ANSI") ? 0 : aamva_rc::kNoAnsi;
}

int32_t aamvaCheckAnsiAt4To7(AamvaReader* reader, Span input) {
  if (input.length < 8) return aamva_rc::kTooShort;
  if (!acceptedSeparator(reader->recordSeparator)) return aamva_rc::kSeparator;
  return textAt(input, 4, "ANSI") ? 0 : aamva_rc::kNoAnsi;
}

int32_t aamvaCheckAamva36At3(AamvaReader*, Span input) {
  if (input.length < 10) return aamva_rc::kTooShort;
  return textAt(input, 3, "AAMVA36") ? 0 : aamva_rc::kNoAamva;
}

int32_t aamvaCheckAamva36At4(AamvaReader* reader, Span input) {
  if (input.length < 11) return aamva_rc::kTooShort;
  if (!fsOrRs(reader->recordSeparator)) return aamva_rc::kSeparator;
  return textAt(input, 4, "AAMVA36") ? 0 : aamva_rc::kNoAamva;
}

int32_t aamvaCheckAamvaAt4To10(AamvaReader*, Span input) {
  if (input.length < 11) return aamva_rc::kTooShort;
  return textWithin(input, 4, 7, "AAMVA") ? 0 : aamva_rc::kNoAamva;
}

int32_t aamvaCheckAamvaAt4To8(AamvaReader* reader, Span input) {
  if (input.length < 9) return aamva_rc::kTooShort;
  if (!fsOrRs(reader->recordSeparator)) return aamva_rc::kSeparator;
  return textAt(input, 4, "AAMVA") ? 0 : aamva_rc::kNoAamva;
}

int32_t aamvaCheckAamvaAt4To8Any(AamvaReader*, Span input) {
  if (input.length < 9) return aamva_rc::kTooShort;
  return textAt(input, 4, "AAMVA") ? 0 : aamva_rc::kNoAamvaPlain;
}

int32_t aamvaCheckRsOnly(AamvaReader* reader, Span) {
  return reader->recordSeparator == kRs ? 0 : aamva_rc::kSeparator;
}

// ---- header forms ----

int32_t aamvaVersionAssumed(AamvaReader* reader, Span) {
  reader->version = reader->layout.maxVersion;
  return 0;
}

int32_t aamvaEntryCountOne(AamvaReader* reader, Span) {
  reader->entryCount = 1;
  return 0;
}

int32_t aamvaEntryCountLenient(AamvaReader* reader, Span input) {
  const int32_t rc = aamvaParseEntryCount(reader, input);
  return rc == aamva_rc::kEntryCount ? 0 : rc;
}

int32_t aamvaParseHeaderLineFeed(AamvaReader* reader, Span input) {
  if (spanIsEmpty(input)) return aamva_rc::kBounds;
  if (input.length <= reader->layout.headerLength) return aamva_rc::kTooShort;
  if (input.data[0] != '@') return aamva_rc::kNoAt;
  reader->headerEnd = reader->layout.headerLength;
  reader->elementSeparator = '\n';
  reader->recordSeparator = '\n';
  reader->segmentTerminator = '\n';
  return aamvaReadHeaderNumbers(reader, input);
}

// ---- directory entries ----

int32_t aamvaEntryOffsetMinusOne(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  return entryWithOffsetDelta(reader, input, directory, entry, -1);
}

int32_t aamvaEntryOffsetPlusOne(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  return entryWithOffsetDelta(reader, input, directory, entry, 1);
}

int32_t aamvaEntryOffsetDigitStep(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  OffsetEntry e{};
  const int32_t rc = readOffsetEntry(reader, directory, entry, &e);
  if (rc != 0) return rc;
  const int32_t off = aamvaDldaaCorrection(input, e.offset);
  if (off < 0 || off > input.length) return aamva_rc::kDirectory;
  const int32_t start = (off < input.length && isDigitAt(input, off)) ? off + 1 : off;
  // The entry keeps one character before the start, which the location
  // then treats as part of the subfile.
  entry->offset = start - 1;
  entry->length = boundedLength(input, e.lengthText, start) + 1;
  return 0;
}

int32_t aamvaEntryOffsetTypeRepeat(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  OffsetEntry e{};
  const int32_t rc = readOffsetEntry(reader, directory, entry, &e);
  if (rc != 0) return rc;
  int32_t off = aamvaDldaaCorrection(input, e.offset - 1);
  if (off < 0 || off > input.length) return aamva_rc::kDirectory;
  if (off < input.length) {
    if (isDigitAt(input, off)) ++off;
    // The subfile repeats its type ("DL") before the first element.
    if (input.length - off >= 2 && input.data[off] == directory.data[0] && input.data[off + 1] == directory.data[1]) {
      off += 2;
    }
  }
  entry->offset = off;
  entry->length = boundedLength(input, e.lengthText, off);
  return 0;
}

int32_t aamvaEntryTypeOnly(AamvaReader* reader, Span, Span directory, SubfileEntry* entry) {
  if (directory.data == nullptr) return aamva_rc::kBounds;
  if (directory.length < 2) return aamva_rc::kDirectory;
  aamvaSetSubfileType(reader, directory, entry);
  return 0;
}

int32_t aamvaEntryFixedStart(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  const int32_t rc = aamvaEntryTypeOnly(reader, input, directory, entry);
  if (rc != 0) return rc;
  const int32_t start = reader->subfileStart;
  // A text too short for the fixed start has no subfile.
  if (start < 0 || input.length < start) return aamva_rc::kBounds;
  entry->offset = start;
  entry->length = input.length - start;
  return 0;
}

int32_t aamvaEntryPatternStart(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  const int32_t rc = aamvaEntryTypeOnly(reader, input, directory, entry);
  if (rc != 0) return rc;
  int32_t start = aamvaFindSubfileByPattern(input);
  if (start < 0) start = reader->subfileStart;
  if (start < 0 || input.length < start) return aamva_rc::kBounds;
  entry->offset = start;
  entry->length = input.length - start;
  return 0;
}

int32_t aamvaEntryNextSubfile(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  if (directory.data == nullptr) return aamva_rc::kBounds;
  if (directory.length < 2 || !((directory.data[0] == 'D' && directory.data[1] == 'L') ||
                                (directory.data[0] == 'I' && directory.data[1] == 'D'))) {
    return aamva_rc::kDirectory;
  }
  aamvaSetSubfileType(reader, directory, entry);
  // The subfile is the next place the same type is written.
  const int32_t from = static_cast<int32_t>(directory.data - input.data) + 2;
  for (int32_t p = from; p >= 0 && p + 3 <= input.length; ++p) {
    if (input.data[p] == directory.data[0] && input.data[p + 1] == directory.data[1]) {
      entry->offset = p;
      entry->length = input.length - p;
      return 0;
    }
  }
  return aamva_rc::kNoSubfile;
}

int32_t aamvaFindSlDirectoryEntry(AamvaReader* reader, Span input, Span* directory) {
  return aamvaScanDirectory(reader, input, "SL", "SL", directory);
}

int32_t aamvaEntrySl(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  if (directory.data == nullptr) return aamva_rc::kBounds;
  if (directory.length < 10) return aamva_rc::kDirectory;
  if (directory.data[0] == 'S' && directory.data[1] == 'L') {
    entry->type = kSubfileDl;
    recordSetFieldStr(reader->record, field::documentType, "DL");
  }
  const Span offsetText{directory.data + 2, 4};
  if (!aamvaNumericText(offsetText)) return aamva_rc::kDirectory;
  const int32_t off = spanAtoi(offsetText) + static_cast<int32_t>(directory.data - input.data);
  if (off < 0 || off > input.length) return aamva_rc::kDirectory;
  int32_t start = off + 12;
  if (start < input.length && isDigitAt(input, start)) start = off + 13;
  const Span lengthText{directory.data + 6, 4};
  if (!aamvaNumericText(lengthText)) return aamva_rc::kNoSubfile;
  const int32_t stated = spanAtoi(lengthText);
  if (stated < 0) return aamva_rc::kNoSubfile;
  // An offset near the end of a short text leaves no room for the subfile.
  if (start > input.length) return aamva_rc::kBounds;
  entry->offset = start;
  entry->length = stated < input.length - start ? stated : input.length - start;
  return 0;
}

// ---- subfile location ----

int32_t aamvaLocateFixedStart(AamvaReader* reader, Span input, const SubfileEntry*, Span* data) {
  const int32_t start = reader->subfileStart;
  Span located = start >= 0 && input.length > start ? Span{input.data + start, input.length - start} : Span{input.data, 0};
  located = aamvaDropSubfileType(located);
  if (!spanIsEmpty(located) && located.data[0] == 'L') spanAdvance(&located, 1);
  *data = located;
  return 0;
}

int32_t aamvaLocateTypeOnly(AamvaReader*, Span input, const SubfileEntry* entry, Span* data) {
  Span located;
  const int32_t rc = aamvaEntrySpan(input, entry, &located);
  if (rc != 0) return rc;
  *data = aamvaDropSubfileType(located);
  return 0;
}

int32_t aamvaLocatePlain(AamvaReader*, Span input, const SubfileEntry* entry, Span* data) {
  return aamvaEntrySpan(input, entry, data);
}

// ---- element stores ----

int32_t aamvaStoreRotatedDates(AamvaReader* reader, int32_t fieldId, Span value) {
  if (!isDateField(fieldId)) return aamvaStoreElement(reader, fieldId, value);
  spanTrimIf(&value, isBlankOrNul);
  storeRotated(reader, fieldId, value);
  return 0;
}

int32_t aamvaStoreWideTrimRotatedDates(AamvaReader* reader, int32_t fieldId, Span value) {
  // Everything outside "!".."}" goes at both ends.
  spanTrimIf(&value, isNotVisible);
  if (fieldId == field::heightCm) fieldId = field::height;
  return aamvaStoreRotatedDates(reader, fieldId, value);
}

int32_t aamvaStoreMonthNameDates(AamvaReader* reader, int32_t fieldId, Span value) {
  if (isDateField(fieldId) && value.length == 11) {
    static constexpr char kMonths[] = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    char month[3];
    for (int32_t i = 0; i < 3; ++i) month[i] = asciiUpper(value.data[3 + i]);
    int32_t number = 0;
    for (int32_t m = 0; m < 12 && number == 0; ++m) {
      if (std::memcmp(kMonths + 3 * m, month, 3) == 0) number = m + 1;
    }
    if (number == 0) return 0;  // not a month: nothing stored
    const char date[8] = {value.data[7], value.data[8], value.data[9], value.data[10],
                          static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10),
                          value.data[0], value.data[1]};
    recordSetSpan(reader->record, fieldId, Span{date, 8});
    return 0;
  }
  if (fieldId == field::heightCm || fieldId == field::weightKg) {
    spanTrimIf(&value, isNotDigit);
    recordSetSpan(reader->record, fieldId, value);
    return 0;
  }
  return aamvaStoreElement(reader, fieldId, value);
}

}  // namespace tavrix
