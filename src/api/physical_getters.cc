// Exported getters of the physical description.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/physical_description.h"

using tavrix::onRecord;

TAVRIX_TEXT_GETTER(VTX_getGender, onRecord<tavrix::genderAccessor>)
TAVRIX_TEXT_GETTER(VTX_getEyeColor, onRecord<tavrix::eyeColorAccessor>)
TAVRIX_TEXT_GETTER(VTX_getRace, onRecord<tavrix::raceAccessor>)
TAVRIX_TEXT_GETTER(VTX_getHairColor, onRecord<tavrix::hairColorAccessor>)
TAVRIX_TEXT_GETTER(VTX_getHeight, onRecord<tavrix::heightAccessor>)
TAVRIX_TEXT_GETTER(VTX_getWeightKG, onRecord<tavrix::weightKgAccessor>)
TAVRIX_TEXT_GETTER(VTX_getWeightLBS, onRecord<tavrix::weightLbsAccessor>)
