// Machine-readable zones: the specimen zones of every layout end to end,
// scanner forms of the same text, the century rule at the parse year's
// boundary, unknown dates, codes and names with fillers, and the zones
// every row refuses.
#include <gtest/gtest.h>

#include <string>

#include "engine/parser_handle.h"
#include "fields/field_ids.h"
#include "formats/other/mrz/mrz_formats.h"
#include "formats/other/mrz/zone_utopia_texts.h"
#include "formats/row_run.h"
#include "tavrix_parser.h"

namespace tavrix::test {
namespace {

using namespace field;

int32_t day2026(DateTime* now) {
  *now = DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

struct EndToEnd {
  void* handle = VTX_create();
  int32_t code;
  explicit EndToEnd(const std::string& text) {
    static_cast<ParserHandle*>(handle)->clock = day2026;
    code = VTX_parse(handle, text.data(), static_cast<int32_t>(text.size()));
  }
  ~EndToEnd() { VTX_delete(handle); }
  EndToEnd(const EndToEnd&) = delete;
  EndToEnd& operator=(const EndToEnd&) = delete;
  const FieldRecord& record() const { return static_cast<ParserHandle*>(handle)->record; }
  std::string field(int32_t id) const {
    const Span s = recordField(&record(), id);
    return s.length > 0 ? std::string(s.data, static_cast<size_t>(s.length)) : "";
  }
  std::string get(int32_t (*getter)(void*, char*, int32_t)) const {
    char buffer[128];
    return getter(handle, buffer, sizeof buffer) == VTX_OK ? buffer : "<none>";
  }
};

// Replaces the zone characters at `at` (a position in the joined lines).
std::string withAt(std::string zone, size_t at, const std::string& text) {
  size_t joined = 0;
  for (size_t i = 0; i < zone.size(); ++i) {
    if (zone[i] == '\n') continue;
    if (joined == at) return zone.replace(i, text.size(), text);
    ++joined;
  }
  return zone;
}

TEST(Zones, SpecimensOfEveryLayout) {
  struct Case {
    const std::string* text;
    uint32_t format;
    const char* number;
    const char* nationality;
    const char* birth;
    const char* expiry;
    const char* type;
  };
  const Case cases[] = {
      {&kTd3Specimen, 64, "L898902C3", "UTO", "19740812", "20120415", "PASSPORT"},
      {&kTd1Specimen, 65, "D23145890", "UTO", "19740812", "20120415", "TD"},
      {&kTd1WithCodeSpecimen, 65, "D23145890", "UTO", "19740812", "20120415", "DL"},
      {&kTd2Specimen, 66, "D23145890", "UTO", "19740812", "20120415", "TD"},
      {&kVisaASpecimen, 67, "L8988901C", "XXX", "19400907", "19961210", "TD"},
      {&kVisaBSpecimen, 67, "L8988901C", "XXX", "19400907", "19961210", "TD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(*c.text);
    EndToEnd p(*c.text);
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.record().formatId, c.format);
    EXPECT_EQ(p.record().documentClass, kMachineReadableZone);
    EXPECT_EQ(p.field(countryCode), "UTO");
    EXPECT_EQ(p.field(lastName), "ERIKSSON");
    EXPECT_EQ(p.field(firstName), "ANNA");
    EXPECT_EQ(p.field(middleName), "MARIA");
    EXPECT_EQ(p.field(licenseNumber), c.number);
    EXPECT_EQ(p.field(nationality), c.nationality);
    EXPECT_EQ(p.field(birthDateAlt), c.birth);
    EXPECT_EQ(p.field(expirationDate), c.expiry);
    EXPECT_EQ(p.field(gender), "F");
    EXPECT_EQ(p.field(documentType), c.type);
    EXPECT_EQ(p.field(residenceJurisdictionCode), c.text == &kTd1WithCodeSpecimen ? "NY" : "");
    EXPECT_EQ(p.field(licenseNumberAlt), c.format == 64 ? "ZE184226B" : "");
  }
  EndToEnd passport(kTd3Specimen);
  EXPECT_EQ(passport.get(VTX_getBirthdate), "08/12/1974");
  EXPECT_EQ(passport.get(VTX_getExpirationDate), "04/15/2012");
  EXPECT_EQ(passport.get(VTX_getGender), "Female");
  EXPECT_EQ(passport.get(VTX_getLicenseNumber), "L898902C3");
}

TEST(Zones, ScannerFormsReadAsTheSameZone) {
  const std::string forms[] = {
      "p<utoeriksson<<anna<maria<<<<<<<<<<<<<<<<<<<\r\nl898902c36uto7408122f1204159ze184226b<<<<<10\r\n",
      "   P<UTOERIKSSON<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<\r\n   L898902C36UTO7408122F1204159ZE184226B<<<<<10",
      "P<UTOERIKSSON<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<L898902C36UTO7408122F1204159ZE184226B<<<<<10",
  };
  for (const std::string& text : forms) {
    EndToEnd p(text);
    ASSERT_EQ(p.code, VTX_OK) << text;
    EXPECT_EQ(p.record().formatId, 64u);
    EXPECT_EQ(p.field(lastName), "ERIKSSON");
    EXPECT_EQ(p.field(licenseNumberAlt), "ZE184226B");
  }
}

TEST(Zones, CheckDigitsAreNotVerified) {
  // Every check digit of the passport changed: document number, birth,
  // expiry, personal number and the composite.
  std::string zone = kTd3Specimen;
  for (size_t at : {53u, 63u, 71u, 86u, 87u}) zone = withAt(zone, at, "9");
  ASSERT_NE(zone, kTd3Specimen);
  EndToEnd p(zone);
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.record().formatId, 64u);
  EXPECT_EQ(p.field(expirationDate), "20120415");
}

TEST(Zones, RefusedZones) {
  // A passport-sized zone that opens with "I": the passport row refuses its
  // code, the card rows its length, the visa row its code.
  const std::string cardCode = withAt(kTd3Specimen, 0, "I");
  for (uint32_t format : {64u, 65u, 66u, 67u}) EXPECT_EQ(RowRun(format, cardCode).code, VTX_ERR_MALFORMED) << format;
  EXPECT_EQ(EndToEnd(cardCode).code, VTX_ERR_UNRECOGNISED);
  // A card code followed by "V" is no card.
  EXPECT_EQ(RowRun(66, withAt(kTd2Specimen, 1, "V")).code, VTX_ERR_MALFORMED);
  // One character short, a character outside the zone alphabet, a digit in
  // the name, a letter in a date.
  EXPECT_EQ(RowRun(64, kTd3Specimen.substr(0, kTd3Specimen.size() - 1)).code, VTX_ERR_MALFORMED);
  EXPECT_EQ(RowRun(64, withAt(kTd3Specimen, 60, "=")).code, VTX_ERR_MALFORMED);  // the decoder drops it
  EXPECT_EQ(RowRun(64, withAt(kTd3Specimen, 10, "0")).code, VTX_ERR_MALFORMED);
  EXPECT_EQ(RowRun(65, withAt(kTd1Specimen, 32, "O")).code, VTX_ERR_MALFORMED);
  EXPECT_EQ(RowRun(64, withAt(kTd3Specimen, 2, "U1O")).code, VTX_ERR_MALFORMED);
  // An all-filler name area.
  EXPECT_EQ(RowRun(66, withAt(kTd2Specimen, 5, std::string(31, '<'))).code, VTX_ERR_MALFORMED);
  // Not a zone at all, and no text.
  EXPECT_EQ(RowRun(64, "NOT A ZONE").code, VTX_ERR_MALFORMED);
  FieldRecord record;
  EXPECT_EQ(parseZone(64, nullptr, 88, &record, nullptr), VTX_ERR_ARGUMENT);
  EXPECT_EQ(parseZone(63, kTd3Specimen.data(), 88, &record, nullptr), VTX_ERR_ARGUMENT);
}

TEST(Zones, CenturyFromTheParseYear) {
  struct Case {
    int32_t parseYear;
    const char* birth;   // YYMMDD
    const char* expiry;  // YYMMDD
    const char* birthStored;
    const char* expiryStored;
  };
  const Case cases[] = {
      {2026, "250101", "350101", "20250101", "20350101"},  // 1925 is more than a century back
      {2026, "260101", "300101", "19260101", "19300101"},  // the parse year less 100 stays 19YY
      {2027, "260101", "300101", "20260101", "20300101"},
      {2026, "800101", "300101", "19800101", "20300101"},  // an expiry before the birth moves on a century
      {2026, "800101", "950101", "19800101", "19950101"},
      {2026, "<<<<<<", "300101", "", "20300101"},          // no birth year: the expiry is 20YY
      {2026, "5501<<", "700101", "", "20700101"},          // a date with unknown parts is not read
      {2026, "550101", "<<<<<<", "19550101", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.birth) + " " + c.expiry);
    const std::string zone = withAt(withAt(kTd3Specimen, 57, c.birth), 65, c.expiry);
    RowRun run(64, zone, DateTime{c.parseYear, 1, 1, 0, 0, 0});
    ASSERT_EQ(run.code, VTX_OK);
    EXPECT_EQ(run.field(birthDateAlt), c.birthStored);
    EXPECT_EQ(run.field(expirationDate), c.expiryStored);
    EXPECT_EQ(run.field(licenseNumber), "L898902C3");  // read after the dates
  }
  // A filler among digits is an unknown part; any other character is not.
  EXPECT_EQ(RowRun(64, withAt(kTd3Specimen, 57, "55O1<<")).code, VTX_ERR_MALFORMED);
}

TEST(Zones, CodesSexAndNames) {
  struct Case {
    size_t at;
    const char* text;
    int32_t id;
    const char* stored;
  };
  const Case cases[] = {
      {2, "D<<", countryCode, "D"},
      {54, "D<<", nationality, "D"},
      {2, "<<<", countryCode, ""},
      {64, "X", gender, ""},
      {64, "<", gender, ""},
      {64, "M", gender, "M"},
      {72, "<<<<<<<<<<<<<<", licenseNumberAlt, ""},
      {72, "AB<12<<<<<<<<<", licenseNumberAlt, "AB 12"},
      {44, "<L8<98<<<", licenseNumber, "L8 98"},
      {5, "DE<LA<CRUZ<<JUAN<<CARLOS<<<<<<<<<<<<<<<", lastName, "DE LA CRUZ"},
      {5, "DE<LA<CRUZ<<JUAN<<CARLOS<<<<<<<<<<<<<<<", middleName, "CARLOS"},
      // No primary identifier: all of the area is given names.
      {5, "<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<<<<<<<<<", lastName, ""},
      {5, "<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<<<<<<<<<", firstName, "ANNA"},
      {5, "<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<<<<<<<<<", middleName, "MARIA"},
      // A single filler before the name is only trimmed.
      {5, "<ERIKSSON<<ANNA<<<<<<<<<<<<<<<<<<<<<<<<", lastName, "ERIKSSON"},
      {5, "SMITH<JOHN<PAUL<<<<<<<<<<<<<<<<<<<<<<<<", lastName, "SMITH"},
      {5, "SMITH<JOHN<PAUL<<<<<<<<<<<<<<<<<<<<<<<<", firstName, "JOHN"},
      {5, "SMITH<JOHN<PAUL<<<<<<<<<<<<<<<<<<<<<<<<", middleName, "PAUL"},
  };
  for (const Case& c : cases) {
    RowRun run(64, withAt(kTd3Specimen, c.at, c.text));
    ASSERT_EQ(run.code, VTX_OK) << c.text;
    EXPECT_EQ(run.field(c.id), c.stored) << c.text << " " << nameOf(c.id);
  }
  // Letters only make a residence code.
  RowRun digits(65, withAt(kTd1Specimen, 56, "N1"));
  ASSERT_EQ(digits.code, VTX_OK);
  EXPECT_EQ(digits.field(residenceJurisdictionCode), "");
  EXPECT_EQ(digits.field(documentType), "TD");
}

TEST(Zones, AVisaReadsItsSecondLineWhereItsLengthPutsIt) {
  RowRun longVisa(67, kVisaASpecimen);
  RowRun shortVisa(67, kVisaBSpecimen);
  for (const RowRun* run : {&longVisa, &shortVisa}) {
    ASSERT_EQ(run->code, VTX_OK);
    EXPECT_EQ(run->field(licenseNumber), "L8988901C");
    EXPECT_EQ(run->field(birthDateAlt), "19400907");
  }
  // A visa has no personal number item.
  EXPECT_EQ(longVisa.field(licenseNumberAlt), "");
}

}  // namespace
}  // namespace tavrix::test
