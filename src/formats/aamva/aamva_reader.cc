#include "formats/aamva/aamva_reader.h"

#include <cstring>
#include <initializer_list>
#include <optional>

#include "engine/ascii_classes.h"
#include "engine/parse_memo.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "formats/aamva/element_lookup.h"
#include "formats/aamva/element_maps.h"
#include "formats/aamva/run_together.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

bool startsWith(Span s, const char* prefix, int32_t n) {
  return s.data != nullptr && s.length >= n && std::memcmp(s.data, prefix, static_cast<size_t>(n)) == 0;
}
bool isSubfileType(const char* p) { return (p[0] == 'D' && p[1] == 'L') || (p[0] == 'I' && p[1] == 'D'); }
bool isDigitAt(const char* p) { return isAsciiDigit(byteOf(*p)) != 0; }
bool isLetterAt(const char* p) { return isAsciiAlpha(byteOf(*p)) != 0; }

// The number in a header item: -1 short, `badCode` for a character that
// is not a digit, white space, "+" or "-".
int32_t readHeaderNumber(Span input, int32_t pos, int32_t length, int32_t badCode, int32_t* value) {
  if (pos < 0 || length < 0 || input.length < pos + length) return aamva_rc::kTooShort;
  const Span text{input.data + pos, length};
  // Header numbers are mostly one or two plain digits.
  if (length == 2 && isDigitAt(text.data) && isDigitAt(text.data + 1)) {
    *value = (text.data[0] - '0') * 10 + (text.data[1] - '0');
    return 0;
  }
  if (!aamvaNumericText(text)) return badCode;
  *value = spanAtoi(text);
  return 0;
}

// The next element token: separators before it are skipped, it runs up
// to the next separator, which is consumed.
Span nextToken(Span* rest, const SeparatorTable& isSeparator) {
  int32_t i = 0;
  while (i < rest->length && isSeparator(rest->data[i])) ++i;
  const int32_t start = i;
  while (i < rest->length && !isSeparator(rest->data[i])) ++i;
  const Span token{rest->data + start, i - start};
  if (i < rest->length) ++i;  // the separator that ended the token
  *rest = Span{rest->data + i, rest->length - i};
  return token;
}

uint32_t tokenCode(Span token) { return aamvaElementCode(token.data[0], token.data[1], token.data[2]); }

// Calls visit(index) for every pair of the map with `code`, in map order.
template <typename Visit>
void forEachPair(const ElementLookup& lookup, uint32_t code, const CodePair* map, int32_t mapLength, Visit visit) {
  if (lookup.indexed()) {
    for (int32_t index = lookup.firstOf(code); index >= 0; index = lookup.nextOf(index)) visit(index);
    return;
  }
  for (int32_t index = 0; codePairLookup(code, map, mapLength, &index) >= 0; ++index) visit(index);
}

// Elements run together when the data holds none of the separators and
// none of the characters at the header's separator places (positions 1 to 3
// in every layout) other than letters, digits and blanks: a text whose
// elements are separated by characters the variant does not expect ("*"
// under a variant that expects line feeds) is not one.
bool runsTogether(const AamvaReader* reader, Span data, const SeparatorTable& isSeparator) {
  if (spanIsEmpty(data)) return false;
  for (int32_t i = 0; i < data.length; ++i) {
    if (isSeparator(data.data[i])) return false;
  }
  const Span input = reader->input;
  for (int32_t i = 1; i <= 3 && i < input.length; ++i) {
    const char c = input.data[i];
    if (c == ' ' || isAsciiAlnum(byteOf(c)) != 0) continue;
    if (std::memchr(data.data, c, static_cast<size_t>(data.length)) != nullptr) return false;
  }
  return true;
}

// The element walk both walks share: every token of more than 2 characters,
// and for each map pair of its 3-character id, visit(pair index, value).
// Data without a single separator is first split where its elements run
// together (see run_together.h); without a plausible boundary it stays one
// token.
template <typename Visit>
void forEachElementPair(const AamvaReader* reader, Span data, CharSet separators, const CodePair* map,
                        int32_t mapLength, Visit visit) {
  const SeparatorTable isSeparator(separators);
  // The edition maps' lookups are built in advance; another map's here.
  const ElementLookup* const prebuilt = elementMapLookup(map, mapLength);
  std::optional<ElementLookup> built;
  if (prebuilt == nullptr) built.emplace(map, mapLength);
  const ElementLookup& lookup = prebuilt != nullptr ? *prebuilt : *built;
  auto visitElement = [&](Span element) {
    // An indented element line ("  DCSSMITH"): the id follows the blanks.
    while (element.length > 0 && (element.data[0] == ' ' || element.data[0] == '\t')) {
      ++element.data;
      --element.length;
    }
    if (element.length <= 2) return;
    const Span value{element.data + 3, element.length - 3};
    forEachPair(lookup, tokenCode(element), map, mapLength, [&](int32_t index) { visit(index, value); });
  };
  if (runsTogether(reader, data, isSeparator)) {
    Span whole = data;
    spanTrimLeftSet(&whole, " \t");
    Span elements[kRunTogetherMaxElements];
    const int32_t count = aamvaSplitRunTogether(whole, map, mapLength, elements, kRunTogetherMaxElements);
    for (int32_t i = 0; i < count; ++i) visitElement(elements[i]);
    if (count > 0) return;
  }
  Span rest = data;
  while (!spanIsEmpty(rest)) visitElement(nextToken(&rest, isSeparator));
}

}  // namespace

bool aamvaNumericText(Span text) {
  for (int32_t i = 0; i < text.length; ++i) {
    if (isSignDigitOrSpace(byteOf(text.data[i])) == 0) return false;
  }
  return true;
}

namespace {

// The default reader, copied whole: every variant of every parse starts
// from it.
constexpr AamvaReader kDefaultReader{
    .record = nullptr,
    .input = {},
    .layout = {},
    .elementSeparator = '\0',
    .recordSeparator = '\0',
    .segmentTerminator = '\0',
    .entryCount = 0,
    .version = 0,
    .headerEnd = 0,
    .subfileStart = 0,
    .separatorForm = SeparatorForm::both,
    .map = nullptr,
    .mapLength = 0,
    .formatName = nullptr,
    .run = aamvaRun,
    .parseHeader = aamvaParseHeader,
    .parseVersion = aamvaParseVersion,
    .parseEntryCount = aamvaParseEntryCount,
    .storeIin = aamvaStoreIin,
    .checkVersion = aamvaCheckVersion,
    .checkFileType = nullptr,
    .parseSubfiles = aamvaParseSubfiles,
    .findDirectoryEntry = aamvaFindDirectoryEntry,
    .parseDirectoryEntry = aamvaParseDirectoryEntry,
    .locateSubfileData = aamvaLocateSubfileData,
    .walkElements = aamvaWalkElements,
    .parseSubfile = nullptr,
    .storeElement = aamvaStoreElement,
};

}  // namespace

int32_t aamvaReaderInit(AamvaReader* reader, int32_t layoutId, FieldRecord* record) {
  if (reader == nullptr) return aamva_rc::kNoLayout;
  *reader = kDefaultReader;
  reader->record = record;
  const AamvaLayout* row = aamvaLayoutRow(layoutId);
  if (row == nullptr) return aamva_rc::kNoLayout;
  reader->layout = *row;
  return 0;
}

int32_t aamvaRun(AamvaReader* reader, const char* text, int32_t length) {
  if (text == nullptr || length < 0) return aamva_rc::kBounds;
  const Span input{text, length};
  reader->input = input;
  for (AamvaSpanHook check : {reader->parseHeader, reader->checkFileType}) {
    if (check == nullptr) continue;
    const int32_t rc = check(reader, input);
    if (rc != 0) return rc;
  }
  if (reader->formatName != nullptr) recordSetFieldStr(reader->record, field::formatName, reader->formatName);
  if (reader->parseSubfiles != nullptr) {
    const int32_t rc = reader->parseSubfiles(reader, input);
    if (rc != 0) return rc;
  }
  // A barcode whose subfile type could not be read is taken for a licence.
  if (recordFieldStatus(reader->record, field::documentType) != 0) {
    recordSetFieldStr(reader->record, field::documentType, "DL");
  }
  return 0;
}

int32_t aamvaReadHeaderNumbers(AamvaReader* reader, Span input) {
  for (AamvaSpanHook step : {reader->parseVersion, reader->parseEntryCount}) {
    if (step == nullptr) continue;
    const int32_t rc = step(reader, input);
    if (rc != 0) return rc;
  }
  if (reader->entryCount < 1) reader->entryCount = 1;
  return reader->storeIin != nullptr ? reader->storeIin(reader, input) : 0;
}

int32_t aamvaParseHeader(AamvaReader* reader, Span input) {
  if (spanIsEmpty(input)) return aamva_rc::kBounds;
  const AamvaLayout& l = reader->layout;
  if (input.length <= l.headerLength) return aamva_rc::kTooShort;
  if (input.data[0] != '@') return aamva_rc::kNoAt;
  reader->headerEnd = l.headerLength;
  // The separators are whatever the header holds at their places; the
  // file-type checks judge them.
  reader->elementSeparator = input.data[l.elementSeparatorPos];
  reader->recordSeparator = input.data[l.recordSeparatorPos];
  reader->segmentTerminator = input.data[l.segmentTerminatorPos];
  return aamvaReadHeaderNumbers(reader, input);
}

int32_t aamvaParseVersion(AamvaReader* reader, Span input) {
  const int32_t rc = readHeaderNumber(input, reader->layout.versionPos, reader->layout.versionLength,
                                      aamva_rc::kVersion, &reader->version);
  if (rc != 0) return rc;
  return reader->checkVersion != nullptr ? reader->checkVersion(reader) : 0;
}

int32_t aamvaParseEntryCount(AamvaReader* reader, Span input) {
  return readHeaderNumber(input, reader->layout.entryCountPos, reader->layout.entryCountLength,
                          aamva_rc::kEntryCount, &reader->entryCount);
}

namespace {

// The IIN item of the header, trimmed; -1 when the input is too short.
int32_t headerIin(const AamvaReader* reader, Span input, Span* iin) {
  const AamvaLayout& l = reader->layout;
  if (input.length < l.iinPos + l.iinLength) return aamva_rc::kTooShort;
  *iin = Span{input.data + l.iinPos, l.iinLength};
  spanTrimSet(iin, " \n\t\r");
  return 0;
}

}  // namespace

int32_t aamvaStoreIin(AamvaReader* reader, Span input) {
  Span iin;
  const int32_t rc = headerIin(reader, input, &iin);
  if (rc != 0) return rc;
  if (!spanIsEmpty(iin)) recordSetSpan(reader->record, field::issuerIdNumber, iin);
  return 0;
}

int32_t aamvaStoreIinLetterA(AamvaReader* reader, Span input) {
  Span iin;
  const int32_t rc = headerIin(reader, input, &iin);
  if (rc != 0) return rc;
  // "AAMVA36..." runs into the issuer number, whose first digit is then
  // read as the last "A".
  if (!spanIsEmpty(iin)) recordSetField(reader->record, field::issuerIdNumber, iin, "A", nullptr, '6');
  return 0;
}

int32_t aamvaStoreIinAnsiScan(AamvaReader* reader, Span input) {
  if (input.length <= 9) return 0;
  static constexpr Span kAnsi{"ANSI", 4};
  Span rest = input;
  for (;;) {
    const int32_t at = spanFind(rest, kAnsi);
    if (at < 0) return 0;
    spanAdvance(&rest, at + 4);
    spanTrimLeftIf(&rest, isAsciiSpace);
    if (rest.length < 6) return 0;
    bool digits = true;
    for (int32_t i = 0; i < 6; ++i) digits = digits && isDigitAt(rest.data + i);
    if (digits) {
      recordSetSpan(reader->record, field::issuerIdNumber, Span{rest.data, 6});
      return 0;
    }
    if (rest.length <= 9) return 0;
  }
}

int32_t aamvaCheckVersion(AamvaReader* reader) {
  return reader->version == reader->layout.maxVersion ? 0 : aamva_rc::kVersion;
}

int32_t aamvaCheckVersionRange(AamvaReader* reader) {
  const AamvaLayout& l = reader->layout;
  return (reader->version < l.minVersion || reader->version > l.maxVersion) ? aamva_rc::kVersion : 0;
}

int32_t aamvaParseSubfiles(AamvaReader* reader, Span input) {
  SubfileEntry entry;
  Span directory;
  Span data;
  if (reader->findDirectoryEntry != nullptr) {
    int32_t rc = reader->findDirectoryEntry(reader, input, &directory);
    if (rc != 0) return rc;
    if (reader->parseDirectoryEntry != nullptr) {
      rc = reader->parseDirectoryEntry(reader, input, directory, &entry);
      if (rc != 0) return rc;
    }
  }
  if (reader->locateSubfileData != nullptr) {
    const int32_t rc = reader->locateSubfileData(reader, input, &entry, &data);
    if (rc != 0) return rc;
  }
  return reader->parseSubfile != nullptr ? reader->parseSubfile(reader, data) : 0;
}

int32_t aamvaScanDirectory(const AamvaReader* reader, Span input, const char* typeA, const char* typeB,
                           Span* directory) {
  int32_t pos = reader->headerEnd;
  if (pos < 0) pos = 0;
  if (pos > input.length) pos = input.length;
  if (reader->entryCount >= 1 && input.length - pos >= 10) {
    for (int32_t i = 0; i < reader->entryCount; ++i) {
      const char* p = input.data + pos;
      if ((p[0] == typeA[0] && p[1] == typeA[1]) || (p[0] == typeB[0] && p[1] == typeB[1])) break;
      pos += 10;
      if (i == reader->entryCount - 1 || input.length - pos < 10) break;
    }
  }
  *directory = Span{input.data + pos, input.length - pos};
  return 0;
}

int32_t aamvaFindDirectoryEntry(AamvaReader* reader, Span input, Span* directory) {
  return aamvaScanDirectory(reader, input, "DL", "ID", directory);
}

void aamvaSetSubfileType(AamvaReader* reader, Span directory, SubfileEntry* entry) {
  if (startsWith(directory, "DL", 2)) {
    entry->type = kSubfileDl;
    recordSetFieldStr(reader->record, field::documentType, "DL");
  } else if (startsWith(directory, "ID", 2)) {
    entry->type = kSubfileId;
    recordSetFieldStr(reader->record, field::documentType, "ID");
  }
}

int32_t aamvaFindSubfileByPattern(Span input) {
  for (int32_t i = 0; i + 13 <= input.length; ++i) {
    const char* p = input.data + i;
    bool match = isSubfileType(p + 8) && isLetterAt(p + 10) && isLetterAt(p + 11) && isLetterAt(p + 12);
    for (int32_t k = 0; match && k < 8; ++k) match = isDigitAt(p + k);
    if (match) return i + 10;
  }
  return -1;
}

int32_t aamvaDldaaCorrection(Span input, int32_t offset) {
  const int32_t window = offset < input.length ? offset : input.length;
  if (window <= 0) return offset;
  static constexpr Span kDldaa{"DLDAA", 5};
  const int32_t at = spanFind(Span{input.data, window}, kDldaa);
  return at >= 0 ? at + 2 : offset;
}

int32_t aamvaParseDirectoryEntry(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry) {
  if (directory.data == nullptr) return aamva_rc::kBounds;
  aamvaSetSubfileType(reader, directory, entry);
  int32_t start = aamvaFindSubfileByPattern(input);
  if (start < 0) {
    if (directory.length < 6 || !aamvaNumericText(Span{directory.data + 2, 4})) return aamva_rc::kDirectory;
    int32_t off = aamvaDldaaCorrection(input, spanAtoi(Span{directory.data + 2, 4}));
    if (off < 0 || off > input.length) return aamva_rc::kDirectory;
    // An offset one off either way lands on the last directory digit or on
    // the "L" of "DL"; both are moved to the "D". At the very end of the
    // input there is nothing to realign.
    if (off < input.length) {
      if (isDigitAt(input.data + off)) ++off;
      if (off > 1 && !isDigitAt(input.data + off - 1) && isDigitAt(input.data + off - 2)) --off;
    }
    start = off;
  }
  entry->offset = start;
  entry->length = input.length - start;
  return 0;
}

int32_t aamvaEntrySpan(Span input, const SubfileEntry* entry, Span* data) {
  if (entry->offset < 0 || entry->length < 0 || entry->offset > input.length - entry->length) {
    return aamva_rc::kBounds;
  }
  *data = Span{input.data + entry->offset, entry->length};
  return 0;
}

Span aamvaDropSubfileType(Span data) {
  if (data.length > 1 && isSubfileType(data.data)) spanAdvance(&data, 2);
  return data;
}

int32_t aamvaLocateSubfileData(AamvaReader*, Span input, const SubfileEntry* entry, Span* data) {
  Span located;
  const int32_t rc = aamvaEntrySpan(input, entry, &located);
  if (rc != 0) return rc;
  located = aamvaDropSubfileType(located);
  if (!spanIsEmpty(located) && located.data[0] == 'L') spanAdvance(&located, 1);
  *data = located;
  return 0;
}

namespace {

// What a plain walk reads: the data, the separators that occur in it (one
// the data lacks cuts nothing), the map, the header characters the
// run-together test looks at (through the input) and the store step. Layouts
// that accept the same header mostly walk the same elements alike.
MemoKey walkKey(const AamvaReader* reader, Span data, CharSet separators, const CodePair* map, int32_t mapLength) {
  MemoKey key;
  key.add(reinterpret_cast<uintptr_t>(aamvaWalkElements));
  key.add(data);
  uint64_t present[4] = {};
  for (int32_t i = 0; i < separators.count; ++i) {
    const unsigned char c = static_cast<unsigned char>(separators.chars[i]);
    if (data.length > 0 && std::memchr(data.data, c, static_cast<size_t>(data.length)) != nullptr) {
      present[c >> 6] |= uint64_t{1} << (c & 63);
    }
  }
  for (uint64_t word : present) key.add(word);
  key.add(map);
  key.add(static_cast<uint64_t>(static_cast<uint32_t>(mapLength)));
  key.add(reader->input);
  key.add(reinterpret_cast<uintptr_t>(reader->storeElement));
  return key;
}

}  // namespace

int32_t aamvaWalkElements(AamvaReader* reader, Span data, CharSet separators, const CodePair* map,
                          int32_t mapLength) {
  // Without a store slot there is nothing to do with the values.
  if (reader->storeElement == nullptr) return 0;
  // The walk only stores, so it can run once for every layout with the
  // same key.
  FieldRecord* const own = reader->record;
  memoStores(own, walkKey(reader, data, separators, map, mapLength), [&](FieldRecord* into) {
    reader->record = into;
    forEachElementPair(reader, data, separators, map, mapLength,
                       [&](int32_t index, Span value) { reader->storeElement(reader, map[index].value, value); });
    reader->record = own;
  });
  return 0;
}

int32_t aamvaFillEmptyWalk(AamvaReader* reader, Span data, CharSet separators, const CodePair* map,
                           int32_t mapLength) {
  if (reader->storeElement == nullptr) return 0;
  if (mapLength > kElementMapMaxPairs) mapLength = kElementMapMaxPairs;
  // One pass keeps the last occurrence of every pair's element; then the
  // pairs are visited in map order and fill only fields still empty.
  Span last[kElementMapMaxPairs] = {};
  bool seen[kElementMapMaxPairs] = {};
  forEachElementPair(reader, data, separators, map, mapLength, [&](int32_t index, Span value) {
    last[index] = value;
    seen[index] = true;
  });
  for (int32_t i = 0; i < mapLength; ++i) {
    if (!seen[i] || last[i].length < 1) continue;
    if (recordFieldStatus(reader->record, map[i].value) == 0) continue;
    reader->storeElement(reader, map[i].value, last[i]);
  }
  return 0;
}

int32_t aamvaStoreElement(AamvaReader* reader, int32_t fieldId, Span value) {
  // White space and NULs around the value go (the loop is isBlankOrNul,
  // written out: this runs for every element of every layout tried).
  auto padding = [](char c) { return c == '\0' || c == ' ' || (c >= '\t' && c <= '\r'); };
  while (value.length > 0 && padding(value.data[0])) {
    ++value.data;
    --value.length;
  }
  while (value.length > 0 && padding(value.data[value.length - 1])) --value.length;
  // An element with nothing after its id clears what an earlier one stored.
  recordSetSpan(reader->record, fieldId, value);
  return 0;
}

int32_t aamvaParseSubfileWithMap(AamvaReader* reader, Span data) {
  char chars[2];
  int32_t count = 0;
  // A space is never a separator: values hold spaces ("1121 W YUKON CT"),
  // and a header with blanks where its separators belong would cut them.
  auto add = [&](char c) {
    if (c != ' ') chars[count++] = c;
  };
  const char terminator = reader->segmentTerminator;
  switch (reader->separatorForm) {
    case SeparatorForm::both:
      add(reader->elementSeparator);
      add(terminator);
      break;
    case SeparatorForm::bothNoDash:
      add(reader->elementSeparator);
      if (terminator != '-') add(terminator);
      break;
    case SeparatorForm::elementOnly:
      add(reader->elementSeparator);
      break;
    case SeparatorForm::lineBreaks:
      add('\r');
      add('\n');
      break;
    case SeparatorForm::bothHighTerminatorAsLf:
      // Compared as a signed character: bytes from 0x80 up stay.
      if (static_cast<signed char>(terminator) > '?') reader->segmentTerminator = '\n';
      add(reader->elementSeparator);
      add(reader->segmentTerminator);
      break;
  }
  if (reader->walkElements == nullptr) return 0;
  return reader->walkElements(reader, data, CharSet{chars, count}, reader->map, reader->mapLength);
}

}  // namespace tavrix
