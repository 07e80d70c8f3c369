// The winning examples of the machine-readable-zone rows.
#include "formats/other/mrz/zone_utopia_texts.h"
#include "formats/winning_examples.h"

namespace tavrix::test {

using namespace field;

std::vector<WinningExample> zoneWinningExamples() {
  return {
      {.formatId = 64,
       .text = kTd3Specimen,
       .fields = {{documentType, "PASSPORT"}, {licenseNumber, "L898902C3"}, {licenseNumberAlt, "ZE184226B"},
                  {lastName, "ERIKSSON"}, {birthDateAlt, "19740812"}}},
      {.formatId = 65,
       .text = kTd1WithCodeSpecimen,
       .fields = {{documentType, "DL"}, {residenceJurisdictionCode, "NY"}, {licenseNumber, "D23145890"},
                  {firstName, "ANNA"}}},
      {.formatId = 66,
       .text = kTd2Specimen,
       .fields = {{documentType, "TD"}, {licenseNumber, "D23145890"}, {nationality, "UTO"},
                  {expirationDate, "20120415"}}},
      {.formatId = 67,
       .text = kVisaBSpecimen,
       .fields = {{documentType, "TD"}, {licenseNumber, "L8988901C"}, {nationality, "XXX"},
                  {birthDateAlt, "19400907"}, {expirationDate, "19961210"}}},
  };
}

}  // namespace tavrix::test
