// Exported getters of the dates section.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/dates.h"

using tavrix::onRecord;

TAVRIX_TEXT_GETTER(VTX_getExpirationDate, onRecord<tavrix::expirationDateAccessor>)
TAVRIX_TEXT_GETTER(VTX_getHAZMATExpDate, onRecord<tavrix::hazmatExpirationDateAccessor>)
TAVRIX_TEXT_GETTER(VTX_getBirthdate, onRecord<tavrix::birthDateAccessor>)
TAVRIX_TEXT_GETTER(VTX_getCardRevisionDate, onRecord<tavrix::cardRevisionDateAccessor>)
TAVRIX_TEXT_GETTER(VTX_getIssueDate, onRecord<tavrix::issueDateAccessor>)
