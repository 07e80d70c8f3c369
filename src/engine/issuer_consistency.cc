#include "engine/issuer_consistency.h"

#include <cstring>

#include "fields/issuer_identity.h"
#include "fields/person_names.h"

namespace tavrix {

int32_t issuerConsistencyAdjustment(const FieldRecord* record, const FormatRow* row, char* scratch,
                                    int32_t scratchCapacity) {
  if (record == nullptr || row == nullptr) return 0;
  // A missing or empty scratch buffer is left to the accessors: they refuse,
  // so no country or jurisdiction is judged and the names count as unread.
  int32_t adjustment = 0;
  // Whether the first name can be read is asked once: both expectations
  // judge it on the same record.
  int32_t firstName = 1;
  auto hasFirstName = [&] {
    if (firstName > 0) firstName = firstNameAccessor(record, scratch, scratchCapacity) == VTX_OK ? 0 : -1;
    return firstName == 0;
  };
  if (row->expectedCountry != nullptr) {
    if (countryCodeAccessor(record, scratch, scratchCapacity) == VTX_OK) {
      adjustment += std::strcmp(scratch, row->expectedCountry) == 0 ? 100 : -1000;
    }
    if (!hasFirstName()) adjustment -= 100;
  }
  if (row->expectedJurisdiction != nullptr) {
    if (jurisdictionCodeAccessor(record, scratch, scratchCapacity) == VTX_OK) {
      adjustment += std::strcmp(scratch, row->expectedJurisdiction) == 0 ? 50 : -500;
    }
    // One 50 at most for the names: the last name counts only when the
    // first name was found.
    if (!hasFirstName()) {
      adjustment -= 50;
    } else if (lastNameAccessor(record, scratch, scratchCapacity) != VTX_OK) {
      adjustment -= 50;
    }
  }
  return adjustment;
}

}  // namespace tavrix
