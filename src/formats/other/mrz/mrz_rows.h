// The machine-readable-zone block of the format registry: passport, TD1
// card, TD2 card and visa, in the order the rows are tried.
#pragma once

#include <array>

#include "engine/registry.h"
#include "formats/other/mrz/mrz_formats.h"

namespace tavrix {

template <int32_t FormatId>
constexpr FormatRow zoneRow() {
  return formatRow(kMachineReadableZone, FormatId, parseZoneFormat<FormatId>, {.decoder = decodeMrzText});
}

inline constexpr std::array<FormatRow, 4> kZoneRows = {
    zoneRow<64>(),
    zoneRow<65>(),
    zoneRow<66>(),
    zoneRow<67>(),
};

}  // namespace tavrix
