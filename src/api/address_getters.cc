// Exported getters of the address section.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/address.h"

using tavrix::formedThenCut;
using tavrix::onRecord;

namespace {

// The city and jurisdiction code that lead to a code inside the street line
// are read in the handle's scratch room, never in the caller's buffer.
int32_t postalCode(const tavrix::ParserHandle& handle, char* buffer, int32_t capacity) {
  char* scratch = handle.workBuffer;
  if (scratch == nullptr || scratch == buffer || handle.workInUse <= capacity) {
    return tavrix::postalCodeAccessor(&handle.record, buffer, capacity);
  }
  return tavrix::postalCodeWithScratch(&handle.record, buffer, capacity, scratch, handle.workInUse);
}

}  // namespace

TAVRIX_TEXT_GETTER(VTX_getAddress1, formedThenCut<tavrix::address1Accessor>)
TAVRIX_TEXT_GETTER(VTX_getAddress2, formedThenCut<tavrix::address2Accessor>)
TAVRIX_TEXT_GETTER(VTX_getCity, onRecord<tavrix::cityAccessor>)
TAVRIX_TEXT_GETTER(VTX_getPostalCode, postalCode)
