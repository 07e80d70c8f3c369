#include "engine/registry.h"

#include <iterator>

#include "engine/issuer_consistency.h"
#include "formats/aamva/aamva_formats.h"

namespace tavrix {
namespace {

// Rows are tried in this order and an equal score never replaces an earlier
// row, so the order decides between look-alike layouts. The stripe rows
// (format ids 0 to 16) will stand before the AAMVA rows, the other
// document classes after them.
//
// AAMVA barcodes: the 2010 layout with its version inside the issuer number
// comes first; the Canadian line-feed layout (45) stands between the
// Alberta rows and the "SL" row.
constexpr FormatRow kRegistry[] = {
    {.documentClass = 0, .formatId = 40, .decoder = decodeNormalized, .parser = parseAamvaFormat<40>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 17, .decoder = decodeNormalized, .parser = parseAamvaFormat<17>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 18, .decoder = decodeNormalized, .parser = parseAamvaFormat<18>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 19, .decoder = decodeNormalized, .parser = parseAamvaFormat<19>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 20, .decoder = decodeNormalized, .parser = parseAamvaFormat<20>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 21, .decoder = decodeNormalized, .parser = parseAamvaFormat<21>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 22, .decoder = decodeNormalized, .parser = parseAamvaFormat<22>, .expectedCountry = nullptr, .expectedJurisdiction = "NC"},
    {.documentClass = 0, .formatId = 23, .decoder = decodeNormalized, .parser = parseAamvaFormat<23>, .expectedCountry = nullptr, .expectedJurisdiction = "NC"},
    {.documentClass = 0, .formatId = 24, .decoder = decodeNormalized, .parser = parseAamvaFormat<24>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 25, .decoder = decodeNormalized, .parser = parseAamvaFormat<25>, .expectedCountry = nullptr, .expectedJurisdiction = "AR"},
    {.documentClass = 0, .formatId = 26, .decoder = decodeNormalized, .parser = parseAamvaFormat<26>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 27, .decoder = decodeNormalized, .parser = parseAamvaFormat<27>, .expectedCountry = "CAN", .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 28, .decoder = decodeVerbatim, .parser = parseAamvaFormat<28>, .expectedCountry = "CAN", .expectedJurisdiction = "AB"},
    {.documentClass = 0, .formatId = 29, .decoder = decodeNormalized, .parser = parseAamvaFormat<29>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 30, .decoder = decodeNormalized, .parser = parseAamvaFormat<30>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 31, .decoder = decodeNormalized, .parser = parseAamvaFormat<31>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 32, .decoder = decodeNormalized, .parser = parseAamvaFormat<32>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 33, .decoder = decodeNormalized, .parser = parseAamvaFormat<33>, .expectedCountry = "CAN", .expectedJurisdiction = "AB"},
    {.documentClass = 0, .formatId = 34, .decoder = decodeVerbatim, .parser = parseAamvaFormat<34>, .expectedCountry = "CAN", .expectedJurisdiction = "AB"},
    {.documentClass = 0, .formatId = 35, .decoder = decodeNormalizedPrintable, .parser = parseAamvaFormat<35>, .expectedCountry = "CAN", .expectedJurisdiction = "AB"},
    {.documentClass = 0, .formatId = 45, .decoder = decodeNormalized, .parser = parseAamvaFormat<45>, .expectedCountry = "CAN", .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 36, .decoder = decodeNormalized, .parser = parseAamvaFormat<36>, .expectedCountry = nullptr, .expectedJurisdiction = "SL"},
    {.documentClass = 0, .formatId = 37, .decoder = decodeNormalized, .parser = parseAamvaFormat<37>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 38, .decoder = decodeNormalized, .parser = parseAamvaFormat<38>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 39, .decoder = decodeNormalized, .parser = parseAamvaFormat<39>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 41, .decoder = decodeNormalized, .parser = parseAamvaFormat<41>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 42, .decoder = decodeNormalized, .parser = parseAamvaFormat<42>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 43, .decoder = decodeNormalized, .parser = parseAamvaFormat<43>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 44, .decoder = decodeNormalized, .parser = parseAamvaFormat<44>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 46, .decoder = decodeNormalized, .parser = parseAamvaFormat<46>, .expectedCountry = nullptr, .expectedJurisdiction = nullptr},
    {.documentClass = 0, .formatId = 47, .decoder = decodeNormalized, .parser = parseAamvaFormat<47>, .expectedCountry = "CAN", .expectedJurisdiction = "AB"},
};
static_assert(std::size(kRegistry) == 31, "the AAMVA rows of the registry");

}  // namespace

FormatTable formatRegistry() {
  return FormatTable{kRegistry, static_cast<int32_t>(std::size(kRegistry)), issuerConsistencyAdjustment};
}

}  // namespace tavrix
