// The item layouts of the Common Access Card barcodes. Positions count
// from the start of the body: the whole text for the base-32 cards, the
// text after the nine-character header for the others.
#pragma once

#include <array>
#include <cstddef>

#include "fields/field_ids.h"
#include "formats/other/cac/card_layout_parser.h"

namespace tavrix::card_layouts {

namespace detail {
template <size_t A, size_t B>
constexpr std::array<LayoutItem, A + B> join(const std::array<LayoutItem, A>& head,
                                             const std::array<LayoutItem, B>& tail) {
  std::array<LayoutItem, A + B> out{};
  for (size_t i = 0; i < A; ++i) out[i] = head[i];
  for (size_t i = 0; i < B; ++i) out[A + i] = tail[i];
  return out;
}
}  // namespace detail

using F = ItemForm;

// The cards whose numbers and dates are written in base 32. The version
// character ("1" or "N") is the first item.
inline constexpr std::array<LayoutItem, 17> kBase32Layout = {{
    {.fieldId = field::cacBarcodeVersion, .width = 1, .position = 0, .form = F::version},
    {.fieldId = field::cacPersonDesignatorId, .width = 6, .position = 1, .form = F::base32Number},
    {.fieldId = field::cacPersonDesignatorType, .width = 1, .position = 7},
    {.fieldId = field::cacEdiPersonId, .width = 7, .position = 8, .form = F::base32Number},
    {.fieldId = field::firstName, .width = 20, .position = 15},
    {.fieldId = field::lastName, .width = 26, .position = 35},
    {.fieldId = field::birthDateAlt, .width = 4, .position = 61, .form = F::base32Day},
    {.fieldId = field::cacPersonnelCategory, .width = 1, .position = 65},
    {.fieldId = field::cacBranch, .width = 1, .position = 66},
    {.fieldId = field::cacEntitlementCondition, .width = 2, .position = 67},
    {.fieldId = field::cacRank, .width = 6, .position = 69},
    {.fieldId = field::cacPayPlan, .width = 2, .position = 75},
    {.fieldId = field::cacPayGrade, .width = 2, .position = 77},
    {.fieldId = field::issueDate, .width = 4, .position = 79, .form = F::base32Day},
    {.fieldId = field::expirationDate, .width = 4, .position = 83, .form = F::base32Day},
    {.fieldId = field::cacCardInstanceId, .width = 1, .position = 87},
    {.fieldId = field::middleName, .width = 1, .position = 88},
}};
static_assert(layoutPositionsRunOn(kBase32Layout, 89), "the base-32 layout is 89 characters");

// The first 23 items of the two "IDUS" layouts; the first is the layout
// selector that tells them apart.
inline constexpr std::array<LayoutItem, 23> kIdusCommonItems = {{
    {.fieldId = field::cacLayoutBarcodeVersion, .width = 1, .position = 0, .form = F::version},
    {.fieldId = field::fullName, .width = 27, .position = 1},
    {.fieldId = field::cacLayoutPersonId, .width = 9, .position = 28},
    {.fieldId = field::cacData101, .width = 1, .position = 37},
    {.fieldId = field::cacData102, .width = 9, .position = 38},
    {.fieldId = field::cacData103, .width = 2, .position = 47},
    {.fieldId = field::height, .width = 2, .position = 49, .form = F::height},
    {.fieldId = field::weightPounds, .width = 3, .position = 51},
    {.fieldId = field::hairColor, .width = 2, .position = 54},
    {.fieldId = field::eyeColor, .width = 2, .position = 56},
    {.fieldId = field::birthDateAlt, .width = 9, .position = 58, .form = F::monthDate},
    {.fieldId = field::cacData104, .width = 1, .position = 67},
    {.fieldId = field::cacData105, .width = 1, .position = 68},
    {.fieldId = field::cacData106, .width = 1, .position = 69},
    {.fieldId = field::cacData107, .width = 1, .position = 70},
    {.fieldId = field::cacData108, .width = 1, .position = 71},
    {.fieldId = field::cacDate109, .width = 9, .position = 72, .form = F::monthDate},
    {.fieldId = field::cacDate110, .width = 9, .position = 81, .form = F::monthDate},
    {.fieldId = field::cacData111, .width = 6, .position = 90},
    {.fieldId = field::issueDate, .width = 9, .position = 96, .form = F::monthDate},
    {.fieldId = field::expirationDate, .width = 9, .position = 105, .form = F::monthDate},
    {.fieldId = field::cacData112, .width = 4, .position = 114},
    {.fieldId = field::cacData113, .width = 1, .position = 118},
}};

// Layout 1 (selector "0") writes its full name as a list: "DOE, JOHN".
inline constexpr std::array<LayoutItem, 30> kIdusLayout1 = [] {
  auto items = detail::join(kIdusCommonItems, std::array<LayoutItem, 7>{{
      {.fieldId = field::cacData114, .width = 6, .position = 119},
      {.fieldId = field::cacData115, .width = 5, .position = 125},
      {.fieldId = field::cacData116, .width = 6, .position = 130},
      {.fieldId = field::cacData117, .width = 4, .position = 136},
      {.fieldId = field::cacData118, .width = 27, .position = 140},
      {.fieldId = field::cacData119, .width = 9, .position = 167},
      {.fieldId = field::cacData120, .width = 6, .position = 176},
  }});
  items[1].form = F::nameList;
  return items;
}();
static_assert(layoutPositionsRunOn(kIdusLayout1, 182), "layout 1 is 182 characters");
static_assert(kIdusLayout1[1].fieldId == field::fullName, "layout 1's name list is its full name");

// Layout 2 (selector "1").
inline constexpr std::array<LayoutItem, 28> kIdusLayout2 =
    detail::join(kIdusCommonItems, std::array<LayoutItem, 5>{{
                                                   {.fieldId = field::cacData121, .width = 6, .position = 119},
                                                   {.fieldId = field::cacData122, .width = 5, .position = 125},
                                                   {.fieldId = field::cacRank, .width = 6, .position = 130},
                                                   {.fieldId = field::cacData123, .width = 3, .position = 136},
                                                   {.fieldId = field::cacData124, .width = 3, .position = 139},
                                               }});
static_assert(layoutPositionsRunOn(kIdusLayout2, 142), "layout 2 is 142 characters");

// Layout 3: the civilian identification card ("IDCV").
inline constexpr std::array<LayoutItem, 25> kIdcvLayout = {{
    {.fieldId = field::cacLayoutBarcodeVersion, .width = 1, .position = 0, .form = F::version},
    {.fieldId = field::fullName, .width = 27, .position = 1},
    {.fieldId = field::cacLayoutPersonId, .width = 9, .position = 28},
    {.fieldId = field::cacData129, .width = 1, .position = 37},
    {.fieldId = field::cacData102, .width = 9, .position = 38},
    {.fieldId = field::cacData113, .width = 1, .position = 47},
    {.fieldId = field::cacData130, .width = 1, .position = 48},
    {.fieldId = field::height, .width = 2, .position = 49, .form = F::height},
    {.fieldId = field::cacData133, .width = 3, .position = 51},
    {.fieldId = field::hairColor, .width = 2, .position = 54},
    {.fieldId = field::eyeColor, .width = 2, .position = 56},
    {.fieldId = field::birthDateAlt, .width = 9, .position = 58, .form = F::monthDate},
    {.fieldId = field::cacData128, .width = 23, .position = 67},
    {.fieldId = field::cacData111, .width = 6, .position = 90},
    {.fieldId = field::cacData134, .width = 9, .position = 96, .form = F::monthDate},
    {.fieldId = field::cacData136, .width = 9, .position = 105, .form = F::monthDate},
    {.fieldId = field::cacData112, .width = 4, .position = 114},
    {.fieldId = field::cacData135, .width = 1, .position = 118},
    {.fieldId = field::cacData121, .width = 6, .position = 119},
    {.fieldId = field::cacData122, .width = 5, .position = 125},
    {.fieldId = field::cacRank, .width = 6, .position = 130},
    {.fieldId = field::cacData132, .width = 7, .position = 136},
    {.fieldId = field::cacData123, .width = 3, .position = 143},
    {.fieldId = field::cacData124, .width = 3, .position = 146},
    {.fieldId = field::cacData127, .width = 35, .position = 149},
}};
static_assert(layoutPositionsRunOn(kIdcvLayout, 184), "layout 3 is 184 characters");

}  // namespace tavrix::card_layouts
