// The magnetic-stripe block of the format registry (format ids 0 to 16),
// in the order the rows are tried: look-alike layouts stand so that the
// stricter one comes first and wins a tie.
#pragma once

#include <array>

#include "engine/registry.h"
#include "formats/stripe/stripe_formats.h"

namespace tavrix {

template <int32_t FormatId>
constexpr FormatRow stripeRow(RowOptions options = {}) {
  return formatRow(kMagneticStripe, FormatId, parseStripeFormat<FormatId>, options);
}

inline constexpr std::array<FormatRow, 17> kStripeRows = {
    stripeRow<0>(),
    stripeRow<1>(),
    stripeRow<2>(),
    stripeRow<4>(),
    stripeRow<5>(),
    stripeRow<6>(),
    stripeRow<9>(),
    editingFormatRow(kMagneticStripe, kStripeLineFeedFreeFormat, parseStripeWithoutLineFeeds, {}),
    stripeRow<3>(),
    stripeRow<7>(),
    stripeRow<8>({.expectedCountry = "CAN"}),
    stripeRow<10>(),
    stripeRow<12>(),
    stripeRow<13>(),
    stripeRow<14>(),
    formatRow(kMagneticStripe, 15, parseAustralianStripe, {.expectedCountry = "AUS"}),
    formatRow(kMagneticStripe, 16, parseSingleLineStripe, {}),
};

}  // namespace tavrix
