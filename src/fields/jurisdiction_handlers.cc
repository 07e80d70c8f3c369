#include "fields/jurisdiction_handlers.h"

#include <iterator>

#include "fields/address_hooks.h"
#include "fields/issuer_identity.h"
#include "fields/jurisdiction_name_handlers.h"
#include "fields/license_number.h"
#include "tables/issuer_table.h"

namespace tavrix {
namespace {

// Row 0 is the fallback for codes without a row of their own (PR, for
// example). Keys are unique, so the first match is the only match.
constexpr JurisdictionRow JurisdictionHandlers[] = {
    {.key = ""},
    {.key = "AL", .licenseNumber = licenseNumberWithRule<kLetterRuleAL>, .firstName = alabamaFirstName, .lastName = alabamaLastName, .middleName = alabamaMiddleName, .suffix = alabamaNameSuffix, .prefix = alabamaNamePrefix, .postalCode = usPostalCodeHandler},
    {.key = "AB", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "BC", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "MB", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "NB", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "NT", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "NS", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "NU", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "PE", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "QC", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "SK", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "YT", .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "LB", .licenseNumber = licenseNumberWithRule<kLetterRuleFrom10>, .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "NF", .licenseNumber = licenseNumberWithRule<kLetterRuleFrom10>, .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "ON", .licenseNumber = licenseNumberWithRule<kLetterRuleFrom15>, .firstName = canadianFirstName, .lastName = canadianLastName, .middleName = canadianMiddleName, .address = canadianAddressHandler},
    {.key = "CO", .licenseNumber = licenseNumberWithRule<kLetterRuleCO>, .firstName = coloradoFirstName, .lastName = coloradoLastName, .middleName = coloradoMiddleName, .postalCode = usPostalCodeHandler},
    {.key = "CA", .licenseNumber = licenseNumberWithRule<kLetterRuleCA>, .postalCode = usPostalCodeHandler, .usesNameSplitters = true},
    {.key = "AZ", .licenseNumber = licenseNumberWithRule<kLetterRuleLength10>, .postalCode = usPostalCodeHandler},
    {.key = "FL", .licenseNumber = licenseNumberWithRule<kLetterRuleFrom13>, .postalCode = usPostalCodeHandler},
    {.key = "HI", .licenseNumber = licenseNumberWithRule<kLetterRuleLength10>, .postalCode = usPostalCodeHandler},
    {.key = "IL", .licenseNumber = licenseNumberWithRule<kLetterRuleIL>, .postalCode = usPostalCodeHandler},
    {.key = "IN", .licenseNumber = licenseNumberWithRule<kLetterRuleIN>, .postalCode = usPostalCodeHandler},
    {.key = "KS", .licenseNumber = licenseNumberWithRule<kLetterRuleLength10>, .postalCode = usPostalCodeHandler},
    {.key = "KY", .licenseNumber = licenseNumberWithRule<kLetterRuleKY>, .postalCode = usPostalCodeHandler},
    {.key = "MD", .licenseNumber = licenseNumberWithRule<kLetterRuleFrom13>, .postalCode = usPostalCodeHandler},
    {.key = "MA", .licenseNumber = licenseNumberWithRule<kLetterRuleLength10>, .postalCode = usPostalCodeHandler},
    {.key = "MI", .licenseNumber = licenseNumberWithRule<kLetterRuleFrom13>, .postalCode = usPostalCodeHandler},
    {.key = "MN", .licenseNumber = licenseNumberMN, .postalCode = usPostalCodeHandler},
    {.key = "NE", .licenseNumber = licenseNumberWithRule<kLetterRuleNE>, .postalCode = usPostalCodeHandler},
    {.key = "NJ", .licenseNumber = licenseNumberWithRule<kLetterRuleFrom15>, .postalCode = usPostalCodeHandler},
    {.key = "NY", .licenseNumber = licenseNumberWithRule<kLetterRuleNY>, .postalCode = usPostalCodeHandler},
    {.key = "OH", .licenseNumber = licenseNumberOH, .postalCode = usPostalCodeHandler},
    {.key = "WI", .licenseNumber = licenseNumberWithRule<kLetterRuleWI>, .postalCode = usPostalCodeHandler},
    {.key = "AK", .postalCode = usPostalCodeHandler},
    {.key = "AR", .postalCode = usPostalCodeHandler},
    {.key = "CT", .postalCode = usPostalCodeHandler},
    {.key = "DE", .postalCode = usPostalCodeHandler},
    {.key = "DC", .postalCode = usPostalCodeHandler},
    {.key = "GA", .postalCode = usPostalCodeHandler},
    {.key = "GM", .postalCode = usPostalCodeHandler},
    {.key = "ID", .postalCode = usPostalCodeHandler},
    {.key = "IA", .postalCode = usPostalCodeHandler},
    {.key = "LA", .postalCode = usPostalCodeHandler},
    {.key = "ME", .postalCode = usPostalCodeHandler},
    {.key = "MS", .postalCode = usPostalCodeHandler},
    {.key = "MO", .postalCode = usPostalCodeHandler},
    {.key = "MT", .postalCode = usPostalCodeHandler},
    {.key = "NV", .postalCode = usPostalCodeHandler},
    {.key = "NH", .postalCode = usPostalCodeHandler},
    {.key = "NM", .postalCode = usPostalCodeHandler},
    {.key = "NC", .postalCode = usPostalCodeHandler},
    {.key = "ND", .postalCode = usPostalCodeHandler},
    {.key = "OK", .postalCode = usPostalCodeHandler},
    {.key = "OR", .postalCode = usPostalCodeHandler},
    {.key = "PA", .postalCode = usPostalCodeHandler},
    {.key = "RI", .postalCode = usPostalCodeHandler},
    {.key = "SC", .postalCode = usPostalCodeHandler},
    {.key = "SD", .postalCode = usPostalCodeHandler},
    {.key = "TN", .postalCode = usPostalCodeHandler},
    {.key = "TX", .postalCode = usPostalCodeHandler},
    {.key = "DS", .postalCode = usPostalCodeHandler},
    {.key = "VI", .postalCode = usPostalCodeHandler},
    {.key = "UT", .postalCode = usPostalCodeHandler},
    {.key = "VT", .postalCode = usPostalCodeHandler},
    {.key = "VA", .postalCode = usPostalCodeHandler},
    {.key = "WA", .postalCode = usPostalCodeHandler},
    {.key = "WV", .postalCode = usPostalCodeHandler},
    {.key = "WY", .postalCode = usPostalCodeHandler},
};
static_assert(std::size(JurisdictionHandlers) == kJurisdictionRowCount, "jurisdiction handler row count");

constexpr NameSplitters kNameSplitters = {
    .firstName = californiaSplitFirstName,
    .lastName = californiaSplitLastName,
    .middleName = californiaSplitMiddleName,
};

bool sameKey(const char* key, const char* text, int32_t capacity) {
  for (int32_t i = 0; i < capacity; ++i) {
    if (key[i] != text[i]) return false;
    if (key[i] == '\0') return true;
  }
  return false;
}

const JurisdictionRow& rowOfKey(const char* key, int32_t capacity) {
  for (const JurisdictionRow& row : JurisdictionHandlers) {
    if (sameKey(row.key, key, capacity)) return row;
  }
  return JurisdictionHandlers[0];
}

}  // namespace

const JurisdictionRow* jurisdictionHandlerRows() { return JurisdictionHandlers; }

const NameSplitters& jurisdictionNameSplitters() { return kNameSplitters; }

const JurisdictionRow& findJurisdictionHandlers(const FieldRecord* record) {
  char number[kIssuerNumberScratch];
  if (issuerNumberAccessor(record, number, kIssuerNumberScratch) == VTX_OK) {
    int32_t length = 0;
    while (length < kIssuerNumberScratch && number[length] != '\0') ++length;
    const char* code = issuerCodeFromNumber(Span{number, length});
    if (code != nullptr) return rowOfKey(code, 3);
  }
  char code[kJurisdictionScratch];
  if (jurisdictionCodeAccessor(record, code, kJurisdictionScratch) == VTX_OK) {
    return rowOfKey(code, kJurisdictionScratch);
  }
  return JurisdictionHandlers[0];
}

}  // namespace tavrix
