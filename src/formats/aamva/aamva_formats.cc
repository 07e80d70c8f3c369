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

struct AamvaVariant {
  int32_t formatId;
  int32_t layoutId;
  const char* formatName;  // null: the format stores none
  AamvaSpanHook fileTypeCheck;
  HeaderForm header;
  AamvaFindEntryHook findEntry;        // null: the default directory scan
  AamvaEntryHook directoryEntry;       // null: the default entry decoding
  AamvaLocateHook locate;              // null: the default location
  AamvaStoreHook store;                // null: trim and store
  bool fillEmptyWalk;                  // the first present element of a field wins
  bool startAtFirstAt;                 // text before the first "@" is dropped
  SeparatorForm separators;
  ElementMapId map;
  PostCheck postCheck;
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

// One row per format id, in id order.
constexpr AamvaVariant kVariants[] = {
    {.formatId = 17, .layoutId = 17, .formatName = k2000, .fileTypeCheck = aamvaCheckAnsiAt4To8, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2000, .postCheck = P::none},
    {.formatId = 18, .layoutId = 18, .formatName = k2000, .fileTypeCheck = aamvaCheckAnsiAt4To7, .header = H::standard, .findEntry = nullptr, .directoryEntry = aamvaEntryOffsetMinusOne, .locate = aamvaLocateTypeOnly, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2000, .postCheck = P::none},
    {.formatId = 19, .layoutId = 19, .formatName = k2000, .fileTypeCheck = aamvaCheckAnsiAt4To8, .header = H::standard, .findEntry = nullptr, .directoryEntry = aamvaEntryOffsetDigitStep, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::both, .map = M::y2000, .postCheck = P::none},
    {.formatId = 20, .layoutId = 20, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamva36At3, .header = H::iinLetterA, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2000, .postCheck = P::none},
    {.formatId = 21, .layoutId = 21, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamva36At4, .header = H::iinLetterA, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::both, .map = M::y2000, .postCheck = P::notNorthCarolina},
    {.formatId = 22, .layoutId = 22, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamva36At4, .header = H::iinLetterA, .findEntry = nullptr, .directoryEntry = aamvaEntryOffsetPlusOne, .locate = aamvaLocateTypeOnly, .store = aamvaStoreRotatedDates, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::both, .map = M::y2000, .postCheck = P::northCarolinaOnly},
    {.formatId = 23, .layoutId = 23, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamvaAt4To10, .header = H::noVersionNoIin, .findEntry = nullptr, .directoryEntry = nullptr, .locate = aamvaLocateTypeOnly, .store = aamvaStoreWideTrimRotatedDates, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::elementOnly, .map = M::y2000, .postCheck = P::northCarolinaOnly},
    {.formatId = 24, .layoutId = 24, .formatName = k2000, .fileTypeCheck = aamvaCheckAamvaAt4To8, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::both, .map = M::y2000, .postCheck = P::none},
    {.formatId = 25, .layoutId = 25, .formatName = k2000Partial, .fileTypeCheck = aamvaCheckAamvaAt4To8Any, .header = H::noIin, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2000, .postCheck = P::none},
    {.formatId = 26, .layoutId = 26, .formatName = "PARTIALLY AAMVA DL/ID 2000", .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = aamvaEntryOffsetTypeRepeat, .locate = aamvaLocatePlain, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::elementOnly, .map = M::y2000, .postCheck = P::none},
    {.formatId = 27, .layoutId = 27, .formatName = k2003, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 28, .layoutId = 28, .formatName = k2005, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = aamvaEntryTypeOnly, .locate = aamvaLocateFixedStart41, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 29, .layoutId = 29, .formatName = k2003, .fileTypeCheck = aamvaCheckRsOnly, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 30, .layoutId = 30, .formatName = k2003, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 31, .layoutId = 31, .formatName = k2005, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 32, .layoutId = 32, .formatName = k2005, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = aamvaEntryOffsetMinusOne, .locate = aamvaLocateTypeOnly, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 33, .layoutId = 33, .formatName = k2005, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = aamvaEntryFixedStart27, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 34, .layoutId = 34, .formatName = k2005, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = aamvaEntryFixedStart32, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 35, .layoutId = 35, .formatName = k2005, .fileTypeCheck = nullptr, .header = H::free, .findEntry = nullptr, .directoryEntry = aamvaEntryPatternStart26, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::lineBreaks, .map = M::y2003, .postCheck = P::none},
    {.formatId = 36, .layoutId = 36, .formatName = k2005, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = aamvaFindSlDirectoryEntry, .directoryEntry = aamvaEntrySl, .locate = aamvaLocatePlain, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2003, .postCheck = P::none},
    {.formatId = 37, .layoutId = 37, .formatName = k2009, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = true, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2009, .postCheck = P::none},
    {.formatId = 38, .layoutId = 38, .formatName = k2009, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::elementOnly, .map = M::y2009, .postCheck = P::none},
    {.formatId = 39, .layoutId = 39, .formatName = k2010, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = true, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2009, .postCheck = P::none},
    {.formatId = 40, .layoutId = 40, .formatName = k2010, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2009, .postCheck = P::none},
    {.formatId = 41, .layoutId = 41, .formatName = k2011, .fileTypeCheck = nullptr, .header = H::standard, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2011, .postCheck = P::none},
    {.formatId = 42, .layoutId = 42, .formatName = k2014, .fileTypeCheck = nullptr, .header = H::versionRange, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = true, .separators = S::bothNoDash, .map = M::y2014, .postCheck = P::none},
    {.formatId = 43, .layoutId = 43, .formatName = k2014, .fileTypeCheck = nullptr, .header = H::versionRange, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::elementOnly, .map = M::y2014, .postCheck = P::none},
    {.formatId = 44, .layoutId = 44, .formatName = k2014, .fileTypeCheck = nullptr, .header = H::versionRange, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2014, .postCheck = P::none},
    {.formatId = 45, .layoutId = 42, .formatName = k2014, .fileTypeCheck = nullptr, .header = H::lineFeed, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::both, .map = M::y2014, .postCheck = P::canada},
    {.formatId = 46, .layoutId = 42, .formatName = k2014, .fileTypeCheck = nullptr, .header = H::versionRangeLenientCount, .findEntry = nullptr, .directoryEntry = nullptr, .locate = nullptr, .store = nullptr, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothHighTerminatorAsLf, .map = M::y2014, .postCheck = P::none},
    {.formatId = 47, .layoutId = 47, .formatName = nullptr, .fileTypeCheck = nullptr, .header = H::singleEntry, .findEntry = nullptr, .directoryEntry = aamvaEntryNextSubfile, .locate = nullptr, .store = aamvaStoreMonthNameDates, .fillEmptyWalk = false, .startAtFirstAt = false, .separators = S::bothNoDash, .map = M::y2000, .postCheck = P::none},
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
  AamvaReader reader;
  const int32_t init = aamvaReaderInit(&reader, v.layoutId, record);
  if (init != 0) return init;
  applyHeaderForm(&reader, v.header);
  reader.checkFileType = v.fileTypeCheck;
  if (v.findEntry != nullptr) reader.findDirectoryEntry = v.findEntry;
  if (v.directoryEntry != nullptr) reader.parseDirectoryEntry = v.directoryEntry;
  if (v.locate != nullptr) reader.locateSubfileData = v.locate;
  if (v.store != nullptr) reader.storeElement = v.store;
  if (v.fillEmptyWalk) reader.walkElements = aamvaFillEmptyWalk;
  reader.separatorForm = v.separators;
  const ElementMap map = elementMap(v.map);
  reader.map = map.pairs;
  reader.mapLength = map.count;
  reader.parseSubfile = aamvaParseSubfileWithMap;
  if (v.formatName != nullptr) recordSetFieldStr(record, field::formatName, v.formatName);

  if (text != nullptr && length > 0 && v.startAtFirstAt) {
    const void* at = std::memchr(text, '@', static_cast<size_t>(length));
    const char* from = at != nullptr ? static_cast<const char*>(at) : text + length;
    length -= static_cast<int32_t>(from - text);
    text = from;
  }
  const int32_t rc = reader.run(&reader, text, length);
  return rc != 0 ? rc : applyPostCheck(v.postCheck, record);
}

}  // namespace tavrix
