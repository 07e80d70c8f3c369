#include "fields/issuer_identity.h"

#include <gtest/gtest.h>

#include "fields/field_ids.h"
#include "test_record.h"

namespace tavrix {
namespace {

using namespace field;
using test::Answer;
using test::missing;
using test::ok;
using test::run;
using test::TestRecord;

struct IdentityExpectation {
  Answer iin, jurisdiction, country, countryCode, issuedBy;
};

void expectIdentity(const TestRecord& r, const IdentityExpectation& e) {
  EXPECT_EQ(run(issuerNumberAccessor, r), e.iin);
  EXPECT_EQ(run(jurisdictionCodeAccessor, r), e.jurisdiction);
  EXPECT_EQ(run(countryAccessor, r), e.country);
  EXPECT_EQ(run(countryCodeAccessor, r), e.countryCode);
  EXPECT_EQ(run(issuedByAccessor, r), e.issuedBy);
}

TEST(IssuerIdentity, DerivedFromTheIssuerNumberAlone) {
  TestRecord r{{issuerIdNumber, "636015"}};
  expectIdentity(r, {ok("636015"), ok("TX"), ok("United States"), ok("USA"), ok("TX")});
}

TEST(IssuerIdentity, DerivedFromTheJurisdictionAlone) {
  TestRecord on{{addressJurisdictionCode, "ON"}};
  expectIdentity(on, {ok("636012"), ok("ON"), ok("Canada"), ok("CAN"), ok("ON")});
  // The residence field is the second choice.
  TestRecord ab{{residenceJurisdictionCode, "AB"}};
  expectIdentity(ab, {ok("604432"), ok("AB"), ok("Canada"), ok("CAN"), ok("AB")});
  // Guanajuato: a Mexican state, but no issuer number of its own.
  TestRecord gu{{addressJurisdictionCode, "GU"}};
  expectIdentity(gu, {missing(), ok("GU"), ok("Mexico"), ok("MEX"), missing()});
}

TEST(IssuerIdentity, IssuerNumberChoices) {
  // A known number wins over the jurisdiction field.
  TestRecord known{{issuerIdNumber, "636015"}, {addressJurisdictionCode, "ON"}};
  expectIdentity(known, {ok("636015"), ok("ON"), ok("Canada"), ok("CAN"), ok("TX")});
  // An unknown number gives way to a known jurisdiction.
  TestRecord unknown{{issuerIdNumber, "123456"}, {addressJurisdictionCode, "TX"}};
  EXPECT_EQ(run(issuerNumberAccessor, unknown), ok("636015"));
  EXPECT_EQ(run(issuedByAccessor, unknown), ok("TX"));
  // Neither helps: the number is returned as stored, and the authority is
  // unknown although a jurisdiction code is present.
  TestRecord neither{{issuerIdNumber, "123456"}, {addressJurisdictionCode, "XX"}};
  EXPECT_EQ(run(issuerNumberAccessor, neither), ok("123456"));
  EXPECT_EQ(run(issuedByAccessor, neither), missing());
  EXPECT_EQ(run(jurisdictionCodeAccessor, neither), ok("XX"));
  // Jurisdiction codes must be exactly two characters to be looked up.
  TestRecord longCode{{addressJurisdictionCode, "TXX"}};
  EXPECT_EQ(run(issuerNumberAccessor, longCode), missing());
}

TEST(IssuerIdentity, CountryChoices) {
  TestRecord stored{{countryCode, "usa"}};
  EXPECT_EQ(run(countryAccessor, stored), ok("UNITED STATES"));
  EXPECT_EQ(run(countryCodeAccessor, stored), ok("usa"));
  TestRecord alt{{countryCodeAlt, "vat"}, {addressJurisdictionCode, "ON"}};
  EXPECT_EQ(run(countryAccessor, alt), ok("VATICAN"));
  EXPECT_EQ(run(countryCodeAccessor, alt), ok("VAT"));
  // An unknown code does not fall back to the jurisdiction.
  TestRecord badCode{{countryCodeAlt, "ZZZ"}, {addressJurisdictionCode, "ON"}};
  EXPECT_EQ(run(countryAccessor, badCode), missing());
  TestRecord panama{{country, "Republic of Panama"}};
  EXPECT_EQ(run(countryAccessor, panama), ok("Republic of Panama"));
  EXPECT_EQ(run(countryCodeAccessor, panama), missing());
  // A country field that is itself a code is its own code.
  TestRecord codeAsName{{country, "UTO"}};
  EXPECT_EQ(run(countryCodeAccessor, codeAsName), ok("UTO"));
  TestRecord vi{{addressJurisdictionCode, "VI"}};
  EXPECT_EQ(run(countryAccessor, vi), ok("Virgin Islands of the U.S."));
  EXPECT_EQ(run(countryCodeAccessor, vi), missing());
  // A country field that is blank after trimming is not passed over.
  TestRecord blank{{country, " \t "}, {countryCode, "CAN"}};
  EXPECT_EQ(run(countryAccessor, blank), missing());
}

TEST(IssuerIdentity, PrintableCopies) {
  TestRecord r{{addressJurisdictionCode, "\x01 O\tN\x7f "}, {country, " CANADA\r\n"}};
  EXPECT_EQ(run(jurisdictionCodeAccessor, r), ok("O N"));
  EXPECT_EQ(run(countryAccessor, r), ok("CANADA"));
  // A jurisdiction field of control characters only is no value, and the
  // issuer number is then not consulted.
  TestRecord blank{{addressJurisdictionCode, "\t \x7f"}, {issuerIdNumber, "636015"}};
  EXPECT_EQ(run(jurisdictionCodeAccessor, blank), missing());
  // High bytes count as non-printable too.
  TestRecord high{{addressJurisdictionCode, "\xC3\x89TX"}};
  EXPECT_EQ(run(jurisdictionCodeAccessor, high), ok("TX"));
}

TEST(IssuerIdentity, CapacityEdges) {
  TestRecord r{{issuerIdNumber, "636015"}};
  EXPECT_EQ(run(issuerNumberAccessor, r, 7), ok("636015"));
  EXPECT_EQ(run(issuerNumberAccessor, r, 6), ok("63601"));
  EXPECT_EQ(run(issuerNumberAccessor, r, 1), missing());
  EXPECT_EQ(run(jurisdictionCodeAccessor, r, 2), ok("T"));
  EXPECT_EQ(run(countryAccessor, r, 5), ok("Unit"));
  // The 64-byte country scratch cuts a long name, which then matches no row.
  TestRecord longName{{country, "UNITED STATES                                                       X"}};
  EXPECT_EQ(run(countryCodeAccessor, longName), missing());
}

TEST(IssuerIdentity, DocumentType) {
  struct Case {
    const char* name;
    TestRecord* record;
    const char* expected;
  };
  TestRecord stored{{documentType, " ID "}};
  TestRecord blankStored{{documentType, " \t"}, {firstName, "ANN"}, {addressStreet1, "1 MAIN"},
                         {licenseNumber, "D1"}, {birthDateAlt, "19800101"}};
  TestRecord licence{{fullName, "ANN LEE"}, {mailingStreet2, "APT 1"}, {licenseNumber, "D1"},
                     {birthDateAlt, "19800101"}};
  TestRecord birthOnlyInMainField{{lastName, "LEE"}, {residenceStreet1, "1 MAIN"}, {licenseNumber, "D1"},
                                  {birthDate, "19800101"}};
  TestRecord noAddress{{firstName, "ANN"}, {licenseNumber, "D1"}, {birthDateAlt, "19800101"}};
  TestRecord noName{{addressStreet1, "1 MAIN"}, {licenseNumber, "D1"}, {birthDateAlt, "19800101"}};
  TestRecord empty;
  const Case cases[] = {
      {"stored", &stored, "ID"},
      {"blank stored", &blankStored, "DL"},
      {"licence", &licence, "DL"},
      {"birth date only in main field", &birthOnlyInMainField, "UNKNOWN"},
      {"no address", &noAddress, "UNKNOWN"},
      {"no name", &noName, "UNKNOWN"},
      {"empty", &empty, "UNKNOWN"},
  };
  for (const Case& c : cases) EXPECT_EQ(run(documentTypeAccessor, *c.record), ok(c.expected)) << c.name;
  // Result 0 even when the word does not fit; capacity 1 still gets "".
  EXPECT_EQ(run(documentTypeAccessor, empty, 3), ok("UN"));
  EXPECT_EQ(run(documentTypeAccessor, empty, 1), ok(""));
  EXPECT_EQ(run(documentTypeAccessor, stored, 1), ok(""));
}

TEST(IssuerIdentity, EmptyRecordAndArguments) {
  TestRecord empty;
  expectIdentity(empty, {missing(), missing(), missing(), missing(), missing()});
  EXPECT_EQ(run(aamvaVersionAccessor, empty), missing());
  TestRecord version{{aamvaVersionNumber, "04"}};
  EXPECT_EQ(run(aamvaVersionAccessor, version), ok("04"));

  char buffer[8];
  FieldRecord noArena;
  EXPECT_EQ(issuerNumberAccessor(&noArena, buffer, 8), -21);
  EXPECT_EQ(documentTypeAccessor(nullptr, buffer, 8), -21);
  EXPECT_EQ(countryAccessor(&version.record, nullptr, 8), -21);
  EXPECT_EQ(aamvaVersionAccessor(&version.record, buffer, 0), -21);
}

}  // namespace
}  // namespace tavrix
