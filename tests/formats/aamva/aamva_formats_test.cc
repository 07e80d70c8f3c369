// AAMVA barcodes end to end: VTX_parse, the getters and the winning format.
#include <gtest/gtest.h>

#include <string>

#include "fields/field_ids.h"
#include "formats/aamva/aamva_barcode.h"

namespace tavrix::test {
namespace {

std::string v01() {
  return standardBarcode("636010", 1, {"DAQD123456789", "DAASMITH,JOHN,Q", "DAG1 MAIN ST", "DAIMIAMI", "DAJFL",
                                       "DBB19800115", "DBA20300115", "DBC1"});
}
// The 2003/2005 element set.
std::string dcsElements(const char* iin, int version) {
  return standardBarcode(iin, version, {"DAQD123456789", "DCSSMITH", "DCTJOHN Q", "DAG1 MAIN ST", "DAJTX",
                                        "DBB01151980", "DBA01152030", "DBC1"});
}
// The 2009 and later element set.
std::string dacElements(const char* iin, int version) {
  return standardBarcode(iin, version, {"DAQD123456789", "DCSSMITH", "DACJOHN", "DADQ", "DAG1 MAIN ST",
                                        "DAJTX", "DBB01151980", "DBA01152030", "DBC1", "DCGUSA"});
}

TEST(AamvaFormats, EachVersionFindsItsHeaderLayout) {
  struct Case {
    std::string text;
    uint32_t format;
    const char* version;
  } const cases[] = {
      {v01(), 17, "01"},
      {dcsElements("636015", 2), 29, "02"},
      {dcsElements("636015", 3), 31, "03"},
      {dacElements("636015", 4), 37, "04"},
      {dacElements("636015", 5), 39, "05"},
      {dacElements("636015", 6), 41, "06"},
      {dacElements("636015", 7), 42, "07"},
      {dacElements("636015", 8), 42, "08"},
      {dacElements("636015", 9), 42, "09"},
      {dacElements("636015", 10), 42, "10"},
  };
  for (const Case& c : cases) {
    Parsed p(c.text);
    SCOPED_TRACE(c.version);
    ASSERT_EQ(p.code, 0);
    EXPECT_EQ(p.formatId(), c.format);
    EXPECT_EQ(p.get(VTX_getAamvaVersion), c.version);
    EXPECT_EQ(p.get(VTX_getFirstName), "JOHN");
    EXPECT_EQ(p.get(VTX_getLastName), "SMITH");
    EXPECT_EQ(p.get(VTX_getLicenseNumber), "D123456789");
    EXPECT_EQ(p.get(VTX_getDocumentType), "DL");
  }
}

TEST(AamvaFormats, VersionInsideTheIssuerNumberPicksTheFirstRowOnATie) {
  // Row 40 reads its version at position 13, the last two IIN digits: an
  // issuer number ending in 05 and version 05 satisfies it and 39 alike,
  // and the row tried first keeps the tie.
  Parsed p(dacElements("636005", 5));
  ASSERT_EQ(p.code, 0);
  EXPECT_EQ(p.formatId(), 40u);
  EXPECT_EQ(p.field(field::formatName), "AAMVA DL/ID 2010");
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
  for (const std::string& text : {crlf, wedge, lower, spaced}) {
    Parsed p(text);
    ASSERT_EQ(p.code, 0);
    EXPECT_EQ(p.formatId(), 42u);
    EXPECT_EQ(p.get(VTX_getFirstName), "JOHN");
    EXPECT_EQ(p.get(VTX_getLicenseNumber), "D123456789");
    EXPECT_EQ(p.get(VTX_getAamvaVersion), "08");  // the version step reads the decoded, upper-cased text
  }
}

TEST(AamvaFormats, OnlyTheFirst2014RowSkipsJunkBeforeTheAt) {
  Parsed p("XY" + dacElements("636015", 8));
  ASSERT_EQ(p.code, 0);
  EXPECT_EQ(p.formatId(), 42u);
  EXPECT_EQ(p.get(VTX_getLastName), "SMITH");
  Parsed v06("XY" + dacElements("636015", 6));  // no other row reads past the junk
  EXPECT_EQ(v06.code, VTX_ERR_UNRECOGNISED);
}

// The North Carolina layout: "AAMVA36" runs into the issuer number, a
// one-digit version and a directory offset one short.
std::string northCarolina(const char* state, const char* iinTail, char recordSeparator = '\x1e') {
  std::string header = std::string("@\n") + recordSeparator + "\rAAMVA36" + iinTail + "001";
  const std::string subfile = std::string("DLDAQ000012345\nDAADOE,JANE\nDAJ") + state +
                              "\nDBB1985-06-15\nDAV165\nDBC2\r";
  return header + "DL" + fourDigits(header.size() + 9) + fourDigits(subfile.size()) + subfile;
}

TEST(AamvaFormats, NorthCarolinaRowsWinOnlyForNorthCarolina) {
  Parsed nc(northCarolina("NC", "004"));
  ASSERT_EQ(nc.code, 0);
  EXPECT_EQ(nc.formatId(), 22u);
  EXPECT_EQ(nc.get(VTX_getIIN), "636004");
  EXPECT_EQ(nc.field(field::birthDate), "06151985");  // written year first, stored month first
  EXPECT_EQ(nc.get(VTX_getFirstName), "JANE");

  // Another state on the same layout: the NC rows refuse it and the
  // shared row 21 takes it.
  Parsed sc(northCarolina("SC", "005"));
  ASSERT_EQ(sc.code, 0);
  EXPECT_EQ(sc.formatId(), 21u);
  EXPECT_EQ(sc.field(field::birthDate), "1985-06-15");

  // A record separator neither FS nor RS leaves only row 23, which tests
  // no separator and stores DAV as the plain height.
  Parsed loose(northCarolina("NC", "004", '*'));
  ASSERT_EQ(loose.code, 0);
  EXPECT_EQ(loose.formatId(), 23u);
  EXPECT_EQ(loose.field(field::height), "165");
  EXPECT_EQ(loose.field(field::heightCm), "");
  EXPECT_EQ(loose.field(field::issuerIdNumber), "");
}

// Arkansas: "AAMVA" at 4 and a one-digit version just after it. Rows 24
// and 25 both read this header; the expected jurisdiction decides.
std::string arkansas(const char* state) {
  const std::string header = "@\n\x1e\rAAMVA1210000101";
  const std::string subfile = std::string("DLDAQ9123456\nDAADOE,JOHN\nDAJ") + state + "\nDBB19800115\r";
  return header + "DL" + fourDigits(header.size() + 10) + fourDigits(subfile.size()) + subfile;
}

TEST(AamvaFormats, ArkansasRowNeedsArkansas) {
  Parsed ar(arkansas("AR"));
  ASSERT_EQ(ar.code, 0);
  EXPECT_EQ(ar.formatId(), 25u);
  EXPECT_EQ(ar.get(VTX_getJurisdictionCode), "AR");
  Parsed tx(arkansas("TX"));  // -500 sinks row 25 below row 24
  ASSERT_EQ(tx.code, 0);
  EXPECT_EQ(tx.formatId(), 24u);
}

std::string albertaV03(const char* iin, const char* state) {
  const std::string jurisdiction = std::string("DAJ") + state;
  return standardBarcode(iin, 3,
                         {"DAQ123456-789", "DCSDOE", "DCTJOHN", jurisdiction.c_str(), "DBB19800115", "DBA20300115"});
}

TEST(AamvaFormats, AlbertaRowsNeedCanadaAndAlberta) {
  Parsed ab(albertaV03("604432", "AB"));
  ASSERT_EQ(ab.code, 0);
  EXPECT_EQ(ab.formatId(), 34u);  // fixed start 32 keeps every element; +150 for CAN and AB
  EXPECT_EQ(ab.get(VTX_getCountryCode), "CAN");
  EXPECT_EQ(ab.get(VTX_getFirstName), "JOHN");
  // A Texan text costs the Alberta rows 1500 and the plain 2005 row wins.
  Parsed us(albertaV03("636015", "TX"));
  ASSERT_EQ(us.code, 0);
  EXPECT_EQ(us.formatId(), 31u);
}

TEST(AamvaFormats, AlbertaRowsSinkForAnotherIssuer) {
  // The same layouts from Texas: -1000 for the country and -500 for the
  // jurisdiction hand the text to a row without expectations.
  struct Case {
    std::string (*text)(const char* iin, const char* state);
    uint32_t alberta;
    uint32_t texas;
  } const cases[] = {
      {[](const char* iin, const char* state) {  // subfile right after a 6-character entry
         return std::string("@\n\x1e\rANSI ") + iin + "030001DL0027DAQ123\nDCSDOE\nDCTJOHN\nDAJ" + state + "\r";
       },
       33, 31},
      {[](const char* iin, const char* state) {  // subfile at 41 whatever the directory says
         return std::string("@\n\x1e\rANSI ") + iin + "010001DL00410100" + std::string(12, 'x') +
                "DLDAQ123\nDCSDoe\nDCTJohn\nDAJ" + state + "\r";
       },
       28, 27},
  };
  for (const Case& c : cases) {
    Parsed ab(c.text("604432", "AB"));
    EXPECT_EQ(ab.formatId(), c.alberta);
    EXPECT_EQ(ab.get(VTX_getLastName), c.alberta == 28 ? "Doe" : "DOE");  // row 28 reads verbatim
    Parsed tx(c.text("636015", "TX"));
    EXPECT_EQ(tx.formatId(), c.texas);
  }
}

TEST(AamvaFormats, AlbertaTextsOfTheOtherLayouts) {
  // Row 47: the subfile is the next "DL" after the directory entry, and
  // dates carry month names; the default version test wants 12. The
  // name elements of the 2000 map are what the free-header row lacks.
  const std::string v47 =
      "@\n\x1e\rANSI 60443212DL00000000xxDLDAQ77\nDABDOE\nDACJOHN\nDBB15-JUN-1985\nDBA15-XYZ-2030\r";
  Parsed p47(v47);
  ASSERT_EQ(p47.code, 0);
  EXPECT_EQ(p47.formatId(), 47u);
  EXPECT_EQ(p47.field(field::birthDate), "19850615");
  EXPECT_EQ(p47.field(field::formatName), "");
}

TEST(AamvaFormats, FreeHeaderRowReadsLineBrokenElementsAnywhere) {
  // No separators at their places and no directory digits to trust: only
  // row 35 finds the "ANSI" issuer number and the subfile by its pattern.
  const std::string text = "@ANSI 604432 v3\n0000000000DLDAQ555\nDCSDOE\nDCTJOHN\nDAJAB\r";
  Parsed p(text);
  ASSERT_EQ(p.code, 0);
  EXPECT_EQ(p.formatId(), 35u);
  EXPECT_EQ(p.get(VTX_getIIN), "604432");
  EXPECT_EQ(p.get(VTX_getLastName), "DOE");
}

// A Canadian barcode whose header separators are all line feeds.
std::string lineFeedCanadian(const char* iin) {
  return std::string("@\n\n\nANSI ") + iin + "080002DL00410200ZO02410020DLDAQM0000\nDCSDOE\nDACJANE\nDBB19810708\r";
}

TEST(AamvaFormats, LineFeedHeaderNeedsACanadianIssuer) {
  Parsed on(lineFeedCanadian("636012"));
  ASSERT_EQ(on.code, 0);
  EXPECT_EQ(on.formatId(), 45u);
  EXPECT_EQ(on.get(VTX_getCountryCode), "CAN");
  // The post-check reads the country without disturbing the decoded text
  // that the version step reads after the final run.
  EXPECT_EQ(on.get(VTX_getAamvaVersion), "08");
  Parsed us(lineFeedCanadian("636015"));
  ASSERT_EQ(us.code, 0);
  EXPECT_NE(us.formatId(), 45u);
}

TEST(AamvaFormats, CanadianVersion01RowNeedsCanada) {
  // Version 01 with a 21-character header and "*" between elements.
  auto text = [](const char* iin) {
    std::string header = std::string("@*\x1e\rANSI ") + iin + "010001";
    const std::string subfile = "DLDAQ123*DCSDOE*DCTJOHN\r";
    return header + "DL" + fourDigits(header.size() + 10) + fourDigits(subfile.size()) + subfile;
  };
  Parsed ca(text("636028"));
  ASSERT_EQ(ca.code, 0);
  EXPECT_EQ(ca.formatId(), 27u);
  EXPECT_EQ(ca.get(VTX_getCountryCode), "CAN");
  // With a US issuer the 2000 row, which reads the same digits as a
  // version 01 and an entry count 00, beats it.
  Parsed us(text("636015"));
  EXPECT_EQ(us.code, 0);
  EXPECT_EQ(us.formatId(), 17u);
}

TEST(AamvaFormats, SlDirectoryCountsItsOffsetFromTheEntry) {
  // Two entries: "SL" at 21 with offset 0028 counted from the entry, then
  // 12 characters of heading, and a short "DL" subfile at 41 that the
  // standard rows find. The "SL" row wins only for its own jurisdiction.
  auto text = [](const char* state) {
    return std::string("@\n\x1e\rANSI 636015030002SL00280040DL00410008DLDAQ42\r###########\nDCSDOE\nDCTJOHN\nDAJ") +
           state + "\r";
  };
  Parsed sl(text("SL"));
  ASSERT_EQ(sl.code, 0);
  EXPECT_EQ(sl.formatId(), 36u);
  EXPECT_EQ(sl.get(VTX_getLastName), "DOE");
  EXPECT_EQ(sl.field(field::licenseNumberAlt), "");  // before the "SL" subfile
  Parsed tx(text("TX"));
  ASSERT_EQ(tx.code, 0);
  EXPECT_EQ(tx.formatId(), 31u);
  EXPECT_EQ(tx.field(field::licenseNumberAlt), "42");
}

}  // namespace
}  // namespace tavrix::test
