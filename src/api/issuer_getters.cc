// Exported getters of the issuer and document section.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/issuer_identity.h"
#include "fields/license_number.h"

using tavrix::onRecord;

TAVRIX_TEXT_GETTER(VTX_getDocumentType, onRecord<tavrix::documentTypeAccessor>)
TAVRIX_TEXT_GETTER(VTX_getCountryCode, onRecord<tavrix::countryCodeAccessor>)
TAVRIX_TEXT_GETTER(VTX_getCountry, onRecord<tavrix::countryAccessor>)
TAVRIX_TEXT_GETTER(VTX_getJurisdictionCode, onRecord<tavrix::jurisdictionCodeAccessor>)
TAVRIX_TEXT_GETTER(VTX_getIIN, onRecord<tavrix::issuerNumberAccessor>)
TAVRIX_TEXT_GETTER(VTX_getLicenseNumber, onRecord<tavrix::licenseNumberAccessor>)
TAVRIX_TEXT_GETTER(VTX_getIssuedBy, onRecord<tavrix::issuedByAccessor>)
TAVRIX_TEXT_GETTER(VTX_getAamvaVersion, onRecord<tavrix::aamvaVersionAccessor>)
