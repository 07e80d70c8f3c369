// Magnetic stripes end to end through VTX_parse: the track-2 date and
// number rules, the description and postal-code forms, the layouts that
// each stripe format accepts and refuses, and texts that must come back
// promptly with nothing in them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/record.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_formats.h"
#include "formats/stripe/stripe_text.h"

namespace tavrix::test {
namespace {

using namespace field;

// ---- Track 2: issuer number, licence number, dates (read under format 4).

TEST(StripeTrack2, IssuerNumberLicenceNumberAndDates) {
  StripeParse p(threeTracks("6360123456789=251219900315"));
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 4u);
  EXPECT_EQ(p.field(issuerIdNumber), "636012");
  EXPECT_EQ(p.field(licenseNumber), "3456789");
  EXPECT_EQ(p.field(birthDate), "19900315");
  EXPECT_EQ(p.field(expirationDate), "20251215");
}

struct DateCase {
  const char* name;
  const char* track2;
  ClockFunction clock;
  const char* expiry;  // "" when none is stored
  const char* birth;
};

TEST(StripeTrack2, DateRules) {
  const DateCase cases[] = {
      {"expiry month 77: never expires", "6360001234567=257719900315", clockOn<2024>, "99991231", "19900315"},
      {"88 after a December birth: 1 January next year", "6360001234567=258819901215", clockOn<2024>, "20260101", "19901215"},
      {"88: first day of the month after the birth month", "6360001234567=258819900315", clockOn<2024>, "20250401", "19900315"},
      {"99: birthday on 29 February in a common year", "6360001234567=259919800229", clockOn<2024>, "20250228", "19800229"},
      {"99: birthday on 29 February in a leap year", "6360001234567=249919800229", clockOn<2024>, "20240229", "19800229"},
      {"birth month 13 or more takes the expiry month", "6360001234567=250619901315", clockOn<2024>, "20250615", "19900615"},
      {"birth day clamped to the expiry month", "6360001234567=250219900131", clockOn<2024>, "20250228", "19900131"},
      {"birth day 00 expires on the first", "6360001234567=250619900100", clockOn<2024>, "20250601", ""},
      {"expiry month of no meaning", "6360001234567=255019900315", clockOn<2024>, "", "19900315"},
      {"century from the parse time", "6360001234567=251219900315", clockOn<2124>, "21251215", "19900315"},
      {"a letter among the date digits", "6360001234567=2512199X0315", clockOn<2024>, "", ""},
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(c.name);
    StripeParse p(threeTracks(c.track2), c.clock);
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.formatId(), 4u);
    EXPECT_EQ(p.field(expirationDate), c.expiry);
    EXPECT_EQ(p.field(birthDate), c.birth);
  }
}

struct NumberCase {
  const char* name;
  const char* track2;
  const char* iin;
  const char* number;
};

TEST(StripeTrack2, NumberAndOverflowDigits) {
  const NumberCase cases[] = {
      {"five overflow digits after the dates", "6360001234567=25121990011512345", "636000", "123456712345"},
      {"three overflow digits", "6360001234567=251219900115123", "636000", "1234567123"},
      {"only five of six overflow digits", "6360001234567=251219900115123456", "636000", "123456712345"},
      {"no overflow", "6360001234567=251219900115", "636000", "1234567"},
      {"thirteen digits", "6360001234567890123=251219900115", "636000", "1234567890123"},
      {"a fourteenth digit instead of '='", "63600012345678901234=251219900115", "", ""},
      {"a primary account number of 20 digits", "63600012345678901234=251219900115", "", ""},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.name);
    StripeParse p(threeTracks(c.track2));
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.field(issuerIdNumber), c.iin);
    EXPECT_EQ(p.field(licenseNumber), c.number);
  }
}

// ---- Track 3: the description and the postal code.

struct DescriptionCase {
  const char* name;
  std::string description;
  int32_t field;
  const char* value;
  int32_t otherField;  // stays empty
};

TEST(StripeTrack3, HeightsAndWeightsGoToTheirUnits) {
  const std::string front = "C               M";  // class, restrictions, endorsements, sex
  const DescriptionCase cases[] = {
      {"feet and inches", front + "510180BRNBLU", heightFeetInches, "510", heightCm},
      {"centimetres", front + "175180BRNBLU", heightCm, "175", heightFeetInches},
      {"pounds", front + "510185BRNBLU", weightPounds, "185", weightKg},
      {"kilograms", front + "510090BRNBLU", weightKg, "090", weightPounds},
      {"kilograms after a blank", front + "510 90BRNBLU", weightKg, "90", weightPounds},
      {"101 is pounds", front + "510101BRNBLU", weightPounds, "101", weightKg},
      {"a letter in the height", front + "5X0180BRNBLU", weightPounds, "180", heightFeetInches},
      {"a letter in the weight", front + "5101X0BRNBLU", heightFeetInches, "510", weightPounds},
      {"colours must be letters", front + "510180BR1BLU", eyeColor, "BLU", hairColor},
  };
  for (const DescriptionCase& c : cases) {
    SCOPED_TRACE(c.name);
    StripeParse p(threeTracks("6360001234567=2512199001150", track3With("95814      ", c.description)));
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.field(c.field), c.value);
    EXPECT_EQ(p.field(c.otherField), "");
  }
}

TEST(StripeTrack3, DescriptionItemsAtTheirPlaces) {
  StripeParse p(threeTracks("6360001234567=2512199001150",
                            track3With("95814      ", "D REST1 REST2ENDOM510180BRNBLU")));
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.field(classificationCode), "D");
  EXPECT_EQ(p.field(restrictionCode), "REST1 REST");
  EXPECT_EQ(p.field(endorsementsCode), "2END");
  EXPECT_EQ(p.field(gender), "O");
}

TEST(StripeTrack3, PostalCodeForms) {
  // Format 2 keeps the default postal-code rule (format 4 reads digits only).
  const struct {
    const char* field;
    const char* stored;
  } cases[] = {
      {"K1A0B1     ", "K1A 0B1"},
      {"123456789  ", "12345-6789"},
      {"12345      ", "12345"},
      {"1234       ", "1234"},
      {"1-2345     ", ""},  // a run of two characters is no postal code
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    StripeParse p(threeLines("6360001234567=2512199001150", track3With(c.field, kDescription)));
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.formatId(), 2u);
    EXPECT_EQ(p.field(addressPostalCode), c.stored);
  }
}

TEST(StripeTrack3, ShortTrack3GivesAPostalCodeButNoDescription) {
  StripeParse p(threeLines("6360001234567=2512199001150", "%0 95814     "));
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 2u);
  EXPECT_EQ(p.field(addressPostalCode), "95814");
  for (int32_t id : {classificationCode, gender, heightFeetInches, weightPounds, hairColor, eyeColor}) {
    EXPECT_EQ(p.field(id), "") << nameOf(id);
  }
}

TEST(StripeTrack3, DigitPostalCodeOfFormat4) {
  const struct {
    const char* field;
    const char* stored;
  } cases[] = {
      {"123456789  ", "12345-6789"},
      {"12345      ", "12345"},
      {"1234       ", ""},
      {"K1A0B1     ", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    DirectParse p(stripeFormat<4>, threeTracks("6360001234567=2512199001150", track3With(c.field, kDescription)));
    EXPECT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.field(addressPostalCode), c.stored);
  }
}

// ---- Track 1.

TEST(StripeTrack1, CityNameAndAddressAreCleaned) {
  StripeParse p("%CASAN  JOSE.^DOE$JOHN ^#12 O'NEIL, ST.^?" + kTrack2 + kTrack3);
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.field(addressCity), "SAN JOSE");
  EXPECT_EQ(p.field(fullName), "DOE$JOHN");
  EXPECT_EQ(p.field(addressStreet1), "12 O'NEIL ST.");
}

// ---- Layouts: what each format accepts and refuses.

TEST(StripeLayouts, BankCardsAreNoLicence) {
  // A financial track 1 ("%B" and a card number) before a licence track 2.
  const std::string card = "%B6360001234567890^DOE/JOHN^2512101000000000?" + kTrack2 + kTrack3;
  StripeParse p(card);
  EXPECT_NE(p.documentClass(), static_cast<uint32_t>(kMagneticStripe));
  EXPECT_EQ(DirectParse(stripeFormat<4>, card).code, VTX_ERR_MALFORMED);
  EXPECT_EQ(DirectParse(stripeFormat<13>, card).code, VTX_ERR_MALFORMED);
  const std::string hashCard = "%B6360001234567890^DOE/JOHN^2512101000000000?" + kTrack2 + "#" + kTrack3.substr(1);
  EXPECT_EQ(DirectParse(stripeFormat<9>, hashCard).code, VTX_ERR_MALFORMED);
  EXPECT_EQ(DirectParse(stripeFormat<9>, kTrack1 + kTrack2 + "#" + kTrack3.substr(1)).code, VTX_OK);
}

TEST(StripeLayouts, ShiftedIssuerNumber) {
  const std::string shifted = kTrack1 + ";" + kTrack2 + kTrack3;
  EXPECT_EQ(DirectParse(stripeFormat<4>, shifted).code, VTX_ERR_MALFORMED);
  StripeParse p(shifted);
  EXPECT_EQ(p.formatId(), 5u);
  // '%', 'B' and a letter is refused; a jurisdiction code with no letter too.
  for (const std::string track1 : {"%BCVICTORIA^DOE$JOHN^1 MAIN ST^?", "%12ANYTOWN^DOE$JOHN^1 MAIN ST^?"}) {
    EXPECT_EQ(DirectParse(stripeFormat<5>, track1 + ";" + kTrack2 + kTrack3).code, VTX_ERR_MALFORMED) << track1;
  }
  // A track 2 too short to hold the issuer number after the two characters,
  // and a track 1 of its sentinel alone.
  EXPECT_EQ(DirectParse(stripeFormat<5>, "%CAANYTOWN^?;;63?%0 95814?").code, VTX_ERR_MALFORMED);
  EXPECT_EQ(DirectParse(stripeFormat<5>, "%?;" + kTrack2 + kTrack3).code, VTX_ERR_MALFORMED);
}

TEST(StripeLayouts, BracketsNeedEveryTrack) {
  EXPECT_EQ(DirectParse(stripeFormat<6>, "{!|1CAANYTOWN^DOE$JOHN^^|!}{!|26360001234567=2512199001150|!}{!|3|!}").code,
            VTX_ERR_MALFORMED);
  EXPECT_EQ(DirectParse(stripeFormat<6>, "{!|1CAANYTOWN^DOE$JOHN^^|!}{!|26360001234567=2512199001150|!}{!|3X").code,
            VTX_ERR_MALFORMED);
}

TEST(StripeLayouts, CanadianDescriptionMustEndAfterAnItem) {
  const std::string head = "%BCVANCOUVER^DOE$JOHN^1 MAIN ST^?;6360280001234=2512199001150?%0 V6B1A1      ";
  struct {
    std::string description;
    bool accepted;
  } cases[] = {
      {kDescription, true},                   // 29 characters
      {"C         RSX", false},               // 13
      {"C         RS", true},                 // 12: ends after the restrictions
      {"C", false},
      {kDescription.substr(0, 28), false},    // 28
      {"", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description.size());
    EXPECT_EQ(DirectParse(stripeFormat<8>, head + c.description + "?").code == VTX_OK, c.accepted);
  }
}

TEST(StripeLayouts, CanadianStripeStoresImperialUnits) {
  StripeParse p("%BCVANCOUVER^DOE$JOHN^1 MAIN ST^?;6360280001234=2512199001150?%0 V6B1A1      "
                "C               M175090BRNBLU?");
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 8u);
  EXPECT_EQ(p.field(heightFeetInches), "175");
  EXPECT_EQ(p.field(weightPounds), "090");
  EXPECT_EQ(p.field(heightCm), "");
}

TEST(StripeLayouts, TrackOneAlone) {
  struct {
    std::string text;
    bool accepted;
  } cases[] = {
      {"%CAANYTOWN^DOE$JOHN^1 MAIN ST^" + std::string(200, ' ') + "?", true},  // '^', blanks, '?'
      {"%CAANYTOWN^DOE$JOHN^1 MAIN ST^          ?", true},  // 42 characters
      {"%CAANYTOWN^DOE$JOHN^1 MAIN ST" + std::string(100, ' ') + "?", false},
      {"%CAANYTOWN^DOE$JOHN^1 MAIN ST^?XY", true},  // a '?' in the last ten
      {"%CAANYTOWN^DOE$JOHN^1 MAIN ST^XYZ0123456789", false},
      {"%CA", false},
      {"%CA?X", true},
      {"%1A^DOE^?", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(DirectParse(stripeFormat<10>, c.text).code == VTX_OK, c.accepted);
  }
}

TEST(StripeLayouts, LicenceNumberAroundTheDates) {
  struct {
    std::string middle;
    std::string stored;
  } cases[] = {
      {"98765", "987651234"},
      {"", "1234"},
      {std::string(27, '7'), std::string(27, '7') + "1234"},
      {std::string(30, '7'), std::string(30, '7') + "1"},  // cut at 31 characters
      {std::string(31, '7'), std::string(31, '7')},
      {std::string(32, '7'), ""},
      {std::string(33, '7'), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.middle.size());
    StripeParse p(";6360001234=251219900115=" + c.middle + "=?");
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.formatId(), 14u);
    EXPECT_EQ(p.field(licenseNumber), c.stored);
    EXPECT_EQ(p.field(birthDate), "19900115");
  }
  // No third '=', or another character ending the middle digits.
  for (const std::string text : {";6360001234=251219900115=98765?", ";6360001234=251219900115=987X5=?"}) {
    StripeParse p(text);
    EXPECT_EQ(p.field(licenseNumber), "") << text;
  }
}

TEST(StripeLayouts, SeparatorAfterTheIssuerNumber) {
  StripeParse p(kTrack1 + ";636000 1234567=2512199001150?" + kTrack3);
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 13u);
  EXPECT_EQ(p.field(licenseNumber), "12345670");
  EXPECT_EQ(p.field(expirationDate), "20251215");
}

TEST(StripeLayouts, LineFeedsInsideTheTracks) {
  // The rows after the one that takes the line feeds out read the text as
  // delivered: three lines from track 3 up are still format 3.
  StripeParse reversed(kTrack3 + "\n" + kTrack2 + "\n" + kTrack1);
  EXPECT_EQ(reversed.formatId(), 3u);
  StripeParse broken(kTrack1 + ";\n%0 95814      " + kDescription + std::string(12, ' ') + "D12345678901?");
  EXPECT_EQ(broken.formatId(), 11u);
  EXPECT_EQ(broken.field(licenseNumber), "D12345678901");
}

// ---- Single-line formats.

TEST(StripeSingleLine, AustralianNameAndNumber) {
  StripeParse p("%1NSW^SMITH/JOHN^12345678^XX?");
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 15u);
  EXPECT_EQ(p.field(fullName), "SMITH/JOHN");
  EXPECT_EQ(p.field(licenseNumber), "12345678");
  EXPECT_EQ(p.field(country), "Australia");
  EXPECT_EQ(p.field(documentType), "DL");
  EXPECT_EQ(p.get(VTX_getCountryCode), "AUS");
  // Without the '^' name '^' number '^' group nothing is stored at all.
  const std::string bare = "%1NSW^SMITH/JOHN 12345678 XX?";
  const DirectParse direct(parseAustralianStripe, bare);
  EXPECT_EQ(direct.code, VTX_OK);
  EXPECT_EQ(recordFilledCount(&direct.record), 0);
  EXPECT_EQ(StripeParse(bare).code, VTX_ERR_UNRECOGNISED);
}

TEST(StripeSingleLine, OhioLine) {
  const std::string line = "OHCOLUMBUS^DOE$JOHN^1 MAIN ST^^6360231234567=2512199001150143215  " + kDescription;
  StripeParse p(line);
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 16u);
  EXPECT_EQ(p.field(addressCity), "COLUMBUS");
  EXPECT_EQ(p.field(issuerIdNumber), "636023");
  EXPECT_EQ(p.field(birthDate), "19900115");
  EXPECT_EQ(p.field(gender), "M");
  EXPECT_EQ(p.field(weightPounds), "180");
  // A second line is another document.
  EXPECT_EQ(DirectParse(parseSingleLineStripe, line + "\nOHDAYTON^").code, VTX_ERR_MALFORMED);
  EXPECT_EQ(DirectParse(parseSingleLineStripe, line + "\n\n").code, VTX_OK);
}

TEST(StripeSingleLine, OhioPostalCodeLengths) {
  const struct {
    const char* digits;
    const char* stored;
  } cases[] = {
      {"0143215", "43215"},
      {"01432151234", "43215-1234"},
      {"143215", "43215"},
      {"43215", "43215"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.digits);
    StripeParse p("OHCOLUMBUS^DOE$JOHN^1 MAIN ST^^6360231234567=251219900115" + std::string(c.digits) + "  " +
                  kDescription);
    EXPECT_EQ(p.formatId(), 16u);
    EXPECT_EQ(p.field(addressPostalCode), c.stored);
  }
}

TEST(StripeSingleLine, OhioIsStoredWhateverTheLineHolds) {
  StripeParse p("OH^^^");
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 16u);
  EXPECT_EQ(p.field(addressJurisdictionCode), "OH");
  EXPECT_EQ(p.field(documentType), "DL");
}

// ---- Texts with nothing in them come back promptly and unrecognised.

TEST(StripeEmptyTexts, NothingReadIsNoDocument) {
  for (const std::string text : {";6X", "^^^^?;636?X?", "{!|1A|!}{!|2B|!}{!|3C|!}{!|4", "%B1"}) {
    StripeParse p(text);
    EXPECT_EQ(p.code, VTX_ERR_UNRECOGNISED) << text;
  }
}

}  // namespace
}  // namespace tavrix::test
