#include "formats/aamva/aamva_formats.h"

#include <cstring>
#include <iterator>

#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "fields/issuer_identity.h"
#include "formats/aamva/aamva_reader.h"
#include "formats/aamva/aamva_variant_hooks.h"
#include "formats/aamva/element_maps.h"
#include "tables/issuer_table.h"

namespace tavrix {
namespace {

// How a variant reads the header items; each form replaces a few of the
// header slots.
enum class HeaderForm : uint8_t {
  standard,          // version must equal the layout's highest
  versionRange,      // version within the layout's range
  noIin,             // no issuer number is stored
  iinLetterA,        // "AAMVA36..." runs into the issuer number
  noVersionNoIin,    // neither version nor issuer number is read
  free,              // nothing read at fixed places; the IIN follows "ANSI"
  lineFeed,          // as free, and every separator is a line feed
  versionRangeLenientCount,
  singleEntry,
};

enum class PostCheck : uint8_t {
  none,
  notNorthCarolina,   // the layout other states share with NC: NC data is not this format
  northCarolinaOnly,  // NC's own layouts: the state or the issuer must be NC
  canada,             // the country must be Canada
};

// One AAMVA variant: the reader with a layout row, an element map, a
// separator form, a format name and a few steps replaced. A member left out
// keeps its default below; a null hook keeps the reader's default step.
struct AamvaVariant {
  int32_t formatId = 0;
  int32_t layoutId = 0;                    // 0: the layout row of the same id
  const char* formatName = nullptr;        // null: the format stores none
  AamvaSpanHook fileTypeCheck = nullptr;   // null: no file-type check
  HeaderForm header = HeaderForm::standard;
  AamvaFindEntryHook findEntry = nullptr;  // null: the default directory scan
  AamvaEntryHook directoryEntry = nullptr; // null: the default entry decoding
  AamvaLocateHook locate = nullptr;        // null: the default location
  AamvaStoreHook store = nullptr;          // null: trim and store
  int32_t subfileStart = 0;                // for the fixed-start and pattern-start hooks
  bool fillEmptyWalk = false;              // the first present element of a field wins
  bool startAtFirstAt = false;             // text before the first "@" is dropped
  SeparatorForm separators = SeparatorForm::bothNoDash;
  ElementMapId map = ElementMapId::y2000;
  PostCheck postCheck = PostCheck::none;
};

constexpr const char* k2000 = "AAMVA DL/ID 2000";
constexpr const char* k2000Partial = "NON STANDARD PARTIALLY BASED ON AAMVA DL/ID 2000";
constexpr const char* k2003 = "AAMVA DL/ID 2003";
constexpr const char* k2005 = "AAMVA DL/ID 2005";
constexpr const char* k2009 = "AAMVA DL/ID 2009";
constexpr const char* k2010 = "AAMVA DL/ID 2010";
constexpr const char* k2011 = "AAMVA DL/ID 2011";
constexpr const char* k2014 = "AAMVA DL/ID 2014";

using S = SeparatorForm;
using H = HeaderForm;
using M = ElementMapId;
using P = PostCheck;

// One row per format id, in id order. A row names only what sets it apart
// from the defaults of AamvaVariant (its own layout row, the 2000 map, both
// separators without a dash terminator, the standard header, the reader's
// steps).
constexpr AamvaVariant kVariants[] = {
    {.formatId = 17, .formatName = k2000, .fileTypeCheck = aamvaCheckAnsiAt4To8},
    {.formatId = 18, .formatName = k2000, .fileTypeCheck = aamvaCheckAnsiAt4To7, .directoryEntry = aamvaEntryOffsetMinusOne, .locate = aamvaLocateTypeOnly},
    {.formatId = 19, .formatName = k2000, .fileTypeCheck = aamvaCheckAnsiAt4To8, .directoryEntry = aamvaEntryOffsetDigitStep, .separators = S::both},
    {.formatId = 20, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamva36At3, .header = H::iinLetterA},
    {.formatId = 21, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamva36At4, .header = H::iinLetterA, .separators = S::both, .postCheck = P::notNorthCarolina},
    {.formatId = 22, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamva36At4, .header = H::iinLetterA, .directoryEntry = aamvaEntryOffsetPlusOne, .locate = aamvaLocateTypeOnly, .store = aamvaStoreRotatedDates, .separators = S::both, .postCheck = P::northCarolinaOnly},
    {.formatId = 23, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamvaAt4To10, .header = H::noVersionNoIin, .locate = aamvaLocateTypeOnly, .store = aamvaStoreWideTrimRotatedDates, .separators = S::elementOnly, .postCheck = P::northCarolinaOnly},
    {.formatId = 24, .formatName = k2000, .fileTypeCheck = aamvaCheckAamvaAt4To8, .separators = S::both},
    {.formatId = 25, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamvaAt4To8Any, .header = H::noIin},
    {.formatId = 26, .formatName = "PARTIALLY AAMVA DL/ID 2000", .directoryEntry = aamvaEntryOffsetTypeRepeat, .locate = aamvaLocatePlain, .separators = S::elementOnly},
    {.formatId = 27, .formatName = k2003, .map = M::y2003},
    {.formatId = 28, .formatName = k2005, .directoryEntry = aamvaEntryTypeOnly, .locate = aamvaLocateFixedStart, .subfileStart = 41, .map = M::y2003},
    {.formatId = 29, .formatName = k2003, .fileTypeCheck = aamvaCheckRsOnly, .map = M::y2003},
    {.formatId = 30, .formatName = k2003, .map = M::y2003},
    {.formatId = 31, .formatName = k2005, .map = M::y2003},
    {.formatId = 32, .formatName = k2005, .directoryEntry = aamvaEntryOffsetMinusOne, .locate = aamvaLocateTypeOnly, .map = M::y2003},
    {.formatId = 33, .formatName = k2005, .directoryEntry = aamvaEntryFixedStart, .subfileStart = 27, .map = M::y2003},
    {.formatId = 34, .formatName = k2005, .directoryEntry = aamvaEntryFixedStart, .subfileStart = 32, .map = M::y2003},
    {.formatId = 35, .formatName = k2005, .header = H::free, .directoryEntry = aamvaEntryPatternStart, .subfileStart = 26, .separators = S::lineBreaks, .map = M::y2003},
    {.formatId = 36, .formatName = k2005, .findEntry = aamvaFindSlDirectoryEntry, .directoryEntry = aamvaEntrySl, .locate = aamvaLocatePlain, .map = M::y2003},
    {.formatId = 37, .formatName = k2009, .fillEmptyWalk = true, .map = M::y2009},
    {.formatId = 38, .formatName = k2009, .separators = S::elementOnly, .map = M::y2009},
    {.formatId = 39, .formatName = k2010, .fillEmptyWalk = true, .map = M::y2009},
    {.formatId = 40, .formatName = k2010, .map = M::y2009},
    {.formatId = 41, .formatName = k2011, .map = M::y2011},
    {.formatId = 42, .formatName = k2014, .header = H::versionRange, .startAtFirstAt = true, .map = M::y2014},
    {.formatId = 43, .formatName = k2014, .header = H::versionRange, .separators = S::elementOnly, .map = M::y2014},
    {.formatId = 44, .formatName = k2014, .header = H::versionRange, .map = M::y2014},
    {.formatId = 45, .layoutId = 42, .formatName = k2014, .header = H::lineFeed, .separators = S::both, .map = M::y2014, .postCheck = P::canada},
    {.formatId = 46, .layoutId = 42, .formatName = k2014, .header = H::versionRangeLenientCount, .separators = S::bothHighTerminatorAsLf, .map = M::y2014},
    {.formatId = 47, .header = H::singleEntry, .directoryEntry = aamvaEntryNextSubfile, .store = aamvaStoreMonthNameDates},
};
static_assert(std::size(kVariants) == kAamvaLastFormat - kAamvaFirstFormat + 1, "one variant per AAMVA format id");

constexpr bool variantIdsRunInOrder() {
  for (size_t i = 0; i < std::size(kVariants); ++i) {
    if (kVariants[i].formatId != static_cast<int32_t>(kAamvaFirstFormat + i)) return false;
  }
  return true;
}
static_assert(variantIdsRunInOrder(), "variant rows hold format ids 17 to 47 in order");

void applyHeaderForm(AamvaReader* reader, HeaderForm form) {
  switch (form) {
    case HeaderForm::standard:
      break;
    case HeaderForm::versionRange:
      reader->checkVersion = aamvaCheckVersionRange;
      break;
    case HeaderForm::noIin:
      reader->storeIin = nullptr;
      break;
    case HeaderForm::iinLetterA:
      reader->storeIin = aamvaStoreIinLetterA;
      break;
    case HeaderForm::noVersionNoIin:
      reader->parseVersion = nullptr;
      reader->storeIin = nullptr;
      break;
    case HeaderForm::free:
    case HeaderForm::lineFeed:
      if (form == HeaderForm::lineFeed) reader->parseHeader = aamvaParseHeaderLineFeed;
      reader->parseVersion = aamvaVersionAssumed;
      reader->parseEntryCount = aamvaEntryCountOne;
      reader->storeIin = aamvaStoreIinAnsiScan;
      reader->checkVersion = nullptr;
      break;
    case HeaderForm::versionRangeLenientCount:
      reader->checkVersion = aamvaCheckVersionRange;
      reader->parseEntryCount = aamvaEntryCountLenient;
      break;
    case HeaderForm::singleEntry:
      reader->parseEntryCount = aamvaEntryCountOne;
      break;
  }
}

bool isNorthCarolinaState(const FieldRecord* record) {
  static constexpr int32_t kStateFields[] = {field::addressJurisdictionCode, field::residenceJurisdictionCode};
  Span state;
  if (recordGetFirst(record, kStateFields, 2, &state) != 0) return false;
  return spanCompareStr(state, "NC") == 0;
}

int32_t applyPostCheck(PostCheck check, const FieldRecord* record) {
  switch (check) {
    case PostCheck::none:
      return 0;
    case PostCheck::notNorthCarolina:
      return isNorthCarolinaState(record) ? aamva_rc::kIsNorthCarolina : 0;
    case PostCheck::northCarolinaOnly: {
      if (isNorthCarolinaState(record)) return 0;
      const Span iin = recordField(record, field::issuerIdNumber);
      const char* code = iin.length >= 6 ? issuerCodeFromNumber(iin) : nullptr;
      return (code != nullptr && std::strcmp(code, "NC") == 0) ? 0 : aamva_rc::kNotNorthCarolina;
    }
    case PostCheck::canada: {
      // Scratch of its own: the decoded text must survive for the engine's
      // version step after the final run.
      char country[kCountryScratch];
      if (countryCodeAccessor(record, country, sizeof country) != 0) return aamva_rc::kNotCanada;
      return std::strcmp(country, "CAN") == 0 ? 0 : aamva_rc::kNotCanada;
    }
  }
  return 0;
}

}  // namespace

int32_t parseAamvaVariant(int32_t formatId, const char* text, int32_t length, FieldRecord* record) {
  if (formatId < kAamvaFirstFormat || formatId > kAamvaLastFormat) return aamva_rc::kNoLayout;
  const AamvaVariant& v = kVariants[formatId - kAamvaFirstFormat];
  if (text != nullptr && length > 0 && v.startAtFirstAt) {
    const void* at = std::memchr(text, '@', static_cast<size_t>(length));
    const char* from = at != nullptr ? static_cast<const char*>(at) : text + length;
    length -= static_cast<int32_t>(from - text);
    text = from;
  }
  // Every header form begins by asking for an "@" and more text than the
  // fixed header: a text that fails it is refused before the reader is
  // set up or anything is stored.
  const AamvaLayout* layout = aamvaLayoutRow(v.layoutId != 0 ? v.layoutId : v.formatId);
  if (text == nullptr || length < 1) return aamva_rc::kBounds;
  if (layout == nullptr || length <= layout->headerLength) return aamva_rc::kTooShort;
  if (text[0] != '@') return aamva_rc::kNoAt;
  AamvaReader reader;
  const int32_t init = aamvaReaderInit(&reader, v.layoutId != 0 ? v.layoutId : v.formatId, record);
  if (init != 0) return init;
  applyHeaderForm(&reader, v.header);
  reader.checkFileType = v.fileTypeCheck;
  if (v.findEntry != nullptr) reader.findDirectoryEntry = v.findEntry;
  if (v.directoryEntry != nullptr) reader.parseDirectoryEntry = v.directoryEntry;
  if (v.locate != nullptr) reader.locateSubfileData = v.locate;
  if (v.store != nullptr) reader.storeElement = v.store;
  reader.subfileStart = v.subfileStart;
  if (v.fillEmptyWalk) reader.walkElements = aamvaFillEmptyWalk;
  reader.separatorForm = v.separators;
  const ElementMap map = elementMap(v.map);
  reader.map = map.pairs;
  reader.mapLength = map.count;
  reader.parseSubfile = aamvaParseSubfileWithMap;
  reader.formatName = v.formatName;
  const int32_t rc = reader.run(&reader, text, length);
  return rc != 0 ? rc : applyPostCheck(v.postCheck, record);
}

}  // namespace tavrix
