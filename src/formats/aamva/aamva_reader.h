// The AAMVA element-stream reader: one machine for every AAMVA barcode
// variant. It reads the fixed header (separators, issuer number, version,
// directory entry count), finds the subfile through the directory, and walks
// the data elements of the subfile into the record through an element map.
// Every step is a replaceable slot; a variant is the default reader with a
// layout row, an element map and a few slots replaced or emptied.
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"
#include "engine/text_numbers.h"

namespace tavrix {

// Result codes of the reader steps and the variant checks.
namespace aamva_rc {
inline constexpr int32_t kTooShort = -1;         // input too short for the header or a field
inline constexpr int32_t kNoAt = -2;             // first character is not "@"
inline constexpr int32_t kSeparator = -3;        // record separator not accepted
inline constexpr int32_t kNoAnsi = -4;           // "ANSI" not at its place
inline constexpr int32_t kNoAamva = -5;          // "AAMVA" / "AAMVA36" not at its place
inline constexpr int32_t kNoAamvaPlain = -6;     // "AAMVA" not at its place (the Arkansas form)
inline constexpr int32_t kVersion = -7;          // version text not numeric or not accepted
inline constexpr int32_t kEntryCount = -8;       // entry count text not numeric
inline constexpr int32_t kDirectory = -9;        // directory entry short, not numeric or outside
inline constexpr int32_t kNoSubfile = -10;       // length not numeric or negative; no subfile
inline constexpr int32_t kIsNorthCarolina = -12;  // a layout other states use, holding NC data
inline constexpr int32_t kNotNorthCarolina = -13;
inline constexpr int32_t kBounds = -21;          // null or empty span, bad entry bounds
inline constexpr int32_t kNoLayout = -22;        // no layout row for the id
inline constexpr int32_t kNotCanada = -25;
}  // namespace aamva_rc

// One row of the layout table: where the fixed header keeps each item.
// The defaults are the standard header of version 02 on: "@", the three
// separators, "ANSI ", the issuer number at 9, version, jurisdiction
// version and entry count, 21 characters in all.
struct AamvaLayout {
  int32_t formatId = 0;
  int32_t minVersion = 0;
  int32_t maxVersion = 0;
  int32_t headerLength = 21;
  int32_t elementSeparatorPos = 1;
  int32_t recordSeparatorPos = 2;
  int32_t segmentTerminatorPos = 3;
  int32_t iinPos = 9;
  int32_t iinLength = 6;
  int32_t versionPos = 15;
  int32_t versionLength = 2;
  int32_t entryCountPos = 19;
  int32_t entryCountLength = 2;
};

// The row with this layout id, or null.
const AamvaLayout* aamvaLayoutRow(int32_t layoutId);

// Subfile types of a directory entry.
inline constexpr int32_t kSubfileNone = 0;
inline constexpr int32_t kSubfileDl = 1;
inline constexpr int32_t kSubfileId = 2;

struct SubfileEntry {
  int32_t type = kSubfileNone;
  int32_t offset = 0;  // into the input
  int32_t length = 0;
};

// How parseSubfile builds the separator set from the header characters; a
// space among them is left out.
enum class SeparatorForm : uint8_t {
  both,                      // element separator and segment terminator
  bothNoDash,                // the same, but a "-" terminator is left out (dates hold dashes)
  elementOnly,               // element separator alone
  lineBreaks,                // CR and LF
  bothHighTerminatorAsLf,    // a terminator above "?" is first turned into LF
};

struct AamvaReader;

using AamvaRunHook = int32_t (*)(AamvaReader* reader, const char* text, int32_t length);
using AamvaSpanHook = int32_t (*)(AamvaReader* reader, Span input);
using AamvaCheckHook = int32_t (*)(AamvaReader* reader);
using AamvaFindEntryHook = int32_t (*)(AamvaReader* reader, Span input, Span* directory);
using AamvaEntryHook = int32_t (*)(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
using AamvaLocateHook = int32_t (*)(AamvaReader* reader, Span input, const SubfileEntry* entry, Span* data);
using AamvaWalkHook = int32_t (*)(AamvaReader* reader, Span data, CharSet separators, const CodePair* map,
                                  int32_t mapLength);
using AamvaStoreHook = int32_t (*)(AamvaReader* reader, int32_t fieldId, Span value);

struct AamvaReader {
  FieldRecord* record;
  Span input;  // the text of the run
  AamvaLayout layout;
  char elementSeparator;
  char recordSeparator;
  char segmentTerminator;
  int32_t entryCount;
  int32_t version;
  int32_t headerEnd;
  // Where the subfile starts for the variants that do not trust the
  // directory's offset (their fixed-start and pattern-start hooks).
  int32_t subfileStart;
  // What the subfile walk uses: the separator form and the element map.
  SeparatorForm separatorForm;
  const CodePair* map;
  int32_t mapLength;
  // Stored as the format name once the header and file type are accepted
  // (null: none).
  const char* formatName;
  // The steps, in the order they run. A null slot is skipped.
  AamvaRunHook run;
  AamvaSpanHook parseHeader;
  AamvaSpanHook parseVersion;
  AamvaSpanHook parseEntryCount;
  AamvaSpanHook storeIin;
  AamvaCheckHook checkVersion;
  AamvaSpanHook checkFileType;
  AamvaSpanHook parseSubfiles;
  AamvaFindEntryHook findDirectoryEntry;
  AamvaEntryHook parseDirectoryEntry;
  AamvaLocateHook locateSubfileData;
  AamvaWalkHook walkElements;
  AamvaSpanHook parseSubfile;
  AamvaStoreHook storeElement;
};

// Zeroes the reader, copies the layout row and installs the defaults.
// 0, or -22 when there is no row for the id.
int32_t aamvaReaderInit(AamvaReader* reader, int32_t layoutId, FieldRecord* record);

// The default steps.
int32_t aamvaRun(AamvaReader* reader, const char* text, int32_t length);
int32_t aamvaParseHeader(AamvaReader* reader, Span input);
// The part every header form shares once its separators are known: the
// version and entry-count hooks (an entry count below 1 counts as 1), then
// the issuer number hook.
int32_t aamvaReadHeaderNumbers(AamvaReader* reader, Span input);
int32_t aamvaParseVersion(AamvaReader* reader, Span input);
int32_t aamvaParseEntryCount(AamvaReader* reader, Span input);
int32_t aamvaStoreIin(AamvaReader* reader, Span input);
int32_t aamvaCheckVersion(AamvaReader* reader);
int32_t aamvaParseSubfiles(AamvaReader* reader, Span input);
int32_t aamvaFindDirectoryEntry(AamvaReader* reader, Span input, Span* directory);
int32_t aamvaParseDirectoryEntry(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
int32_t aamvaLocateSubfileData(AamvaReader* reader, Span input, const SubfileEntry* entry, Span* data);
int32_t aamvaWalkElements(AamvaReader* reader, Span data, CharSet separators, const CodePair* map,
                          int32_t mapLength);
int32_t aamvaStoreElement(AamvaReader* reader, int32_t fieldId, Span value);

// Alternatives that variants install.
int32_t aamvaCheckVersionRange(AamvaReader* reader);
int32_t aamvaFillEmptyWalk(AamvaReader* reader, Span data, CharSet separators, const CodePair* map,
                           int32_t mapLength);
int32_t aamvaStoreIinAnsiScan(AamvaReader* reader, Span input);
int32_t aamvaStoreIinLetterA(AamvaReader* reader, Span input);
// Builds the separator set of the reader's form and walks the data with
// the reader's map.
int32_t aamvaParseSubfileWithMap(AamvaReader* reader, Span data);

// Helpers shared with the directory variants.
// The directory step: from the end of the header, the first of the
// entryCount ten-character entries whose type is typeA or typeB (two
// characters each), else what follows the entries examined.
int32_t aamvaScanDirectory(const AamvaReader* reader, Span input, const char* typeA, const char* typeB,
                           Span* directory);
// True when the characters are digits, white space, "+" or "-" (the
// characters a header number may hold); the value is read as atoi does.
bool aamvaNumericText(Span text);
// Sets the entry type and field documentType from a directory span that
// begins with "DL" or "ID".
void aamvaSetSubfileType(AamvaReader* reader, Span directory, SubfileEntry* entry);
// First position at which 8 digits, "DL" or "ID" and 3 letters follow;
// returns the position of the letters (the first element id), or -1.
int32_t aamvaFindSubfileByPattern(Span input);
// An offset moved to just after a "DLDAA" found among the first `offset`
// characters of the input (the subfile type runs into its first element).
int32_t aamvaDldaaCorrection(Span input, int32_t offset);
// Drops a leading "DL" or "ID" from data of more than one character.
Span aamvaDropSubfileType(Span data);
// The entry as a span of the input: -21 unless offset and length are not
// negative and end inside the input.
int32_t aamvaEntrySpan(Span input, const SubfileEntry* entry, Span* data);

}  // namespace tavrix
