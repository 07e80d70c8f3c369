// AAMVA barcodes end to end: VTX_parse, the getters and the winning format.
#include <gtest/gtest.h>

#include <string>

#include "fields/field_ids.h"
#include "formats/aamva/aamva_barcode.h"

namespace tavrix::test {
namespace {

// The 2009 and later element set.
std::string dacElements(const char* iin, int version) {
  return standardBarcode(iin, version, {"DAQD123456789", "DCSSMITH", "DACJOHN", "DADQ", "DAG1 MAIN ST",
                                        "DAJTX", "DBB01151980", "DBA01152030", "DBC1", "DCGUSA"});
}

TEST(AamvaFormats, EveryVersionFromSevenOnGoesToTheOpenRangeRow) {
  // The winning examples hold one text per row; these are the versions
  // that the 2014 row's open range takes beyond its example's 08, and the
  // version getter, which reads the decoded text after the final run.
  for (int version : {7, 9, 10}) {
    Parsed p(dacElements("636015", version));
    SCOPED_TRACE(version);
    ASSERT_EQ(p.code, 0);
    EXPECT_EQ(p.formatId(), 42u);
    EXPECT_EQ(p.get(VTX_getAamvaVersion), version == 7 ? "07" : version == 9 ? "09" : "10");
    EXPECT_EQ(p.get(VTX_getFirstName), "JOHN");
  }
}

TEST(AamvaFormats, ScannerHabitsAreRepairedBeforeTheHeader) {
  const std::string clean = dacElements("636015", 8);
  std::string crlf;
  for (char c : clean) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::string wedge;  // keyboard-wedge scanners write control characters out
  for (char c : clean) {
    wedge += c == '\n' ? std::string("[0A]") : c == '\r' ? std::string("[0D]") : c == '\x1e' ? "[1E]" : std::string(1, c);
  }
  std::string lower;
  for (char c : clean) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  std::string spaced = clean;
  spaced.replace(0, 4, "@\n \n");
  // Only the LF after "@" left of the separators.
  std::string lineFeedOnly = clean;
  lineFeedOnly.replace(0, 4, "@\n");
  // Blanks where the record separator and segment terminator belong: a
  // space never separates, so values keep theirs.
  std::string blanks = clean;
  blanks.replace(0, 4, "@\n  ");
  // Element lines indented by blanks.
  std::string indented = clean.substr(0, 4);
  for (char c : clean.substr(4)) indented += c == '\n' ? std::string("\n \t ") : std::string(1, c);
  for (const std::string& text : {crlf, wedge, lower, spaced, lineFeedOnly, blanks, indented}) {
    Parsed p(text);
    ASSERT_EQ(p.code, 0);
    EXPECT_EQ(p.formatId(), 42u);
    EXPECT_EQ(p.get(VTX_getFirstName), "JOHN");
    EXPECT_EQ(p.get(VTX_getMiddleName), "Q");
    EXPECT_EQ(p.get(VTX_getLicenseNumber), "D123456789");
    EXPECT_EQ(p.get(VTX_getAddress1), "1 MAIN ST");
    EXPECT_EQ(p.get(VTX_getAamvaVersion), "08");  // the version step reads the decoded, upper-cased text
  }
}

TEST(AamvaFormats, ElementsRunTogetherAreSplitAgain) {
  // A keyboard wedge that drops every control character: no separator in
  // the header or between the elements. The last name and the street hold
  // element ids (DAG, DAK) where no element can begin.
  std::string text;
  for (char c : standardBarcode("636015", 8, {"DAQD123456789", "DCSDAGOSTINO", "DACJOHN", "DAG1 DAKOTA AVE",
                                              "DAIPIERRE", "DAJSD", "DAK57501", "DBB01151980", "DBC1", "DCGUSA"})) {
    if (c != '\n' && c != '\r' && c != '\x1e') text += c;
  }
  ASSERT_EQ(text.rfind("@ANSI 636015", 0), 0u);
  Parsed p(text);
  ASSERT_EQ(p.code, 0);
  EXPECT_EQ(p.formatId(), 42u);
  EXPECT_EQ(p.get(VTX_getLicenseNumber), "D123456789");
  EXPECT_EQ(p.get(VTX_getLastName), "DAGOSTINO");
  EXPECT_EQ(p.get(VTX_getFirstName), "JOHN");
  EXPECT_EQ(p.get(VTX_getAddress1), "1 DAKOTA AVE");
  EXPECT_EQ(p.get(VTX_getCity), "PIERRE");
  EXPECT_EQ(p.get(VTX_getBirthdate), "01/15/1980");
  EXPECT_EQ(p.get(VTX_getGender), "Male");
  EXPECT_EQ(p.get(VTX_getCountryCode), "USA");
}

// Texts of the rows that expect an issuer, a version or a header shape,
// written for another: the row's winning example has the matching text, so
// each case is the losing half.
std::string arkansasLayout(const char* state) {  // "AAMVA" at 4, a one-digit version after it
  const std::string header = "@\n\x1e\rAAMVA1210000101";
  const std::string subfile = std::string("DLDAQ9123456\nDAADOE,JOHN\nDAJ") + state + "\nDBB19800115\r";
  return header + "DL" + fourDigits(header.size() + 10) + fourDigits(subfile.size()) + subfile;
}
std::string albertaV03(const char* iin, const char* state) {
  const std::string jurisdiction = std::string("DAJ") + state;
  return standardBarcode(iin, 3,
                         {"DAQ123456-789", "DCSDOE", "DCTJOHN", jurisdiction.c_str(), "DBB19800115", "DBA20300115"});
}
std::string albertaShortEntry(const char* iin, const char* state) {  // subfile right after a 6-character entry
  return std::string("@\n\x1e\rANSI ") + iin + "030001DL0027DAQ123\nDCSDOE\nDCTJOHN\nDAJ" + state + "\r";
}
std::string albertaAt41(const char* iin, const char* state) {  // subfile at 41 whatever the directory says
  return std::string("@\n\x1e\rANSI ") + iin + "010001DL00410100" + std::string(10, 'x') +
         "DLDAQ123\nDCSDoe\nDCTJohn\nDAJ" + state + "\r";
}
std::string canadianV01(const char* iin) {  // a 21-character version 01 header, "*" between elements
  std::string header = std::string("@*\x1e\rANSI ") + iin + "010001";
  const std::string subfile = "DLDAQ123*DCSDOE*DCTJOHN\r";
  return header + "DL" + fourDigits(header.size() + 10) + fourDigits(subfile.size()) + subfile;
}
std::string slDirectory(const char* state) {
  // Two entries: "SL" at 21 with offset 0028 counted from the entry, then
  // 12 characters of heading, and a short "DL" subfile at 41 that the
  // standard rows find.
  return std::string("@\n\x1e\rANSI 636015030002SL00280040DL00410008DLDAQ42\r###########\nDCSDOE\nDCTJOHN\nDAJ") +
         state + "\r";
}

TEST(AamvaFormats, RowsThatExpectAnIssuerLoseItsLookAlikes) {
  struct Case {
    const char* what;
    std::string text;
    uint32_t format;  // the winner instead of the expecting row
  } const cases[] = {
      {"Arkansas layout from Texas: -500 sinks row 25", arkansasLayout("TX"), 24},
      {"Alberta version 03 from Texas: -1500 for the Alberta rows", albertaV03("636015", "TX"), 31},
      {"Alberta short entry from Texas", albertaShortEntry("636015", "TX"), 31},
      {"Alberta subfile at 41 from Texas", albertaAt41("636015", "TX"), 27},
      {"Canadian version 01 from the US: the 2000 row reads the same digits", canadianV01("636015"), 17},
      {"SL directory from Texas: the DL subfile is read", slDirectory("TX"), 31},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Parsed p(c.text);
    ASSERT_EQ(p.code, 0);
    EXPECT_EQ(p.formatId(), c.format);
  }
  Parsed sl(slDirectory("TX"));
  EXPECT_EQ(sl.field(field::licenseNumberAlt), "42");
}

TEST(AamvaFormats, JunkBeforeTheAtIsSkippedByTheOpenRangeRowAlone) {
  Parsed v06("XY" + dacElements("636015", 6));  // no other row reads past the junk
  EXPECT_EQ(v06.code, VTX_ERR_UNRECOGNISED);
}

// A Canadian barcode whose header separators are all line feeds.
std::string lineFeedCanadian(const char* iin) {
  return std::string("@\n\n\nANSI ") + iin + "080002DL00410200ZO02410020DLDAQM0000\nDCSDOE\nDACJANE\nDBB19810708\r";
}

TEST(AamvaFormats, LineFeedHeaderNeedsACanadianIssuer) {
  Parsed on(lineFeedCanadian("636012"));
  ASSERT_EQ(on.code, 0);
  EXPECT_EQ(on.formatId(), 45u);
  // The post-check reads the country without disturbing the decoded text
  // that the version step reads after the final run.
  EXPECT_EQ(on.get(VTX_getAamvaVersion), "08");
  Parsed us(lineFeedCanadian("636015"));
  ASSERT_EQ(us.code, 0);
  EXPECT_NE(us.formatId(), 45u);
}

}  // namespace
}  // namespace tavrix::test
