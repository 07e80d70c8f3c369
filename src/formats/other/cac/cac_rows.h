// The Common Access Card block of the format registry, in the order the
// rows are tried.
#pragma once

#include <array>

#include "engine/registry.h"
#include "formats/other/cac/cac_formats.h"

namespace tavrix {

template <int32_t FormatId>
constexpr FormatRow cacRow() {
  return formatRow(kCommonAccessCard, FormatId, parseCacFormat<FormatId>, {});
}

// The two "IDUS" layouts cannot both accept a text (their selectors
// differ); layout 2 (format 54) is tried before layout 1 (format 53).
inline constexpr std::array<FormatRow, 5> kCacRows = {
    cacRow<51>(),
    cacRow<52>(),
    cacRow<54>(),
    cacRow<53>(),
    cacRow<55>(),
};

}  // namespace tavrix
