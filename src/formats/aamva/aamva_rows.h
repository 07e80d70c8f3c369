// The AAMVA barcode block of the format registry, in the order the rows
// are tried.
#pragma once

#include <array>

#include "engine/registry.h"
#include "formats/aamva/aamva_formats.h"

namespace tavrix {

template <int32_t FormatId>
constexpr FormatRow aamvaRow(RowOptions options = {}) {
  return formatRow(kAamvaBarcode, FormatId, parseAamvaFormat<FormatId>, options);
}

inline constexpr RowOptions kAlberta{.expectedCountry = "CAN", .expectedJurisdiction = "AB"};
inline constexpr RowOptions kAlbertaVerbatim{
    .decoder = decodeVerbatim, .expectedCountry = "CAN", .expectedJurisdiction = "AB"};

// The 2010 layout with its version inside the issuer number comes first;
// the Canadian line-feed layout (45) stands between the Alberta rows and the
// "SL" row.
inline constexpr std::array<FormatRow, 31> kAamvaRows = {
    aamvaRow<40>(),
    aamvaRow<17>(),
    aamvaRow<18>(),
    aamvaRow<19>(),
    aamvaRow<20>(),
    aamvaRow<21>(),
    aamvaRow<22>({.expectedJurisdiction = "NC"}),
    aamvaRow<23>({.expectedJurisdiction = "NC"}),
    aamvaRow<24>(),
    aamvaRow<25>({.expectedJurisdiction = "AR"}),
    aamvaRow<26>(),
    aamvaRow<27>({.expectedCountry = "CAN"}),
    aamvaRow<28>(kAlbertaVerbatim),
    aamvaRow<29>(),
    aamvaRow<30>(),
    aamvaRow<31>(),
    aamvaRow<32>(),
    aamvaRow<33>(kAlberta),
    aamvaRow<34>(kAlbertaVerbatim),
    aamvaRow<35>({.decoder = decodeNormalizedPrintable, .expectedCountry = "CAN", .expectedJurisdiction = "AB"}),
    aamvaRow<45>({.expectedCountry = "CAN"}),
    aamvaRow<36>({.expectedJurisdiction = "SL"}),
    aamvaRow<37>(),
    aamvaRow<38>(),
    aamvaRow<39>(),
    aamvaRow<41>(),
    aamvaRow<42>(),
    aamvaRow<43>(),
    aamvaRow<44>(),
    aamvaRow<46>(),
    aamvaRow<47>(kAlberta),
};

}  // namespace tavrix
