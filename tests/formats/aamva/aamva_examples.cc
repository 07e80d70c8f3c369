// The winning examples of the AAMVA rows, one per format id in id order.
// Each asserts what only that row does: where it reads the header items,
// which element map and separators it walks with, how it finds the subfile,
// what its post-check lets through and the format name it stores.
#include <string>

#include "formats/aamva/aamva_barcode.h"
#include "formats/winning_examples.h"

namespace tavrix::test {
namespace {

using namespace field;

// A header followed by one directory entry and its subfile. `offsetShift`
// moves the stated offset away from the subfile's true place (the layouts
// that count it one off); `repeatType` writes the subfile type again at the
// start of the subfile, as most barcodes do.
std::string withDirectory(const std::string& header, const std::string& elements, int offsetShift = 0,
                          bool repeatType = true) {
  const std::string subfile = (repeatType ? "DL" : "") + elements;
  return header + "DL" + fourDigits(header.size() + 10 + static_cast<size_t>(offsetShift)) +
         fourDigits(subfile.size()) + subfile;
}

// Elements of the 2000 edition with a Mississippi residence address, which
// only the 2000 and 2009 maps read.
const char* const k2000Residence = "\nDAL3546 HWY 22\nDANSOUTHAVEN\nDAOMS\nDAP38671";

}  // namespace

std::vector<WinningExample> aamvaWinningExamples() {
  // The 2009 and later element set; DCS comes before DAB in the 2009 map.
  auto dac = [](const char* iin, int version) {
    return standardBarcode(iin, version, {"DAQD123456789", "DCSSMITH", "DACJOHN", "DADQ", "DAG1 MAIN ST", "DAJTX",
                                          "DBB01151980", "DBA01152030", "DBC1", "DCGUSA"});
  };
  // Two last-name elements: a walk in text order keeps DAB's, one in map
  // order DCS's.
  auto twoLastNames = [](const char* iin, int version) {
    return standardBarcode(iin, version,
                           {"DAQD123456789", "DCSSMITH", "DABJONES", "DACJOHN", "DAJTX", "DBB01151980", "DCGUSA"});
  };
  // North Carolina's layout: "AAMVA36" runs into the issuer number, a
  // one-digit version, a directory offset one short, dates year first.
  auto northCarolina = [](const char* separators, const char* iinTail, const char* state) {
    return withDirectory(std::string("@") + separators + "AAMVA36" + iinTail + "0" + "01",
                         std::string("DAQ000012345\nDAADOE,JANE\nDAJ") + state + "\nDBB1985-06-15\nDAV165\nDBC2\r", -1);
  };
  const std::string elements2000 = "DAQD123456789\nDAASMITH,JOHN,Q\nDAJFL\nDBB19800115";
  const std::string elements2003 = "DAQD123456789\nDCSSMITH\nDCTJOHN Q\nDAJTX\nDBB01151980\r";
  const std::string v02 = withDirectory("@\n\x1e\rANSI 636015020001", elements2003);
  std::string v02Fs = v02;
  v02Fs[2] = '\x1c';

  return {
      {.formatId = 17,
       .text = standardBarcode("636010", 1, {"DAQD123456789", "DAASMITH,JOHN,Q", "DAJFL", "DBB19800115", "DAU510"}),
       .fields = {{issuerIdNumber, "636010"},
                  {fullName, "SMITH,JOHN,Q"},
                  {heightFeetInches, "510"},
                  {licenseNumber, "D123456789"},
                  {formatName, "AAMVA DL/ID 2000"}}},
      // "ANSI" without the space: the issuer number at 8, the offset one past
      // the subfile.
      {.formatId = 18,
       .text = withDirectory("@\n\x1e\rANSI636051" "0101", elements2000 + "\nDAU504" + k2000Residence + "\r", 1),
       .fields = {{issuerIdNumber, "636051"},
                  {licenseNumber, "D123456789"},
                  {heightFeetInches, "504"},
                  {residenceCity, "SOUTHAVEN"},
                  {formatName, "AAMVA DL/ID 2000"}}},
      // A dash as segment terminator separates elements too.
      {.formatId = 19,
       .text = withDirectory("@\n\x1e-ANSI 636010" "0101", "DAQD123456789\nDAASMITH,JOHN,Q-DAJFL\nDBB19800115\r", 1),
       .fields = {{fullName, "SMITH,JOHN,Q"},
                  {addressJurisdictionCode, "FL"},
                  {licenseNumber, "D123456789"},
                  {formatName, "AAMVA DL/ID 2000"}}},
      // "AAMVA36" at 3: the last "A" is the issuer number's first digit.
      {.formatId = 20,
       .text = withDirectory("@\n\x1c" "AAMVA36004" "0" "01", "DAQ000012345\nDAADOE,JANE\nDAJSC\nDBB19850615\r"),
       .fields = {{issuerIdNumber, "636004"},
                  {fullName, "DOE,JANE"},
                  {formatName, "NON STANDARD PARTIALLY BASED ON AAMVA DL/ID 2000"}}},
      // The layout North Carolina shares with other states, here South
      // Carolina: dates stay as written.
      {.formatId = 21,
       .text = northCarolina("\n\x1e\r", "005", "SC"),
       .fields = {{issuerIdNumber, "636005"},
                  {addressJurisdictionCode, "SC"},
                  {birthDate, "1985-06-15"},
                  {heightCm, "165"},
                  {formatName, "NON STANDARD PARTIALLY BASED ON AAMVA DL/ID 2000"}}},
      {.formatId = 22,
       .text = northCarolina("\n\x1e\r", "004", "NC"),
       .fields = {{issuerIdNumber, "636004"},
                  {birthDate, "06151985"},
                  {heightCm, "165"},
                  {formatName, "NON STANDARD PARTIALLY BASED ON AAMVA DL/ID 2000"}}},
      // A record separator neither FS nor RS: no issuer number is read and
      // DAV is the plain height.
      {.formatId = 23,
       .text = northCarolina("\n*\r", "004", "NC"),
       .fields = {{issuerIdNumber, ""},
                  {birthDate, "06151985"},
                  {height, "165"},
                  {heightCm, ""},
                  {formatName, "NON STANDARD PARTIALLY BASED ON AAMVA DL/ID 2000"}}},
      // "AAMVA" in place of "ANSI ".
      {.formatId = 24,
       .text = withDirectory("@\n\x1e\rAAMVA636003" "0101",
                             "DAQK-134-123-145-103\nDAAJOHNSON,JACK,,3RD\nDAJMD\nDBB19910209\r"),
       .fields = {{issuerIdNumber, "636003"},
                  {licenseNumber, "K-134-123-145-103"},
                  {formatName, "AAMVA DL/ID 2000"}}},
      // Arkansas: a one-digit version right after "AAMVA", no issuer number.
      {.formatId = 25,
       .text = withDirectory("@\n\x1e\rAAMVA1210000101", "DAQ9123456\nDAADOE,JOHN\nDAJAR\nDBB19800115\r"),
       .fields = {{issuerIdNumber, ""},
                  {addressJurisdictionCode, "AR"},
                  {licenseNumber, "9123456"},
                  {formatName, "NON STANDARD PARTIALLY BASED ON AAMVA DL/ID 2000"}}},
      // No record separator, the subfile type written again after the
      // offset.
      {.formatId = 26,
       .text = withDirectory("@\n\x1c" "ANSI 636010" "0101", elements2000 + k2000Residence + "\r", 1),
       .fields = {{issuerIdNumber, "636010"},
                  {licenseNumber, "D123456789"},
                  {residenceCity, "SOUTHAVEN"},
                  {formatName, "PARTIALLY AAMVA DL/ID 2000"}}},
      // Canada, version 01 with a 21-character header and "*" between
      // elements.
      {.formatId = 27,
       .text = withDirectory("@*\x1e\rANSI 636028010001", "DAQ123*DCSDOE*DCTJOHN\r"),
       .fields = {{issuerIdNumber, "636028"},
                  {lastName, "DOE"},
                  {givenNames, "JOHN"},
                  {licenseNumberAlt, "123"},
                  {formatName, "AAMVA DL/ID 2003"}}},
      // Alberta: the subfile at 41 whatever the directory says, read with
      // its letter case.
      {.formatId = 28,
       .text = "@\n\x1e\rANSI 604432010001DL00410100" + std::string(10, 'x') + "DLDAQ123\nDCSDoe\nDCTJohn\nDAJAB\r",
       .fields = {{lastName, "Doe"},
                  {givenNames, "John"},
                  {licenseNumberAlt, "123"},
                  {formatName, "AAMVA DL/ID 2005"}}},
      {.formatId = 29,
       .text = v02,
       .fields = {{givenNames, "JOHN Q"},
                  {licenseNumberAlt, "D123456789"},
                  {licenseNumber, ""},
                  {formatName, "AAMVA DL/ID 2003"}}},
      // The same with FS, which the version 02 row with RS only refuses.
      {.formatId = 30,
       .text = v02Fs,
       .fields = {{givenNames, "JOHN Q"}, {licenseNumberAlt, "D123456789"}, {formatName, "AAMVA DL/ID 2003"}}},
      {.formatId = 31,
       .text = withDirectory("@\n\x1e\rANSI 636015030001", elements2003),
       .fields = {{givenNames, "JOHN Q"}, {licenseNumberAlt, "D123456789"}, {formatName, "AAMVA DL/ID 2005"}}},
      // No record separator: the issuer number at 8, the offset one past the
      // subfile; DAA is the one element of the 2003 map that later maps lack.
      {.formatId = 32,
       .text = withDirectory("@\n\x1c" "ANSI 636015030001",
                             "DAASMITH,JOHN,Q\nDCSSMITH\nDCTJOHN Q\nDAG1 MAIN ST\nDAJTX\nDBA01152030\r", 1),
       .fields = {{issuerIdNumber, "636015"},
                  {fullName, "SMITH,JOHN,Q"},
                  {addressStreet1, "1 MAIN ST"},
                  {formatName, "AAMVA DL/ID 2005"}}},
      // Alberta: the subfile right after a 6-character directory entry.
      {.formatId = 33,
       .text = "@\n\x1e\rANSI 604432030001DL0027DAQ123\nDCSDOE\nDCTJOHN\nDAJAB\r",
       .fields = {{licenseNumberAlt, "123"}, {lastName, "DOE"}, {formatName, "AAMVA DL/ID 2005"}}},
      // Alberta, standard version 03 layout read with its letter case.
      {.formatId = 34,
       .text = standardBarcode("604432", 3, {"DAQ123456-789", "DCSDoe", "DCTJohn", "DAJAB", "DBB19800115"}),
       .fields = {{lastName, "Doe"}, {licenseNumberAlt, "123456-789"}, {formatName, "AAMVA DL/ID 2005"}}},
      // No separators at their places: the issuer number after "ANSI", the
      // subfile by its pattern, line breaks between elements.
      {.formatId = 35,
       .text = "@ANSI 604432 v3\n0000000000DLDAQ555\nDCSDOE\nDCTJOHN\nDAJAB\r",
       .fields = {{issuerIdNumber, "604432"},
                  {licenseNumberAlt, "555"},
                  {givenNames, "JOHN"},
                  {formatName, "AAMVA DL/ID 2005"}}},
      // "SL" directory whose offset counts from the entry; the "DL" subfile
      // before it is not read.
      {.formatId = 36,
       .text = "@\n\x1e\rANSI 636015030002SL00280040DL00410008DLDAQ42\r###########\nDCSDOE\nDCTJOHN\nDAJSL\r",
       .fields = {{addressJurisdictionCode, "SL"},
                  {lastName, "DOE"},
                  {licenseNumberAlt, ""},
                  {formatName, "AAMVA DL/ID 2005"}}},
      // The fill-empty walk: DCS, first in the map, wins over a later DAB.
      {.formatId = 37,
       .text = twoLastNames("636015", 4),
       .fields = {{lastName, "SMITH"}, {firstName, "JOHN"}, {formatName, "AAMVA DL/ID 2009"}}},
      // "ANSI" without the space, only LF between elements (a CR stays in
      // the value); residence elements of the 2009 map.
      {.formatId = 38,
       .text = withDirectory("@\n\x1e\rANSI636015040001",
                             "DAQD123456789\nDABSMITH\nDACJOHN\nDAJTX\nDBB01151980\nDAL1 MAIN ST\rAPT 2\nDANAUSTIN\n"
                             "DAOTX\nDAP78701\r"),
       .fields = {{issuerIdNumber, "636015"},
                  {lastName, "SMITH"},
                  {residenceStreet1, "1 MAIN ST APT 2"},
                  {residenceCity, "AUSTIN"},
                  {formatName, "AAMVA DL/ID 2009"}}},
      {.formatId = 39,
       .text = twoLastNames("636015", 5),
       .fields = {{lastName, "SMITH"}, {formatName, "AAMVA DL/ID 2010"}}},
      // The version read inside the issuer number: only one ending in 05.
      // Its walk is in text order, so the later DAB wins.
      {.formatId = 40,
       .text = twoLastNames("636005", 5),
       .fields = {{issuerIdNumber, "636005"}, {lastName, "JONES"}, {formatName, "AAMVA DL/ID 2010"}}},
      // The 2011 map: the birth date in the alternative field, DAU the
      // plain height.
      {.formatId = 41,
       .text = standardBarcode("636015", 6, {"DAQD123456789", "DCSSMITH", "DACJOHN", "DAJTX", "DBB01151980",
                                             "DAU070 IN", "DCGUSA"}),
       .fields = {{birthDateAlt, "01151980"},
                  {birthDate, ""},
                  {height, "070 IN"},
                  {heightFeetInches, ""},
                  {formatName, "AAMVA DL/ID 2011"}}},
      // Characters before the "@" are dropped; the 2014 map fills both
      // licence-number fields.
      {.formatId = 42,
       .text = "XY" + dac("636015", 8),
       .fields = {{firstName, "JOHN"},
                  {licenseNumber, "D123456789"},
                  {licenseNumberAlt, "D123456789"},
                  {formatName, "AAMVA DL/ID 2014"}}},
      // "ANSI" without the space, version 08, only LF between elements.
      {.formatId = 43,
       .text = withDirectory("@\n\x1e\rANSI636015080001",
                             "DAQD123456789\nDCSSMITH\nDACJOHN\nDAG1 MAIN ST\rAPT 2\nDAJTX\nDBB01151980\r"),
       .fields = {{issuerIdNumber, "636015"},
                  {addressStreet1, "1 MAIN ST APT 2"},
                  {licenseNumberAlt, "D123456789"},
                  {formatName, "AAMVA DL/ID 2014"}}},
      // A 19-character header (no jurisdiction version); the subfile has no
      // type of its own, so only the directory offset read after the header
      // finds it.
      {.formatId = 44,
       .text = withDirectory("@\n\x1e\rANSI 6360150801",
                             "DAQD123456789\nDCSSMITH\nDACJOHN\nDAJTX\nDBB01151980\nDCGUSA\r", 0, false),
       .fields = {{licenseNumber, "D123456789"},
                  {lastName, "SMITH"},
                  {birthDateAlt, "01151980"},
                  {formatName, "AAMVA DL/ID 2014"}}},
      // Ontario: every header separator a line feed, the issuer number after
      // "ANSI". The normalising decoder drops the scanner's leading STX,
      // upper-cases and keeps every printable character.
      {.formatId = 45,
       .text = "\x02@\n\n\nANSI 636012080002DL00410200ZO02410020DLDAQM0000\nDCSDoe\nDACJane\nDAG12 ELM ST|APT 3\n"
               "DBB19810708\r",
       .fields = {{issuerIdNumber, "636012"},
                  {lastName, "DOE"},
                  {firstName, "JANE"},
                  {addressStreet1, "12 ELM ST|APT 3"},
                  {birthDateAlt, "19810708"},
                  {formatName, "AAMVA DL/ID 2014"}}},
      // An entry count that is not a number, and a terminator above "?" that
      // separates nothing.
      {.formatId = 46,
       .text = withDirectory("@\n\x1e^ANSI 636015080A0B",
                             "DAQD123456789\nDCSSMITH\nDACJOHN\nDAG1 MAIN^ST\nDAJTX\nDBB01151980\r"),
       .fields = {{addressStreet1, "1 MAIN^ST"}, {licenseNumberAlt, "D123456789"}, {formatName, "AAMVA DL/ID 2014"}}},
      // Alberta: no entry count, the subfile at the next "DL", dates with
      // month names (an unknown month stores nothing), no format name.
      {.formatId = 47,
       .text = "@\n\x1e\rANSI 60443212DL00000000xxDLDAQ77\nDABDOE\nDACJOHN\nDBB15-JUN-1985\nDBA15-XYZ-2030\r",
       .fields = {{birthDate, "19850615"},
                  {expirationDate, ""},
                  {firstName, "JOHN"},
                  {formatName, ""}}},
  };
}

}  // namespace tavrix::test
