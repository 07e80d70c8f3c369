// The winning examples of the "HC" card rows.
#include "formats/winning_examples.h"

namespace tavrix::test {

using namespace field;

std::vector<WinningExample> healthCardWinningExamples() {
  return {
      {.formatId = 48,
       .text = "@ON HC              1234567890DOE/JOHN                    19800115M2020010120300115",
       .fields = {{addressJurisdictionCode, "ON"}, {fullName, "DOE$JOHN"}, {expirationDate, "20300115"}, {documentType, "HC"}}},
      {.formatId = 49,
       .text = "%B6360501234567890^DOE/JOHN^3012799119800115ABCDEFG240115000?;6360501234567890=3012?;XYZ?",
       .fields = {{issuerIdNumber, "636050"}, {issueDate, "20240115"}, {gender, "1"}, {documentType, "HC"}}},
      {.formatId = 50,
       .text = "CNAM 1234567890\nCPRN JOHN\nCNOM DOE\nCEXP 2026-02\nCDTN 1980-01-15\nCSEX M\n",
       .fields = {{expirationDate, "20260228"}, {countryCode, "CAN"}, {documentType, "HC"}}},
  };
}

}  // namespace tavrix::test
