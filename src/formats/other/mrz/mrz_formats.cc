#include "formats/other/mrz/mrz_formats.h"

#include "engine/ascii_classes.h"
#include "engine/mrz_items.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/other/mrz/zone_layouts.h"

namespace tavrix {
namespace {

// Reading state shared by the items of one zone.
struct ZoneReading {
  const char* text;
  FieldRecord* record;
  int32_t parseYear;
  int32_t birthYear = 0;  // 0 until a birth date was read
  bool residenceStored = false;
};

Span placeOf(const ZoneReading& z, ZonePlace place) { return Span{z.text + place.start, place.length}; }

bool codeFits(DocumentCode code, const char* text) {
  switch (code) {
    case DocumentCode::passport:
      return text[0] == 'P';
    case DocumentCode::card:
      return (text[0] == 'A' || text[0] == 'C' || text[0] == 'I') && text[1] != 'V';
    case DocumentCode::visa:
      return text[0] == 'V';
  }
  return false;
}

// Names, numbers and codes keep a space for each filler, one for a run.
void storeWithSpaces(FieldRecord* record, int32_t id, Span value) {
  if (!spanIsEmpty(value)) recordSetField(record, id, value, "<", " ", ' ');
}

// A state or nationality code: its letters up to the first filler. "D<<"
// is Germany's "D"; a code that begins with a filler stores nothing.
int32_t readCode(ZoneReading& z, Span item, int32_t id) {
  char code[3];
  const int32_t rc = mrzReadCode(item, code);
  if (rc != VTX_OK) return rc;
  int32_t n = 0;
  while (n < 3 && code[n] != '\0') ++n;
  if (n > 0) recordSetSpan(z.record, id, Span{code, n});
  return VTX_OK;
}

int32_t readName(ZoneReading& z, Span item) {
  Span whole, primary, secondary, rest;
  const int32_t rc = mrzSplitName(item, &whole, &primary, &secondary, &rest);
  if (rc != VTX_OK) return rc;
  // An area that opens with two fillers has no primary identifier: all of
  // it is given names.
  if (item.length >= 2 && item.data[0] == '<' && item.data[1] == '<') {
    primary = Span{};
    Span given = whole;
    spanNextToken(given, &secondary, &rest, "<", 0);
  }
  storeWithSpaces(z.record, field::lastName, primary);
  storeWithSpaces(z.record, field::firstName, secondary);
  spanTrimSet(&rest, "<");
  storeWithSpaces(z.record, field::middleName, rest);
  return VTX_OK;
}

enum class DateKind { known, unknown, malformed };

// ICAO fills the unknown parts of a date with fillers ("5501<<",
// "<<<<<<"): such a date is not read, but does not spoil the zone.
DateKind dateKind(Span item) {
  bool filler = false;
  for (int32_t i = 0; i < item.length; ++i) {
    if (item.data[i] == '<') {
      filler = true;
    } else if (!isAsciiDigit(byteOf(item.data[i]))) {
      return DateKind::malformed;
    }
  }
  return filler ? DateKind::unknown : DateKind::known;
}

// A birth year of 19YY a century or more before this year is 20YY; a
// year equal to this year less 100 stays 19YY.
int32_t readBirthDate(ZoneReading& z, Span item) {
  const DateKind kind = dateKind(item);
  if (kind == DateKind::malformed) return VTX_ERR_MALFORMED;
  if (kind == DateKind::unknown) return VTX_OK;
  DateTime date;
  const int32_t rc = mrzParseDate(item, &date);
  if (rc != VTX_OK) return rc;
  if (date.year + 100 < z.parseYear) date.year += 100;
  z.birthYear = date.year;
  recordSetDate(z.record, field::birthDateAlt, &date);
  return VTX_OK;
}

// A document expires after its holder was born; with no birth year to go
// by, the expiry is taken to lie in this century.
int32_t readExpiryDate(ZoneReading& z, Span item) {
  const DateKind kind = dateKind(item);
  if (kind == DateKind::malformed) return VTX_ERR_MALFORMED;
  if (kind == DateKind::unknown) return VTX_OK;
  DateTime date;
  const int32_t rc = mrzParseDate(item, &date);
  if (rc != VTX_OK) return rc;
  if (z.birthYear == 0 || date.year < z.birthYear) date.year += 100;
  recordSetDate(z.record, field::expirationDate, &date);
  return VTX_OK;
}

int32_t readItem(ZoneReading& z, const ZoneLayout& layout, ZoneItem item) {
  switch (item) {
    case ZoneItem::none:
      return VTX_OK;
    case ZoneItem::issuingState:
      return readCode(z, placeOf(z, layout.issuingState), field::countryCode);
    case ZoneItem::nationality:
      return readCode(z, placeOf(z, layout.nationality), field::nationality);
    case ZoneItem::name:
      return readName(z, placeOf(z, layout.name));
    case ZoneItem::documentNumber: {
      Span number = placeOf(z, layout.documentNumber);
      spanTrimSet(&number, "<");
      storeWithSpaces(z.record, field::licenseNumber, number);
      return VTX_OK;
    }
    case ZoneItem::personalNumber: {
      Span number = placeOf(z, layout.personalNumber);
      spanTrimSet(&number, "<");
      storeWithSpaces(z.record, field::licenseNumberAlt, number);
      return VTX_OK;
    }
    case ZoneItem::birthDate:
      return readBirthDate(z, placeOf(z, layout.birthDate));
    case ZoneItem::expiryDate:
      return readExpiryDate(z, placeOf(z, layout.expiryDate));
    case ZoneItem::sex: {
      const char sex = z.text[layout.sex.start];
      if (sex == 'M' || sex == 'F') recordSetSpan(z.record, field::gender, Span{z.text + layout.sex.start, 1});
      return VTX_OK;
    }
    case ZoneItem::residenceCode: {
      const Span code = placeOf(z, layout.residenceCode);
      if (isAsciiUpper(byteOf(code.data[0])) && isAsciiUpper(byteOf(code.data[1]))) {
        recordSetSpan(z.record, field::residenceJurisdictionCode, code);
        z.residenceStored = true;
      }
      return VTX_OK;
    }
  }
  return VTX_OK;
}

const ZoneLayout* layoutFor(int32_t formatId, int32_t length) {
  for (const ZoneLayout& layout : kZoneLayouts) {
    if (layout.formatId == formatId && layout.length == length) return &layout;
  }
  return nullptr;
}

}  // namespace

int32_t parseZone(int32_t formatId, const char* text, int32_t length, FieldRecord* record,
                  const ParserHandle* context) {
  if (text == nullptr || record == nullptr) return VTX_ERR_ARGUMENT;
  if (formatId < kZoneFirstFormat || formatId > kZoneLastFormat) return VTX_ERR_ARGUMENT;
  const ZoneLayout* layout = layoutFor(formatId, length);
  if (layout == nullptr || !codeFits(layout->code, text)) return VTX_ERR_MALFORMED;
  if (spanFindFailing(Span{text, length}, isMrzChar) != 0) return VTX_ERR_MALFORMED;

  ZoneReading z{.text = text, .record = record, .parseYear = parseTimeOf(context).year};
  for (const ZoneItem item : layout->order) {
    const int32_t rc = readItem(z, *layout, item);
    if (rc != VTX_OK) return rc;
  }
  const char* type = layout->documentType;
  if (z.residenceStored) type = "DL";
  recordSetFieldStr(record, field::documentType, type);
  return VTX_OK;
}

}  // namespace tavrix
