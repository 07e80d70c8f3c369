// The "HC" card block of the format registry (format ids 48 to 50).
#pragma once

#include <array>

#include "engine/registry.h"
#include "formats/other/hc/hc_formats.h"

namespace tavrix {

inline constexpr std::array<FormatRow, 3> kHealthCardRows = {
    formatRow(kHealthCard, 48, parseHcFixedPositions, {.decoder = decodeVerbatim}),
    formatRow(kHealthCard, 49, parseHcFinancialTrack, {}),
    formatRow(kHealthCard, 50, parseHcTaggedLines, {}),
};

}  // namespace tavrix
