#include "formats/format_registry.h"

#include "engine/issuer_consistency.h"
#include "formats/aamva/aamva_rows.h"
#include "formats/other/cac/cac_rows.h"
#include "formats/family_rows.h"
#include "formats/other/mrz/mrz_rows.h"
#include "formats/other/national/national_rows.h"
#include "formats/other/hc/hc_rows.h"
#include "formats/stripe/stripe_rows.h"

namespace tavrix {
namespace {

// Rows are tried in this order and an equal score never replaces an earlier
// row, so the order decides between look-alike formats. The stripe rows
// (format ids 0 to 16) stand before the AAMVA rows, the other
// document classes after them.
constexpr auto kRegistry = joinRows(kStripeRows, kAamvaRows, kHealthCardRows, kCacRows, kNationalRows, kZoneRows);

static_assert(familyComplete(kStripeRows, kMagneticStripe, 0, 16), "the stripe block holds formats 0 to 16");
static_assert(familyComplete(kAamvaRows, kAamvaBarcode, 17, 47), "the AAMVA block holds formats 17 to 47");
static_assert(familyComplete(kHealthCardRows, kHealthCard, 48, 50), "the HC block holds formats 48 to 50");
static_assert(familyComplete(kCacRows, kCommonAccessCard, 51, 55), "the card block holds formats 51 to 55");
static_assert(familyComplete(kNationalRows, kNationalBarcode, 56, 63), "the national block holds formats 56 to 63");
static_assert(familyComplete(kZoneRows, kMachineReadableZone, 64, 67), "the zone block holds formats 64 to 67");
static_assert(kRegistry.size() == kFormatCount, "the registry holds all 68 formats");
static_assert(formatIdsUnique(kRegistry), "every format id once");

}  // namespace

FormatTable formatRegistry() {
  return FormatTable{kRegistry.data(), static_cast<int32_t>(kRegistry.size()), issuerConsistencyAdjustment};
}

}  // namespace tavrix
