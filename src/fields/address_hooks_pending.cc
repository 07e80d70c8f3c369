// TEMPORARY: stand-ins for the address and postal-code handlers until the
// address accessors land with their real definitions. Remove this file
// when they do (the linker will report the duplicates otherwise).
#include "fields/address_hooks.h"

namespace tavrix {

int32_t canadianAddressHandler(const FieldRecord*, const int32_t*, int32_t, char*, int32_t) {
  return VTX_ERR_NOT_AVAILABLE;
}

int32_t usPostalCodeHandler(Span, char*, int32_t) { return VTX_ERR_NOT_AVAILABLE; }

}  // namespace tavrix
