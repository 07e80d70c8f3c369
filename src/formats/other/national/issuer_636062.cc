// Barcodes of issuer 636062 (recorded as the Virgin Islands of the U.S.):
// "117ANSI 636062" and AAMVA-like element ids in a fixed order, without
// the header and separators of the AAMVA layouts. Each value runs from its
// id to the next id of the list; the two variants name the first name DCT
// or DTT.
#include <cstring>
#include <iterator>

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "formats/other/national/national_formats.h"
#include "formats/other/national/national_text.h"

namespace tavrix {
namespace {

struct ElementField {
  const char* id;  // three characters; null: the variant's first-name id
  int32_t field;
};

// The eye colour comes from DAT, where the AAMVA maps read DAY.
constexpr ElementField kElements[] = {
    {"DCA", field::vehicleClass},      {"DCB", field::restrictionCode},
    {"DCD", field::endorsementsCode},  {"DBA", field::expirationDate},
    {"DCS", field::lastName},          {nullptr, field::firstName},
    {"DCU", field::nameSuffix},        {"DBD", field::issueDate},
    {"DBB", field::birthDateAlt},      {"DBC", field::gender},
    {"DAT", field::eyeColor},          {"DAU", field::height},
    {"DCE", field::weightRange},       {"DAG", field::addressStreet1},
    {"DAI", field::addressCity},       {"DAJ", field::addressJurisdictionCode},
    {"DAK", field::addressPostalCode}, {"DAQ", field::licenseNumber},
    {"DCF", field::documentDiscriminator}, {"DCG", field::countryCode},
    {"DCH", field::vehicleCodesAlt},
};
static_assert(std::size(kElements) == 21, "the issuer's element list");

constexpr char kHeader[] = "117ANSI 636062";
constexpr int32_t kHeaderLength = 14;

int32_t parseElements(const char* text, int32_t length, FieldRecord* record, const char* firstNameId) {
  if (text == nullptr || record == nullptr || length < kHeaderLength) return VTX_OK;
  if (std::memcmp(text, kHeader, kHeaderLength) != 0) return VTX_OK;
  const Span all{text, length};
  constexpr int32_t count = static_cast<int32_t>(std::size(kElements));
  auto idOf = [firstNameId](int32_t i) { return kElements[i].id != nullptr ? kElements[i].id : firstNameId; };
  for (int32_t i = 0; i < count; ++i) {
    const int32_t at = findFrom(all, 0, idOf(i));
    if (at < 0) continue;
    const int32_t start = at + 3;
    int32_t end = length;
    if (i + 1 < count) {
      end = findFrom(all, start, idOf(i + 1));
      if (end <= start) continue;  // the next id is missing or follows at once
    }
    Span value{text + start, end - start};
    spanTrimIf(&value, isAsciiSpace);
    recordSetSpan(record, kElements[i].field, value);
  }
  recordSetFieldStr(record, field::documentType, "DL");
  recordSetFieldStr(record, field::country, "Virgin Islands of the U.S.");
  return VTX_OK;
}

}  // namespace

int32_t parseIssuer636062Dct(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  return parseElements(text, length, record, "DCT");
}

int32_t parseIssuer636062Dtt(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  return parseElements(text, length, record, "DTT");
}

}  // namespace tavrix
