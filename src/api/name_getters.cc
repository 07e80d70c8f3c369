// Exported getters of the names section.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/person_names.h"

using tavrix::onRecord;

TAVRIX_TEXT_GETTER(VTX_getFirstName, onRecord<tavrix::firstNameAccessor>)
TAVRIX_TEXT_GETTER(VTX_getLastName, onRecord<tavrix::lastNameAccessor>)
TAVRIX_TEXT_GETTER(VTX_getMiddleName, onRecord<tavrix::middleNameAccessor>)
TAVRIX_TEXT_GETTER(VTX_getNameSuffix, onRecord<tavrix::nameSuffixAccessor>)
TAVRIX_TEXT_GETTER(VTX_getNamePrefix, onRecord<tavrix::namePrefixAccessor>)
TAVRIX_TEXT_GETTER(VTX_getFullName, onRecord<tavrix::fullNameAccessor>)
