// Score correction for registry rows that expect a particular country or
// jurisdiction: layouts that only one issuer uses often accept look-alike
// text from others, so a consistent issuer lifts the row a little and an
// inconsistent one sinks it below every row without expectations.
#pragma once

#include <cstdint>

#include "engine/registry.h"

namespace tavrix {

// Asks the record, through the getters' own accessors, for the country
// code, the jurisdiction code and the names: +100 / -1000 for the expected
// country found / contradicted, +50 / -500 for the jurisdiction, and
// -100 or -50 when names cannot be read. `scratch` is overwritten.
int32_t issuerConsistencyAdjustment(const FieldRecord* record, const FormatRow* row, char* scratch,
                                    int32_t scratchCapacity);

}  // namespace tavrix
