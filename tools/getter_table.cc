#include "getter_table.h"

#include "tavrix_parser.h"

namespace tavrix_tool {
namespace {

constexpr GetterEntry text(const char* cName, const char* jsonName, TextGetterFn fn) {
  return GetterEntry{cName, jsonName, GetterKind::text, fn, nullptr, nullptr, nullptr};
}
[[maybe_unused]] constexpr GetterEntry flag(const char* cName, const char* jsonName, FlagGetterFn fn) {
  return GetterEntry{cName, jsonName, GetterKind::flag, nullptr, fn, nullptr, nullptr};
}
[[maybe_unused]] constexpr GetterEntry status(const char* cName, const char* jsonName, StatusGetterFn fn) {
  return GetterEntry{cName, jsonName, GetterKind::status, nullptr, nullptr, fn, nullptr};
}
[[maybe_unused]] constexpr GetterEntry barcode(const char* cName, const char* jsonName, BarcodeValidatorFn fn) {
  return GetterEntry{cName, jsonName, GetterKind::barcode, nullptr, nullptr, nullptr, fn};
}

#define TEXT(name, json) text(#name, json, name)
#define FLAG(name, json) flag(#name, json, name)
#define STATUS(name, json) status(#name, json, name)
#define BARCODE(name, json) barcode(#name, json, name)

// One row per exported getter, in the library's export order.
constexpr GetterEntry kGetters[] = {
    // names and issuer (rows are added as the getters land)
    TEXT(VTX_getFirstName, "firstName"),
    TEXT(VTX_getLastName, "lastName"),
    TEXT(VTX_getDocumentType, "documentType"),
    TEXT(VTX_getCountryCode, "countryCode"),
    TEXT(VTX_getCountry, "country"),
    TEXT(VTX_getJurisdictionCode, "jurisdictionCode"),
    TEXT(VTX_getIIN, "iin"),
    TEXT(VTX_getMiddleName, "middleName"),
    TEXT(VTX_getNameSuffix, "nameSuffix"),
    TEXT(VTX_getNamePrefix, "namePrefix"),
    TEXT(VTX_getFullName, "fullName"),
    TEXT(VTX_getAddress1, "address1"),
    TEXT(VTX_getAddress2, "address2"),
    TEXT(VTX_getCity, "city"),
    TEXT(VTX_getLicenseNumber, "licenseNumber"),
    TEXT(VTX_getClassificationCode, "classificationCode"),
    TEXT(VTX_getRestrictionCode, "restrictionCode"),
    TEXT(VTX_getRestrictionCodeDescription, "restrictionCodeDescription"),
    TEXT(VTX_getEndorsementsCode, "endorsementsCode"),
    TEXT(VTX_getEndorsementCodeDescription, "endorsementCodeDescription"),
    TEXT(VTX_getExpirationDate, "expirationDate"),
    TEXT(VTX_getHAZMATExpDate, "HAZMATExpDate"),
    TEXT(VTX_getBirthdate, "birthdate"),
    TEXT(VTX_getCardRevisionDate, "cardRevisionDate"),
    TEXT(VTX_getGender, "gender"),
    TEXT(VTX_getIssueDate, "issueDate"),
    TEXT(VTX_getIssuedBy, "issuedBy"),
    TEXT(VTX_getPostalCode, "postalCode"),
    TEXT(VTX_getEyeColor, "eyeColor"),
    TEXT(VTX_getRace, "race"),
    TEXT(VTX_getHairColor, "hairColor"),
    TEXT(VTX_getHeight, "height"),
    TEXT(VTX_getWeightKG, "weightKG"),
    TEXT(VTX_getWeightLBS, "weightLBS"),
    TEXT(VTX_getComplianceType, "complianceType"),
    FLAG(VTX_getLimitedDurationDocument, "isLimitedDurationDocument"),
    FLAG(VTX_getOrganDonor, "isOrganDonor"),
    FLAG(VTX_getVeteran, "isVeteran"),
    TEXT(VTX_getVehicleClassCode, "vehicleClassCode"),
    TEXT(VTX_getVehicleClassCodeDescription, "vehicleClassCodeDescription"),
    // validation
    STATUS(VTX_validateDocumentId, "documentIdValidationStatus"),
    BARCODE(VTX_validateBarcode, "barcodeValidationStatus"),
    STATUS(VTX_validateJurisdictionCode, "jurisdictionCodeValidationStatus"),
    TEXT(VTX_getAamvaVersion, "aamvaVersion"),
    GetterEntry{nullptr, nullptr, GetterKind::text, nullptr, nullptr, nullptr, nullptr},
};

#undef TEXT
#undef FLAG
#undef STATUS
#undef BARCODE

// The last row only ends the list.
constexpr int32_t kCount = static_cast<int32_t>(sizeof(kGetters) / sizeof(kGetters[0])) - 1;

}  // namespace

const GetterEntry* getterTable() { return kGetters; }
int32_t getterCount() { return kCount; }

}  // namespace tavrix_tool
