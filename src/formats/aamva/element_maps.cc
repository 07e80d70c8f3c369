#include "formats/aamva/element_maps.h"

#include <array>
#include <iterator>

#include "fields/field_ids.h"
#include "formats/aamva/element_lookup.h"

namespace tavrix {
namespace {

using namespace field;

constexpr CodePair pair(const char (&element)[4], int32_t fieldId) {
  return CodePair{.code = aamvaElementCode(element[0], element[1], element[2]), .value = fieldId};
}

// The 2000 edition: names in DAA or DAB/DAC/DAD, height in feet and inches,
// the permit elements, the DBx personal data elements.
constexpr CodePair kElementMap2000[] = {
    pair("DAA", fullName),
    pair("DAG", addressStreet1),
    pair("DAI", addressCity),
    pair("DAJ", addressJurisdictionCode),
    pair("DAK", addressPostalCode),
    pair("DAQ", licenseNumber),
    pair("DAR", classificationCode),
    pair("DAS", restrictionCode),
    pair("DAT", endorsementsCode),
    pair("DBA", expirationDate),
    pair("DBB", birthDate),
    pair("DBC", gender),
    pair("DBD", issueDate),
    pair("DAU", heightFeetInches),
    pair("DAW", weightPounds),
    pair("DAY", eyeColor),
    pair("DAZ", hairColor),
    pair("DBK", socialSecurityNumber),
    pair("PAA", permitClassificationCode),
    pair("PAB", permitExpirationDate),
    pair("PAC", permitIdentifier),
    pair("PAD", permitIssueDate),
    pair("PAE", permitRestrictionCode),
    pair("PAF", permitEndorsementCode),
    pair("DAB", lastName),
    pair("DAC", firstName),
    pair("DAD", middleName),
    pair("DAE", nameSuffix),
    pair("DAF", namePrefix),
    pair("DAH", mailingStreet2),
    pair("DAL", residenceStreet1),
    pair("DAM", residenceStreet2),
    pair("DAN", residenceCity),
    pair("DAO", residenceJurisdictionCode),
    pair("DAP", residencePostalCode),
    pair("DAV", heightCm),
    pair("DAX", weightKg),
    pair("DBE", issueTimestamp),
    pair("DBF", duplicateCount),
    pair("DBG", medicalIndicator),
    pair("DBH", organDonor),
    pair("DBI", nonResidentIndicator),
    pair("DBJ", uniqueCustomerId),
    pair("DBL", akaBirthDate),
    pair("DBM", akaSocialSecurityNumber),
    pair("DBN", akaFullName),
    pair("DBO", akaLastName),
    pair("DBP", akaFirstName),
    pair("DBQ", akaMiddleName),
    pair("DBR", akaNameSuffix),
    pair("DBS", akaNamePrefix),
};
static_assert(std::size(kElementMap2000) == 51, "element map 2000 pair count");

// The 2003 and 2005 editions: the DCx vehicle-class and name elements;
// DAQ goes to the alternative licence-number field.
constexpr CodePair kElementMap2003[] = {
    pair("DCA", vehicleClass),
    pair("DCB", restrictionCode),
    pair("DCD", endorsementsCode),
    pair("DBA", expirationDate),
    pair("DCS", lastName),
    pair("DCT", givenNames),
    pair("DBD", issueDate),
    pair("DBB", birthDate),
    pair("DBC", gender),
    pair("DAY", eyeColor),
    pair("DAU", height),
    pair("DAG", addressStreet1),
    pair("DAI", addressCity),
    pair("DAJ", addressJurisdictionCode),
    pair("DAK", addressPostalCode),
    pair("DAQ", licenseNumberAlt),
    pair("DCG", country),
    pair("DCH", federalVehicleCodes),
    pair("DAH", addressStreet2),
    pair("DAZ", hairColor),
    pair("DCI", placeOfBirth),
    pair("DCJ", auditInformation),
    pair("DCK", inventoryControlNumber),
    pair("DBN", aliasLastName),
    pair("DBG", aliasFirstName),
    pair("DBS", aliasNameSuffix),
    pair("DCU", nameSuffix),
    pair("DCE", weightRange),
    pair("DCL", race),
    pair("DCM", standardVehicleClass),
    pair("DCN", standardEndorsementCode),
    pair("DCO", standardRestrictionCode),
    pair("DCP", vehicleClassDescription),
    pair("DCQ", endorsementCodeDescription),
    pair("DCR", restrictionCodeDescription),
    pair("DAA", fullName),
};
static_assert(std::size(kElementMap2003) == 36, "element map 2003 pair count");

// The 2009 and 2010 editions, and barcodes that mix them with older
// elements: both the DAx and DCx spellings of restrictions and names.
constexpr CodePair kElementMap2009[] = {
    pair("DAK", addressPostalCode),
    pair("DCF", documentDiscriminator),
    pair("DCG", countryCode),
    pair("DDE", lastNameTruncation),
    pair("DDF", firstNameTruncation),
    pair("DDG", middleNameTruncation),
    pair("DAA", fullName),
    pair("DAG", addressStreet1),
    pair("DAI", addressCity),
    pair("DAJ", addressJurisdictionCode),
    pair("DAQ", licenseNumber),
    pair("DAR", classificationCode),
    pair("DAS", restrictionCode),
    pair("DAT", endorsementsCode),
    pair("DBA", expirationDate),
    pair("DBB", birthDate),
    pair("DBC", gender),
    pair("DBD", issueDate),
    pair("DCA", vehicleClass),
    pair("DCB", restrictionCode),
    pair("DCD", endorsementsCode),
    pair("DCS", lastName),
    pair("DCT", givenNames),
    pair("DAY", eyeColor),
    pair("DAU", height),
    pair("DCH", federalVehicleCodes),
    pair("DAC", firstName),
    pair("DAD", middleName),
    pair("DAH", addressStreet2),
    pair("DAZ", hairColor),
    pair("DCI", placeOfBirth),
    pair("DCJ", auditInformation),
    pair("DCK", inventoryControlNumber),
    pair("DBN", aliasLastName),
    pair("DBG", aliasFirstName),
    pair("DBS", aliasNameSuffix),
    pair("DCU", nameSuffix),
    pair("DCE", weightRange),
    pair("DCL", race),
    pair("DCM", standardVehicleClass),
    pair("DCN", standardEndorsementCode),
    pair("DCO", standardRestrictionCode),
    pair("DCP", vehicleClassDescription),
    pair("DCQ", endorsementCodeDescription),
    pair("DCR", restrictionCodeDescription),
    pair("DDA", complianceType),
    pair("DDB", cardRevisionDate),
    pair("DDC", hazmatExpirationDate),
    pair("DDD", limitedDurationDocument),
    pair("DAW", weightPounds),
    pair("DAX", weightKg),
    pair("DAU", heightFeetInches),
    pair("DBK", socialSecurityNumber),
    pair("PAA", permitClassificationCode),
    pair("PAB", permitExpirationDate),
    pair("PAC", permitIdentifier),
    pair("PAD", permitIssueDate),
    pair("PAE", permitRestrictionCode),
    pair("PAF", permitEndorsementCode),
    pair("DAB", lastName),
    pair("DAE", nameSuffix),
    pair("DAF", namePrefix),
    pair("DAL", residenceStreet1),
    pair("DAM", residenceStreet2),
    pair("DAN", residenceCity),
    pair("DAO", residenceJurisdictionCode),
    pair("DAP", residencePostalCode),
    pair("DAV", heightCm),
    pair("DBE", issueTimestamp),
    pair("DBF", duplicateCount),
    pair("DBH", organDonor),
    pair("DBI", nonResidentIndicator),
    pair("DBJ", uniqueCustomerId),
    pair("DBL", akaBirthDate),
    pair("DBM", akaSocialSecurityNumber),
    pair("DBO", akaLastName),
    pair("DBP", akaFirstName),
    pair("DBQ", akaMiddleName),
    pair("DBR", akaNameSuffix),
    pair("DDH", under18Until),
    pair("DDI", under19Until),
    pair("DDJ", under21Until),
};
static_assert(std::size(kElementMap2009) == 82, "element map 2009 pair count");

// The 2011 edition: the birth date lands in the alternative field.
constexpr CodePair kElementMap2011[] = {
    pair("DCA", vehicleClass),
    pair("DCB", restrictionCode),
    pair("DCD", endorsementsCode),
    pair("DBA", expirationDate),
    pair("DCS", lastName),
    pair("DAC", firstName),
    pair("DAD", middleName),
    pair("DBD", issueDate),
    pair("DBB", birthDateAlt),
    pair("DBC", gender),
    pair("DAY", eyeColor),
    pair("DAU", height),
    pair("DAG", addressStreet1),
    pair("DAI", addressCity),
    pair("DAJ", addressJurisdictionCode),
    pair("DAK", addressPostalCode),
    pair("DAQ", licenseNumber),
    pair("DCF", documentDiscriminator),
    pair("DCG", countryCode),
    pair("DDE", lastNameTruncation),
    pair("DDF", firstNameTruncation),
    pair("DDG", middleNameTruncation),
    pair("DAH", addressStreet2),
    pair("DAZ", hairColor),
    pair("DCI", placeOfBirth),
    pair("DCJ", auditInformation),
    pair("DCK", inventoryControlNumber),
    pair("DBN", aliasLastName),
    pair("DBG", aliasFirstName),
    pair("DBS", aliasNameSuffix),
    pair("DCU", nameSuffix),
    pair("DCE", weightRange),
    pair("DCL", race),
    pair("DCM", standardVehicleClass),
    pair("DCN", standardEndorsementCode),
    pair("DCO", standardRestrictionCode),
    pair("DCP", vehicleClassDescription),
    pair("DCQ", endorsementCodeDescription),
    pair("DCR", restrictionCodeDescription),
    pair("DDA", complianceType),
    pair("DDB", cardRevisionDate),
    pair("DDC", hazmatExpirationDate),
    pair("DDD", limitedDurationDocument),
    pair("DAW", weightPounds),
    pair("DAX", weightKg),
    pair("DDH", under18Until),
    pair("DDI", under19Until),
    pair("DDJ", under21Until),
};
static_assert(std::size(kElementMap2011) == 48, "element map 2011 pair count");

// The 2013 edition and later. The tail repeats the first eighteen 2003
// elements, so DAQ, DBB and DCG fill both their fields and DCT and DCH are
// known at all.
constexpr CodePair kElementMap2014[] = {
    pair("DCA", vehicleClass),
    pair("DCB", restrictionCode),
    pair("DCD", endorsementsCode),
    pair("DBA", expirationDate),
    pair("DCS", lastName),
    pair("DAC", firstName),
    pair("DAD", middleName),
    pair("DBD", issueDate),
    pair("DBB", birthDateAlt),
    pair("DBC", gender),
    pair("DAY", eyeColor),
    pair("DAU", height),
    pair("DAG", addressStreet1),
    pair("DAI", addressCity),
    pair("DAJ", addressJurisdictionCode),
    pair("DAK", addressPostalCode),
    pair("DAQ", licenseNumber),
    pair("DCF", documentDiscriminator),
    pair("DCG", countryCode),
    pair("DDE", lastNameTruncation),
    pair("DDF", firstNameTruncation),
    pair("DDG", middleNameTruncation),
    pair("DAH", addressStreet2),
    pair("DAZ", hairColor),
    pair("DCI", placeOfBirth),
    pair("DCJ", auditInformation),
    pair("DCK", inventoryControlNumber),
    pair("DBN", aliasLastName),
    pair("DBG", aliasFirstName),
    pair("DBS", aliasNameSuffix),
    pair("DCU", nameSuffix),
    pair("DCE", weightRange),
    pair("DCL", race),
    pair("DCM", standardVehicleClass),
    pair("DCN", standardEndorsementCode),
    pair("DCO", standardRestrictionCode),
    pair("DCP", vehicleClassDescription),
    pair("DCQ", endorsementCodeDescription),
    pair("DCR", restrictionCodeDescription),
    pair("DDA", complianceType),
    pair("DDB", cardRevisionDate),
    pair("DDC", hazmatExpirationDate),
    pair("DDD", limitedDurationDocument),
    pair("DAW", weightPounds),
    pair("DAX", weightKg),
    pair("DDH", under18Until),
    pair("DDI", under19Until),
    pair("DDJ", under21Until),
    pair("DDK", organDonor),
    pair("DDL", veteran),
    pair("DCA", vehicleClass),
    pair("DCB", restrictionCode),
    pair("DCD", endorsementsCode),
    pair("DBA", expirationDate),
    pair("DCS", lastName),
    pair("DCT", givenNames),
    pair("DBD", issueDate),
    pair("DBB", birthDate),
    pair("DBC", gender),
    pair("DAY", eyeColor),
    pair("DAU", height),
    pair("DAG", addressStreet1),
    pair("DAI", addressCity),
    pair("DAJ", addressJurisdictionCode),
    pair("DAK", addressPostalCode),
    pair("DAQ", licenseNumberAlt),
    pair("DCG", country),
    pair("DCH", federalVehicleCodes),
};
static_assert(std::size(kElementMap2014) == 68, "element map 2014 pair count");

constexpr std::array<bool, kAamvaElementIdSpace> knownIds() {
  std::array<bool, kAamvaElementIdSpace> known{};
  auto add = [&known](const CodePair* map, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const uint32_t code = map[i].code;
      const int32_t at = aamvaIdNumber(static_cast<char>(code >> 16), static_cast<char>((code >> 8) & 0xFF),
                                       static_cast<char>(code & 0xFF));
      if (at >= 0) known[static_cast<size_t>(at)] = true;
    }
  };
  add(kElementMap2000, std::size(kElementMap2000));
  add(kElementMap2003, std::size(kElementMap2003));
  add(kElementMap2009, std::size(kElementMap2009));
  add(kElementMap2011, std::size(kElementMap2011));
  add(kElementMap2014, std::size(kElementMap2014));
  return known;
}
constexpr std::array<bool, kAamvaElementIdSpace> kKnownIdArray = knownIds();
static_assert(kKnownIdArray[aamvaIdNumber('D', 'A', 'Q')] && kKnownIdArray[aamvaIdNumber('P', 'A', 'F')] &&
                  !kKnownIdArray[aamvaIdNumber('D', 'O', 'E')],
              "the element ids of all editions");

}  // namespace

constexpr std::array<bool, kAamvaElementIdSpace> kAamvaKnownIds = kKnownIdArray;

bool isAamvaElementId(const char* id) { return aamvaElementIdIndex(id) >= 0; }

namespace {

template <size_t N>
constexpr ElementLookup lookupOf(const CodePair (&map)[N]) {
  return ElementLookup(map, static_cast<int32_t>(N));
}

constexpr ElementLookup kLookup2000 = lookupOf(kElementMap2000);
constexpr ElementLookup kLookup2003 = lookupOf(kElementMap2003);
constexpr ElementLookup kLookup2009 = lookupOf(kElementMap2009);
constexpr ElementLookup kLookup2011 = lookupOf(kElementMap2011);
constexpr ElementLookup kLookup2014 = lookupOf(kElementMap2014);

}  // namespace

const ElementLookup* elementMapLookup(const CodePair* map, int32_t length) {
  struct Known {
    const CodePair* map;
    int32_t length;
    const ElementLookup* lookup;
  };
  static constexpr Known kKnown[] = {
      {kElementMap2000, static_cast<int32_t>(std::size(kElementMap2000)), &kLookup2000},
      {kElementMap2003, static_cast<int32_t>(std::size(kElementMap2003)), &kLookup2003},
      {kElementMap2009, static_cast<int32_t>(std::size(kElementMap2009)), &kLookup2009},
      {kElementMap2011, static_cast<int32_t>(std::size(kElementMap2011)), &kLookup2011},
      {kElementMap2014, static_cast<int32_t>(std::size(kElementMap2014)), &kLookup2014},
  };
  for (const Known& known : kKnown) {
    if (known.map == map && known.length == length) return known.lookup;
  }
  return nullptr;
}

ElementMap elementMap(ElementMapId id) {
  switch (id) {
    case ElementMapId::y2000: return ElementMap{kElementMap2000, static_cast<int32_t>(std::size(kElementMap2000))};
    case ElementMapId::y2003: return ElementMap{kElementMap2003, static_cast<int32_t>(std::size(kElementMap2003))};
    case ElementMapId::y2009: return ElementMap{kElementMap2009, static_cast<int32_t>(std::size(kElementMap2009))};
    case ElementMapId::y2011: return ElementMap{kElementMap2011, static_cast<int32_t>(std::size(kElementMap2011))};
    case ElementMapId::y2014: return ElementMap{kElementMap2014, static_cast<int32_t>(std::size(kElementMap2014))};
  }
  return ElementMap{};
}

}  // namespace tavrix
