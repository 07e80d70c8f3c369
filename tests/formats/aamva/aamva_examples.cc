// The winning examples of the AAMVA rows.
#include "formats/aamva/aamva_barcode.h"
#include "formats/winning_examples.h"

namespace tavrix::test {

using namespace field;

std::vector<WinningExample> aamvaWinningExamples() {
  // The 2009 and later element set under a standard header.
  auto dac = [](const char* iin, int version) {
    return standardBarcode(iin, version, {"DAQD123456789", "DCSSMITH", "DACJOHN", "DADQ", "DAG1 MAIN ST", "DAJTX",
                                          "DBB01151980", "DBA01152030", "DBC1", "DCGUSA"});
  };
  return {
      {.formatId = 17,
       .text = standardBarcode("636010", 1, {"DAQD123456789", "DAASMITH,JOHN,Q", "DAJFL", "DBB19800115"}),
       .fields = {{fullName, "SMITH,JOHN,Q"}, {formatName, "AAMVA DL/ID 2000"}, {licenseNumber, "D123456789"}}},
      {.formatId = 37,
       .text = dac("636015", 4),
       .fields = {{firstName, "JOHN"}, {formatName, "AAMVA DL/ID 2009"}}},
      {.formatId = 42,
       .text = dac("636015", 8),
       .fields = {{firstName, "JOHN"}, {formatName, "AAMVA DL/ID 2014"}, {licenseNumberAlt, "D123456789"}}},
  };
}

}  // namespace tavrix::test
