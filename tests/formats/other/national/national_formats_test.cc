// The national barcodes: each layout on a full text and on texts that stop
// early, the refusals, and the rules for names, markers and dates. Each
// case runs the row's own decoder and parser; the scoring among rows is
// the winning examples' test.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fields/field_ids.h"
#include "formats/other/national/national_samples.h"
#include "formats/row_run.h"

namespace tavrix::test {
namespace {

using namespace field;

struct Case {
  const char* what;
  uint32_t format;
  std::string text;
  int32_t code;
  std::vector<std::pair<Id, std::string>> fields;  // "" means empty
};

void runCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.what) + ": " + c.text);
    RowRun run(c.format, c.text);
    EXPECT_EQ(run.code, c.code);
    for (const auto& [id, value] : c.fields) EXPECT_EQ(run.field(id), value) << nameOf(id);
  }
}

TEST(NationalFormats, Guatemala) {
  runCases({
      {"full", 56, kGuatemalaSample, 0,
       {{firstName, "JUAN CARLOS"}, {middleName, "JOSE"}, {lastName, "PEREZ GOMEZ"}, {birthDate, "19850315"},
        {expirationDate, "20300620"}, {licenseNumber, "1234567890101"}, {countryCode, "GTM"}, {documentType, "DL"}}},
      {"no licence number", 56, "1234567890101|M|JUAN|JOSE|PEREZ|15/03/1985|20/06/2030|", 0,
       {{firstName, "JUAN"}, {lastName, "PEREZ"}, {expirationDate, "20300620"}, {licenseNumber, ""},
        {country, ""}, {countryCode, ""}, {documentType, ""}}},
      {"expiry at the end of the text", 56, "1|M|JUAN||PEREZ|15/03/1985|20/06/2030", 0,
       {{birthDate, "19850315"}, {expirationDate, ""}, {countryCode, ""}}},
      {"empty middle name, number at the end", 56, "1|M|JUAN||PEREZ|15/03/1985|20/06/2030|99", 0,
       {{middleName, ""}, {lastName, "PEREZ"}, {licenseNumber, "99"}, {countryCode, "GTM"}}},
      {"NULL middle name", 56, "1|M|JUAN|NULL|PEREZ|15/03/1985|20/06/2030|99", 0,
       {{middleName, ""}, {countryCode, "GTM"}}},
      {"middle name with NULL", 56, "1|M|JUAN|JOSENULL|PEREZ|15/03/1985|20/06/2030|99", 0, {{middleName, "JOSE"}}},
      {"first name after a digit field", 56, "1|M|123|JUAN|JOSE|PEREZ|15/03/1985|20/06/2030|9", 0,
       {{firstName, "JUAN"}, {middleName, "JOSE"}}},
      {"short birth date", 56, "1|M|JUAN|JOSE|PEREZ|1/03/1985|20/06/2030|9", 0,
       {{middleName, "JOSE"}, {lastName, ""}, {birthDate, ""}}},
      {"opening bar", 56, "|M|JUAN|JOSE|PEREZ|15/03/1985|20/06/2030|9", 0, {{firstName, ""}}},
      {"two-letter field", 56, "1|MX|JUAN|JOSE|PEREZ|15/03/1985|20/06/2030|9", 0, {{firstName, ""}}},
  });
}

TEST(NationalFormats, PuertoRico) {
  runCases({
      {"full", 57, kPuertoRicoSample, 0,
       {{licenseNumber, "1234567"}, {expirationDate, "20300115"}, {firstName, "JUAN"}, {middleName, "CARLOS"},
        {lastName, "DEL VALLE"}, {gender, "M"}, {countryCode, "PRI"}, {documentType, "DL"}}},
      {"PANAMENA with any letter", 57, "1234567-15ENE2030-JUAN-CARLOS-PANAME\xD1" "A-CIT-1-2-M-", VTX_ERR_UNRECOGNISED,
       {}},
      {"month not in the list", 57, "1234567-15JAN2030-JUAN-CARLOS-DEL-VALLE-CIT-1-2-M-", 0,
       {{licenseNumber, "1234567"}, {expirationDate, ""}, {firstName, ""}}},
      {"no middle name, INM marker in lower case", 57, "1-15ENE2030-JUAN--RIVERA-inm-1-2-F-", 0,
       {{middleName, ""}, {lastName, "RIVERA"}, {gender, "F"}, {countryCode, "PRI"}}},
      {"NULL middle name", 57, "1-15ENE2030-JUAN-NULL-RIVERA-CIT-1-2-F-", 0, {{middleName, ""}, {gender, "F"}}},
      {"no marker", 57, "1-15ENE2030-JUAN-CARLOS-RIVERA-GOMEZ-1-2-F-", 0,
       {{middleName, "CARLOS"}, {lastName, ""}, {gender, ""}}},
      {"marker with no name before it", 57, "1-15ENE2030-JUAN-CARLOS--CIT-1-2-F-", 0, {{lastName, ""}}},
      {"sex at the end of the text", 57, "1-15ENE2030-JUAN-CARLOS-RIVERA-CIT-1-2-M", 0,
       {{lastName, "RIVERA"}, {gender, ""}, {countryCode, ""}}},
      {"nothing after the skipped fields", 57, "1-15ENE2030-JUAN-CARLOS-RIVERA-CIT-1-2-", 0, {{gender, ""}}},
      {"no number", 57, "A-15ENE2030-JUAN-", 0, {{licenseNumber, ""}}},
  });
}

TEST(NationalFormats, Panama) {
  runCases({
      {"full, dates day first", 58, kPanamaSample, 0,
       {{licenseNumber, "8-123-456"}, {firstName, "JUAN"}, {middleName, "CARLOS"}, {lastName, "PEREZ GOMEZ"},
        {birthDate, "19900201"}, {expirationDate, "20300201"}, {issueDate, "20200605"}, {classificationCode, "C"},
        {countryCode, "PAN"}}},
      {"no range test, empty last field", 58, "1|X|A|B|CIP|A|B|C|13/13/2020|1/1/2030|1/1/2020||", 0,
       {{birthDate, "20201313"}, {classificationCode, ""}}},
      {"a birth date that fails stops the dates", 58, "1|X|A|B|CIP|A|B|C|1990|1/1/2030|1/1/2020|C", 0,
       {{birthDate, ""}, {expirationDate, ""}, {issueDate, ""}, {countryCode, "PAN"}}},
      {"a date must end its field", 58, "1|X|A|B|CIP|A|B|C|1/1/1990X|1/1/2030|1/1/2020|C", 0, {{birthDate, ""}}},
      {"empty given-name part", 58, "1|X|_CARLOS|B|CIP|A|B|C|1/1/1990|1/1/2030|1/1/2020|C", 0,
       {{firstName, ""}, {middleName, "CARLOS"}}},
      {"eleven fields", 58, "1|X|A|B|CIP|A|B|C|1/1/1990|1/1/2030|1/1/2020", VTX_ERR_UNRECOGNISED, {}},
      {"no marker", 58, "1|X|A|B|CIX|A|B|C|1/1/1990|1/1/2030|1/1/2020|C", VTX_ERR_UNRECOGNISED, {}},
      {"marker too near the end", 58, "||||||||||||CIP|", VTX_ERR_UNRECOGNISED, {}},
  });
}

TEST(NationalFormats, SouthAfrica) {
  runCases({
      {"full", 59, kSouthAfricaSample, 0,
       {{lastName, "SMITH"}, {firstName, "JOHN"}, {middleName, "PETER"}, {gender, "M"},
        {licenseNumber, "8001015009087"}, {birthDate, "19800101"}, {issueDate, "20200315"}, {countryCode, "ZAF"},
        {documentType, "ID"}}},
      {"no closing digits", 59, "SMITH|JOHN|M|X|1|01 JAN 1980|ZAF|X|15 MAR 2020|123456789X", VTX_ERR_UNRECOGNISED,
       {{lastName, "SMITH"}, {countryCode, ""}}},
      {"ends with a bar", 59, "SMITH|JOHN|M|X|1|01 JAN 1980|ZAF|X|15 MAR 2020|", VTX_ERR_UNRECOGNISED, {}},
      {"eight fields", 59, "SMITH|JOHN|M|X|1|01 JAN 1980|ZAF|1234567890", VTX_ERR_UNRECOGNISED, {}},
      {"dates that do not parse", 59, " SMITH |JOHN|M|X|1|1980-01-01|ZAF|X|15 MAR 20|1234567890", 0,
       {{lastName, "SMITH"}, {birthDate, ""}, {issueDate, ""}, {countryCode, "ZAF"}}},
  });
}

TEST(NationalFormats, MexicoLabelled) {
  const std::string tail = " Fec Nac. 12/25/1980 Sexo H";
  runCases({
      {"full", 60, kMexicoLabelledSample, 0,
       {{fullName, "PEREZ GOMEZ JUAN CARLOS"}, {lastName, "PEREZ GOMEZ"}, {firstName, "JUAN"}, {middleName, "CARLOS"},
        {birthDate, "19801225"}, {addressCity, "GUADALAJARA"}, {licenseNumber, "123456789"}, {country, "Mexico"},
        {documentType, "ID"}}},
      {"two words, month-first date", 60, "PEREZ JUAN" + tail, 0,
       {{lastName, "PEREZ"}, {firstName, "JUAN"}, {birthDate, "19801225"}, {country, "Mexico"}}},
      {"particle second", 60, "JUAN DE LA CRUZ" + tail, 0, {{lastName, "JUAN DE LA CRUZ"}, {firstName, ""}}},
      {"particle third", 60, "JUAN CARLOS DE LA CRUZ" + tail, 0,
       {{firstName, "JUAN"}, {lastName, "CARLOS DE LA CRUZ"}, {middleName, ""}}},
      {"particle later", 60, "JUAN CARLOS PEREZ del RIO" + tail, 0,
       {{firstName, "JUAN"}, {middleName, "CARLOS"}, {lastName, "PEREZ del RIO"}}},
      {"one word", 60, "PEREZ" + tail, 0, {{fullName, "PEREZ"}, {lastName, ""}, {firstName, ""}}},
      {"fillers and lower case before the name", 60, "1 x PEREZ JUAN@@@" + tail, 0,
       {{fullName, "PEREZ JUAN"}, {firstName, "JUAN"}}},
      {"registration code glued to the name", 60, "PEREZ JUAN ABCD123456EFGHIJKLM" + tail, 0,
       {{fullName, "PEREZ JUAN "}, {firstName, "JUAN"}}},
      {"label at the start", 60, tail, 0, {{birthDate, ""}, {country, ""}}},
      {"name of two characters", 60, "AB" + tail, 0, {{birthDate, ""}}},
      {"only fillers before the label", 60, "@@" + tail, 0, {{birthDate, ""}}},
      {"first label without a date, second with one", 60, "PEREZ JUAN Fec Nac. X ROSA DIAZ" + tail, 0,
       {{fullName, "X ROSA DIAZ"}, {birthDate, "19801225"}}},
      {"office without a number", 60, "PEREZ JUAN" + tail + " Ofna GUADALAJARA Id Doc X", 0,
       {{addressCity, ""}, {licenseNumber, ""}, {country, "Mexico"}}},
      {"no label", 60, "PEREZ JUAN Fec 12/25/1980", 0, {{fullName, ""}}},
  });
}

TEST(NationalFormats, MexicoFields) {
  const std::string names = "BOF!!PEREZ!!GOMEZ!!JUAN CARLOS!!15/03/1985!!";
  runCases({
      {"full", 61, kMexicoFieldsSample, 0,
       {{lastName, "PEREZ GOMEZ"}, {firstName, "JUAN"}, {middleName, "CARLOS"}, {birthDate, "19850315"},
        {heightCm, "175"}, {weightKg, "70"}, {eyeColor, "CAFE"}, {hairColor, "CASTANO"},
        {addressCity, "GUADALAJARA"}, {licenseNumber, "A123#45"}, {country, "Mexico"}, {documentType, "ID"}}},
      {"no group after the names", 61, "BOF!!PEREZ!!GOMEZ!!JUAN!!15/03/1985!!ABC!!", 0,
       {{lastName, "PEREZ GOMEZ"}, {firstName, "JUAN"}, {birthDate, "19850315"}, {heightCm, ""}, {country, ""}}},
      {"no city group", 61, names + "C!!1.75!!70!!X!!CAFE!!NEGRO!!A!!B!!", 0,
       {{eyeColor, "CAFE"}, {hairColor, "NEGRO"}, {addressCity, ""}, {country, "Mexico"}}},
      {"groups found past fields that do not fit", 61, names + "C!!X!!1.75!!70!!Y!!A#B!!CAFE!!?NEGRO?!!A!!B!!", 0,
       {{heightCm, "175"}, {eyeColor, "CAFE"}, {hairColor, "NEGRO"}}},
      {"lower case and accents, month-first date", 61,
       "bof!!p\xE9rez!!g\xF3mez!!Jos\xE9!!12/25/1980!!", 0,
       {{lastName, "PEREZ GOMEZ"}, {firstName, "JOSE"}, {birthDate, "19801225"}}},
      {"surname too short", 61, "BOF!!P!!GOMEZ!!JUAN!!15/03/1985!!", 0, {{lastName, ""}}},
      {"date field too short", 61, "BOF!!PEREZ!!GOMEZ!!JUAN!!1/3/198!!", 0, {{lastName, ""}}},
      {"no opening", 61, "PEREZ!!GOMEZ!!JUAN!!15/03/1985!!", 0, {{lastName, ""}}},
  });
}

TEST(NationalFormats, Issuer636062) {
  runCases({
      {"DCT under 62", 62, kIssuer636062DctSample, 0,
       {{lastName, "SAMPLE"}, {firstName, "ALEX"}, {eyeColor, "BRO"}, {vehicleCodesAlt, "NONE"}, {documentType, "DL"},
        {country, "Virgin Islands of the U.S."}}},
      // Under the other variant the last name runs to an id that is missing.
      {"DCT under 63", 63, kIssuer636062DctSample, 0, {{lastName, ""}, {firstName, ""}, {nameSuffix, "JR"}}},
      {"DTT under 63", 63, kIssuer636062DttSample, 0, {{lastName, "SAMPLE"}, {firstName, "ALEX"}}},
      {"next id right after the id", 62, "117ANSI 636062DCADCBNONEDCDX DCH rest of it ", 0,
       {{vehicleClass, ""}, {restrictionCode, "NONE"}, {endorsementsCode, ""}, {vehicleCodesAlt, "rest of it"},
        {documentType, "DL"}}},
      {"another header", 62, "117ANSI 636063DCAD DCBNONE", 0, {{vehicleClass, ""}, {documentType, ""}}},
  });
}

}  // namespace
}  // namespace tavrix::test
