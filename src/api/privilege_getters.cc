// Exported getters of the driving privileges and the yes/no indicators.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/field_ids.h"
#include "fields/privileges.h"

using tavrix::onRecord;

TAVRIX_TEXT_GETTER(VTX_getClassificationCode, onRecord<tavrix::vehicleClassAccessor>)
TAVRIX_TEXT_GETTER(VTX_getRestrictionCode, onRecord<tavrix::restrictionCodeAccessor>)
TAVRIX_TEXT_GETTER(VTX_getRestrictionCodeDescription, onRecord<tavrix::restrictionDescriptionAccessor>)
TAVRIX_TEXT_GETTER(VTX_getEndorsementsCode, onRecord<tavrix::endorsementCodeAccessor>)
TAVRIX_TEXT_GETTER(VTX_getEndorsementCodeDescription, onRecord<tavrix::endorsementDescriptionAccessor>)
TAVRIX_TEXT_GETTER(VTX_getComplianceType, onRecord<tavrix::complianceTypeAccessor>)
TAVRIX_FLAG_GETTER(VTX_getLimitedDurationDocument, tavrix::field::limitedDurationDocument)
TAVRIX_FLAG_GETTER(VTX_getOrganDonor, tavrix::field::organDonor)
TAVRIX_FLAG_GETTER(VTX_getVeteran, tavrix::field::veteran)
TAVRIX_TEXT_GETTER(VTX_getVehicleClassCode, onRecord<tavrix::vehicleClassAccessor>)
TAVRIX_TEXT_GETTER(VTX_getVehicleClassCodeDescription, onRecord<tavrix::vehicleClassDescriptionAccessor>)
