#include "fields/issuer_identity.h"

#include <gtest/gtest.h>

#include "fields/field_ids.h"
#include "test_record.h"

namespace tavrix {
namespace {

using namespace field;
using test::AccessorCase;
using test::Answer;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

TEST(IssuerIdentity, AllFiveFromWhatTheRecordHolds) {
  const struct {
    const char* what;
    test::FieldText fields[2];
    Answer iin, jurisdiction, country, countryCode, issuedBy;
  } cases[] = {
      {"issuer number alone", {{issuerIdNumber, "636015"}},
       ok("636015"), ok("TX"), ok("United States"), ok("USA"), ok("TX")},
      {"jurisdiction alone", {{addressJurisdictionCode, "ON"}},
       ok("636012"), ok("ON"), ok("Canada"), ok("CAN"), ok("ON")},
      {"residence field second", {{residenceJurisdictionCode, "AB"}},
       ok("604432"), ok("AB"), ok("Canada"), ok("CAN"), ok("AB")},
      {"Mexican state without a number of its own", {{addressJurisdictionCode, "GU"}},
       missing(), ok("GU"), ok("Mexico"), ok("MEX"), missing()},
      {"a known number wins over the jurisdiction", {{issuerIdNumber, "636015"}, {addressJurisdictionCode, "ON"}},
       ok("636015"), ok("ON"), ok("Canada"), ok("CAN"), ok("TX")},
      {"empty", {}, missing(), missing(), missing(), missing(), missing()},
  };
  for (const auto& c : cases) {
    const TestRecord r(c.fields);
    EXPECT_EQ(run(issuerNumberAccessor, r), c.iin) << c.what;
    EXPECT_EQ(run(jurisdictionCodeAccessor, r), c.jurisdiction) << c.what;
    EXPECT_EQ(run(countryAccessor, r), c.country) << c.what;
    EXPECT_EQ(run(countryCodeAccessor, r), c.countryCode) << c.what;
    EXPECT_EQ(run(issuedByAccessor, r), c.issuedBy) << c.what;
  }
}

TEST(IssuerIdentity, Choices) {
  const AccessorCase cases[] = {
      // An unknown number gives way to a known jurisdiction.
      {issuerNumberAccessor, {{issuerIdNumber, "123456"}, {addressJurisdictionCode, "TX"}}, ok("636015")},
      {issuedByAccessor, {{issuerIdNumber, "123456"}, {addressJurisdictionCode, "TX"}}, ok("TX")},
      // Neither helps: the number as stored, and no authority although a
      // jurisdiction code is present.
      {issuerNumberAccessor, {{issuerIdNumber, "123456"}, {addressJurisdictionCode, "XX"}}, ok("123456")},
      {issuedByAccessor, {{issuerIdNumber, "123456"}, {addressJurisdictionCode, "XX"}}, missing()},
      {jurisdictionCodeAccessor, {{issuerIdNumber, "123456"}, {addressJurisdictionCode, "XX"}}, ok("XX")},
      {issuerNumberAccessor, {{addressJurisdictionCode, "TXX"}}, missing()},  // codes are two characters
      {countryAccessor, {{countryCode, "usa"}}, ok("UNITED STATES")},
      {countryCodeAccessor, {{countryCode, "usa"}}, ok("usa")},
      {countryAccessor, {{countryCodeAlt, "vat"}, {addressJurisdictionCode, "ON"}}, ok("VATICAN")},
      // An unknown code does not fall back to the jurisdiction.
      {countryAccessor, {{countryCodeAlt, "ZZZ"}, {addressJurisdictionCode, "ON"}}, missing()},
      {countryAccessor, {{country, "Republic of Panama"}}, ok("Republic of Panama")},
      {countryCodeAccessor, {{country, "Republic of Panama"}}, missing()},
      {countryCodeAccessor, {{country, "UTO"}}, ok("UTO")},  // a country field that is a code is its own code
      {countryAccessor, {{addressJurisdictionCode, "VI"}}, ok("Virgin Islands of the U.S.")},
      {countryCodeAccessor, {{addressJurisdictionCode, "VI"}}, missing()},
      // A country field that is blank after trimming is not passed over.
      {countryAccessor, {{country, " \t "}, {countryCode, "CAN"}}, missing()},
      // Printable copies; a jurisdiction of control characters only is no
      // value, and the issuer number is then not consulted.
      {jurisdictionCodeAccessor, {{addressJurisdictionCode, "\x01 O\tN\x7f "}}, ok("O N")},
      {countryAccessor, {{country, " CANADA\r\n"}}, ok("CANADA")},
      {jurisdictionCodeAccessor, {{addressJurisdictionCode, "\t \x7f"}, {issuerIdNumber, "636015"}}, missing()},
      {jurisdictionCodeAccessor, {{addressJurisdictionCode, "\xC3\x89TX"}}, ok("TX")},  // high bytes too
      // Capacity edges.
      {issuerNumberAccessor, {{issuerIdNumber, "636015"}}, ok("636015"), 7},
      {issuerNumberAccessor, {{issuerIdNumber, "636015"}}, ok("63601"), 6},
      {issuerNumberAccessor, {{issuerIdNumber, "636015"}}, missing(), 1},
      // The 64-byte country scratch cuts a long name, which then matches no row.
      {countryCodeAccessor, {{country, "UNITED STATES                                                       X"}}, missing()},
      {aamvaVersionAccessor, {}, missing()},
      {aamvaVersionAccessor, {{aamvaVersionNumber, "04"}}, ok("04")},
  };
  test::expectAnswers(cases);
}

TEST(IssuerIdentity, DocumentType) {
  const AccessorCase cases[] = {
      {documentTypeAccessor, {{documentType, " ID "}}, ok("ID")},
      {documentTypeAccessor, {{documentType, " ID "}}, ok(""), 1},
      {documentTypeAccessor, {{fullName, "ANN LEE"}, {mailingStreet2, "APT 1"}, {licenseNumber, "D1"}, {birthDateAlt, "19800101"}},
       ok("DL")},
      {documentTypeAccessor, {{lastName, "LEE"}, {residenceStreet1, "1 MAIN"}, {licenseNumber, "D1"}, {birthDate, "19800101"}},
       ok("UNKNOWN")},  // the birth date only in the main field
      {documentTypeAccessor, {{firstName, "ANN"}, {licenseNumber, "D1"}, {birthDateAlt, "19800101"}}, ok("UNKNOWN")},
      {documentTypeAccessor, {{addressStreet1, "1 MAIN"}, {licenseNumber, "D1"}, {birthDateAlt, "19800101"}}, ok("UNKNOWN")},
      {documentTypeAccessor, {}, ok("UNKNOWN")},
      // Result 0 even when the word does not fit; capacity 1 still gets "".
      {documentTypeAccessor, {}, ok("UN"), 3},
      {documentTypeAccessor, {}, ok(""), 1},
  };
  test::expectAnswers(cases);
  // A blank stored type is derived like a missing one.
  TestRecord blankStored{{documentType, " \t"}, {firstName, "ANN"}, {addressStreet1, "1 MAIN"},
                         {licenseNumber, "D1"}, {birthDateAlt, "19800101"}};
  EXPECT_EQ(run(documentTypeAccessor, blankStored), ok("DL"));
}

TEST(IssuerIdentity, Arguments) {
  char buffer[8];
  FieldRecord noArena;
  TestRecord version{{aamvaVersionNumber, "04"}};
  EXPECT_EQ(issuerNumberAccessor(&noArena, buffer, 8), -21);
  EXPECT_EQ(documentTypeAccessor(nullptr, buffer, 8), -21);
  EXPECT_EQ(countryAccessor(&version.record, nullptr, 8), -21);
  EXPECT_EQ(aamvaVersionAccessor(&version.record, buffer, 0), -21);
}

}  // namespace
}  // namespace tavrix
