// Exported getters of the address section.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/address.h"

using tavrix::onRecord;

TAVRIX_TEXT_GETTER(VTX_getAddress1, onRecord<tavrix::address1Accessor>)
TAVRIX_TEXT_GETTER(VTX_getAddress2, onRecord<tavrix::address2Accessor>)
TAVRIX_TEXT_GETTER(VTX_getCity, onRecord<tavrix::cityAccessor>)
TAVRIX_TEXT_GETTER(VTX_getPostalCode, onRecord<tavrix::postalCodeAccessor>)
