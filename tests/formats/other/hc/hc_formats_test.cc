// The "HC" card formats end to end: the fixed-position text and its length
// thresholds, the financial-layout track 1 with its two-digit years and
// sex digit, and the tagged lines with their month-end expiry.
#include <gtest/gtest.h>

#include <string>

#include "engine/record.h"
#include "fields/field_ids.h"
#include "formats/other/hc/hc_formats.h"
#include "formats/stripe/stripe_text.h"

namespace tavrix::test {
namespace {

using namespace field;

// '@', jurisdiction ON, "HC" at the fifth and sixth places, the number at
// 20, the name at 30, birth date, sex, issue date, expiry.
const std::string kFixed = "@ON HC              1234567890DOE/JOHN                    19800115M2020010120300115";

TEST(HcFixedPositions, ExpiryNeedsTheWholeText) {
  ASSERT_EQ(kFixed.size(), 83u);
  StripeParse full(kFixed);
  ASSERT_EQ(full.code, VTX_OK);
  EXPECT_EQ(full.formatId(), 48u);
  EXPECT_EQ(full.field(expirationDate), "20300115");
  EXPECT_EQ(full.field(licenseNumber), "1234567890");
  EXPECT_EQ(full.field(fullName), "DOE$JOHN");
  EXPECT_EQ(full.field(gender), "M");
  EXPECT_EQ(full.field(documentType), "HC");

  StripeParse cut(kFixed.substr(0, 82));
  ASSERT_EQ(cut.code, VTX_OK);
  EXPECT_EQ(cut.formatId(), 48u);
  EXPECT_EQ(cut.field(expirationDate), "");
  EXPECT_EQ(cut.field(birthDate), "19800115");
  EXPECT_EQ(cut.field(issueDate), "20200101");
}

TEST(HcFixedPositions, DatesMustBeDigitsAndReal) {
  std::string text = kFixed;
  text.replace(58, 8, "1980O115");  // a letter O among the birth digits
  text.replace(67, 8, "20201301");  // month 13
  StripeParse p(text);
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.field(birthDate), "");
  EXPECT_EQ(p.field(issueDate), "");
  EXPECT_EQ(p.field(expirationDate), "20300115");
}

TEST(HcFixedPositions, KeepsLetterCaseAndNeedsItsMarkers) {
  std::string lower = kFixed;
  lower.replace(30, 8, "Doe/John");
  EXPECT_EQ(StripeParse(lower).field(fullName), "Doe$John");
  EXPECT_EQ(DirectParse(parseHcFixedPositions, "@ON Hc" + kFixed.substr(6)).code, VTX_ERR_MALFORMED);
  EXPECT_EQ(DirectParse(parseHcFixedPositions, "@ON H").code, VTX_ERR_MALFORMED);
}

std::string financial(const std::string& digits) {
  return "%B6360501234567890^DOE/JOHN^" + digits + "ABCDEFG240115000?;6360501234567890=3012?;XYZ?";
}

TEST(HcFinancialTrack, TwoDigitYears) {
  const struct {
    const char* digits;
    const char* expiry;
  } cases[] = {
      {"3012799119800115", "20301215"},
      {"3112799119800115", "19311215"},
      {"0001799119800115", "20000115"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.digits);
    StripeParse p(financial(c.digits));
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.formatId(), 49u);
    EXPECT_EQ(p.field(expirationDate), c.expiry);
    EXPECT_EQ(p.field(birthDate), "19800115");
    EXPECT_EQ(p.field(issueDate), "20240115");
    EXPECT_EQ(p.field(fullName), "DOE$JOHN");
  }
}

TEST(HcFinancialTrack, SexDigitWithoutAValidDay) {
  StripeParse p(financial("3012799119800132"));
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 49u);
  EXPECT_EQ(p.field(gender), "1");
  EXPECT_EQ(p.field(expirationDate), "");
  EXPECT_EQ(p.field(birthDate), "");
}

TEST(HcFinancialTrack, NeedsTheMarkerDigits) {
  // Without "799" the personal data is not found; number and name still are.
  StripeParse p(financial("3012123119800115"));
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.field(gender), "");
  EXPECT_EQ(p.field(birthDate), "");
  EXPECT_EQ(p.field(licenseNumber), "1234567890");
  EXPECT_EQ(DirectParse(parseHcFinancialTrack, "%BA?;1?;2?").code, VTX_ERR_MALFORMED);
  EXPECT_EQ(DirectParse(parseHcFinancialTrack, "%B123456").code, -1);
  EXPECT_EQ(DirectParse(parseHcFinancialTrack, "%B12345678?").code, VTX_ERR_NO_DATA);
}

TEST(HcTaggedLines, NamesAndNumber) {
  StripeParse p("CNAM 1234567890\nCPRN JOHN\nCNOM DOE");
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 50u);
  EXPECT_EQ(p.field(licenseNumber), "1234567890");
  EXPECT_EQ(p.field(firstName), "JOHN");
  EXPECT_EQ(p.field(lastName), "DOE");
  EXPECT_EQ(p.field(documentType), "HC");
  EXPECT_EQ(p.field(countryCode), "CAN");
}

TEST(HcTaggedLines, ExpiryIsTheMonthsLastDay) {
  const struct {
    const char* value;
    const char* stored;
  } cases[] = {
      {"2026-02", "20260228"},
      {"2024-02", "20240229"},
      {"2100-02", "21000228"},
      {"2026/11", "20261130"},
      {"2026-13", ""},
      {"2026-2", ""},
      {"20X6-02", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    StripeParse p("CNAM 1234567890\nCPRN JOHN\nCEXP " + std::string(c.value));
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.field(expirationDate), c.stored);
  }
}

TEST(HcTaggedLines, FewerThanTwoCountedLines) {
  for (const std::string text : {"CNAM 1234567890", "CNAM 1234567890\nCEXP 2026-13", "CNAM 1234567890\nCEXP 202602",
                                 "CNAM 1234567890\nCPRN   \nXXXX 12", "CNAM 1234567890\nCDTN 1980-02-32"}) {
    EXPECT_EQ(StripeParse(text).code, VTX_ERR_UNRECOGNISED) << text;
  }
  StripeParse p("CNAM 1234567890\nCDTN 1980-02-31\nCSEX F\nCPRN ANN\nCPRN JANE");
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.field(birthDate), "19800231");  // parts checked alone, not against the month
  EXPECT_EQ(p.field(firstName), "JANE");      // a later line overwrites
}

}  // namespace
}  // namespace tavrix::test
