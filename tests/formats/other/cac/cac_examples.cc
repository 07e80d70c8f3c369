// The winning examples of the Common Access Card rows.
#include "formats/other/cac/card_text.h"
#include "formats/winning_examples.h"

namespace tavrix::test {

using namespace field;

std::vector<WinningExample> cacWinningExamples() {
  return {
      {.formatId = 51,
       .text = base32Card('1'),
       .fields = {{formatName, "Common Access Card 1"}, {cacBarcodeVersion, "1"}, {cacEdiPersonId, "1234567890"},
                  {birthDateAlt, "19850315"}, {countryCode, "USA"}, {documentType, "CAC"}}},
      {.formatId = 52,
       .text = base32Card('N'),
       .fields = {{formatName, "Common Access Card N"}, {cacBarcodeVersion, "N"}, {cacPersonDesignatorId, "1117317"}}},
      {.formatId = 54,
       .text = idusLayout2Card(),
       .fields = {{formatName, "Common Access Card v3"}, {cacLayoutBarcodeVersion, "1"}, {fullName, "DOE JOHN Q"},
                  {cacRank, "LTJG"}, {cacData121, "E4"}, {cacData114, ""}}},
      {.formatId = 53,
       .text = idusLayout1Card(),
       .fields = {{formatName, "Common Access Card v3"}, {cacLayoutBarcodeVersion, "0"}, {fullName, "DOE, JOHN, Q"},
                  {cacData114, "E4"}, {cacData120, "SVC"}, {cacRank, ""}}},
      {.formatId = 55,
       .text = idcvCard(),
       .fields = {{formatName, "DoD/Uniformed Services Civilian ID Card v3"}, {cacLayoutBarcodeVersion, "1"},
                  {cacData129, "C"}, {cacData127, "FORT LIBERTY NC"}, {cacData101, ""}}},
  };
}

}  // namespace tavrix::test
