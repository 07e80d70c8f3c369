// The winning examples of the national-barcode rows: the texts of
// examples/national-*.txt.
#include "formats/other/national/national_samples.h"
#include "formats/winning_examples.h"

namespace tavrix::test {

using namespace field;

std::vector<WinningExample> nationalWinningExamples() {
  return {
      {.formatId = 56,
       .text = kGuatemalaSample,
       .fields = {{countryCode, "GTM"}, {lastName, "PEREZ GOMEZ"}, {expirationDate, "20300620"},
                  {licenseNumber, "1234567890101"}}},
      {.formatId = 57,
       .text = kPuertoRicoSample,
       .fields = {{countryCode, "PRI"}, {lastName, "DEL VALLE"}, {expirationDate, "20300115"}, {gender, "M"}}},
      {.formatId = 58,
       .text = kPanamaSample,
       .fields = {{countryCode, "PAN"}, {classificationCode, "C"}, {issueDate, "20200605"}}},
      {.formatId = 59,
       .text = kSouthAfricaSample,
       .fields = {{countryCode, "ZAF"}, {documentType, "ID"}, {birthDate, "19800101"}, {issueDate, "20200315"}}},
      {.formatId = 60,
       .text = kMexicoLabelledSample,
       .fields = {{country, "Mexico"}, {fullName, "PEREZ GOMEZ JUAN CARLOS"}, {addressCity, "GUADALAJARA"}}},
      {.formatId = 61,
       .text = kMexicoFieldsSample,
       .fields = {{country, "Mexico"}, {heightCm, "175"}, {hairColor, "CASTANO"}, {licenseNumber, "A123#45"}}},
      {.formatId = 62,
       .text = kIssuer636062DctSample,
       .fields = {{country, "Virgin Islands of the U.S."}, {firstName, "ALEX"}, {eyeColor, "BRO"}}},
      {.formatId = 63,
       .text = kIssuer636062DttSample,
       .fields = {{country, "Virgin Islands of the U.S."}, {firstName, "ALEX"}, {lastName, "SAMPLE"}}},
  };
}

}  // namespace tavrix::test
