// The winning examples of the stripe rows: one licence in every shape a
// reader delivers it.
#include "formats/stripe/stripe_text.h"
#include "formats/winning_examples.h"

namespace tavrix::test {

using namespace field;

std::vector<WinningExample> stripeWinningExamples() {
  const std::string& t1 = kTrack1;
  const std::string& t2 = kTrack2;
  const std::string& t3 = kTrack3;
  // Florida's '#' track 3: postal code 33435, then the description 15 in.
  const std::string floridaTrack3 =
      "#! 33435      I               1600                                   ECCECC00000?";
  return {
      {.formatId = 0, .text = t1 + t2, .fields = {{licenseNumber, "12345670"}, {addressCity, "ANYTOWN"}, {gender, ""}}},
      {.formatId = 1, .text = t1 + "\n" + t2, .fields = {{birthDate, "19900115"}, {gender, ""}}},
      {.formatId = 2, .text = t1 + "\n" + t2 + "\n" + t3, .fields = {{addressPostalCode, "95814"}, {heightFeetInches, "510"}}},
      {.formatId = 3, .text = t3 + "\n" + t2 + "\n" + t1, .fields = {{addressJurisdictionCode, "CA"}, {eyeColor, "BLU"}}},
      {.formatId = 4, .text = t1 + t2 + t3, .fields = {{addressPostalCode, "95814"}, {licenseNumber, "12345670"}, {weightPounds, "180"}}},
      {.formatId = 5, .text = t1 + ";" + t2 + t3, .fields = {{issuerIdNumber, "636000"}, {hairColor, "BRN"}}},
      {.formatId = 6,
       .text = "{!|1CAANYTOWN^DOE$JOHN^1 MAIN ST^|!}{!|26360001234567=2512199001150|!}{!|3" + t3 + "|!}",
       .fields = {{addressJurisdictionCode, "CA"}, {issuerIdNumber, "636000"}, {classificationCode, "C"}}},
      {.formatId = 9, .text = t1 + t2 + floridaTrack3, .fields = {{addressPostalCode, "3435"}, {gender, "1"}, {endorsementsCode, "1"}}},
      {.formatId = 11,
       .text = t1 + ";\n%0 95814      " + kDescription + "            D12345678901?",
       .fields = {{licenseNumber, "D12345678901"}, {addressPostalCode, "95814"}, {issuerIdNumber, ""}}},
      {.formatId = 7, .text = t1 + "  " + t2 + "  " + t3, .fields = {{addressJurisdictionCode, "CA"}, {addressPostalCode, "95814"}}},
      {.formatId = 8,
       .text = "%BCVANCOUVER^DOE$JOHN^1 MAIN ST^?;6360280001234=2512199001150?%0 V6B1A1      " + kDescription + "?",
       .fields = {{addressPostalCode, "V6B 1A1"}, {issuerIdNumber, "636028"}, {heightFeetInches, "510"}}},
      {.formatId = 10, .text = "%CAANYTOWN^DOE$JOHN^1 MAIN ST^                        ?", .fields = {{fullName, "DOE$JOHN"}, {issuerIdNumber, ""}}},
      {.formatId = 12, .text = t1 + "\n;X6360001234567=2512199001150?\n" + t3, .fields = {{issuerIdNumber, "636000"}, {addressPostalCode, "95814"}}},
      {.formatId = 13, .text = t1 + ";636000-1234567=2512199001150?" + t3, .fields = {{licenseNumber, "12345670"}, {issuerIdNumber, ""}}},
      {.formatId = 14, .text = ";6360001234=251219900115=98765=?", .fields = {{licenseNumber, "987651234"}, {birthDate, "19900115"}}},
      {.formatId = 15, .text = "%1NSW^SMITH/JOHN^12345678^XX?", .fields = {{fullName, "SMITH/JOHN"}, {country, "Australia"}, {licenseNumber, "12345678"}}},
      {.formatId = 16,
       .text = "OHCOLUMBUS^DOE$JOHN^1 MAIN ST^^6360231234567=2512199001150143215  " + kDescription,
       .fields = {{addressJurisdictionCode, "OH"}, {addressPostalCode, "43215"}, {licenseNumber, "1234567"}, {classificationCode, "C"}}},
  };
}

}  // namespace tavrix::test
