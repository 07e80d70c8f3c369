// Two-letter jurisdiction codes of the United States, its territories,
// Canada and Mexico, with the country each belongs to.
#pragma once

#include <cstdint>
#include <iterator>

#include "engine/span.h"

namespace tavrix {

struct RegionRow {
  const char* country;  // the name returned, e.g. "United States"
  const char* code;     // two upper-case letters
};

// Grouped by country. "DS" is the U.S. Department of State, "GM" Guam and
// "GU" the Mexican state of Guanajuato.
inline constexpr RegionRow RegionTable[] = {
    {.country = "United States", .code = "AL"},
    {.country = "United States", .code = "AK"},
    {.country = "United States", .code = "AZ"},
    {.country = "United States", .code = "AR"},
    {.country = "United States", .code = "CA"},
    {.country = "United States", .code = "CO"},
    {.country = "United States", .code = "CT"},
    {.country = "United States", .code = "DE"},
    {.country = "United States", .code = "DC"},
    {.country = "United States", .code = "FL"},
    {.country = "United States", .code = "GA"},
    {.country = "United States", .code = "HI"},
    {.country = "United States", .code = "ID"},
    {.country = "United States", .code = "IL"},
    {.country = "United States", .code = "IN"},
    {.country = "United States", .code = "IA"},
    {.country = "United States", .code = "KS"},
    {.country = "United States", .code = "KY"},
    {.country = "United States", .code = "LA"},
    {.country = "United States", .code = "ME"},
    {.country = "United States", .code = "MD"},
    {.country = "United States", .code = "MA"},
    {.country = "United States", .code = "MI"},
    {.country = "United States", .code = "MN"},
    {.country = "United States", .code = "MS"},
    {.country = "United States", .code = "MO"},
    {.country = "United States", .code = "MT"},
    {.country = "United States", .code = "NE"},
    {.country = "United States", .code = "NV"},
    {.country = "United States", .code = "NH"},
    {.country = "United States", .code = "NJ"},
    {.country = "United States", .code = "NM"},
    {.country = "United States", .code = "NY"},
    {.country = "United States", .code = "NC"},
    {.country = "United States", .code = "ND"},
    {.country = "United States", .code = "OH"},
    {.country = "United States", .code = "OK"},
    {.country = "United States", .code = "OR"},
    {.country = "United States", .code = "PA"},
    {.country = "United States", .code = "RI"},
    {.country = "United States", .code = "SC"},
    {.country = "United States", .code = "SD"},
    {.country = "United States", .code = "TN"},
    {.country = "United States", .code = "TX"},
    {.country = "United States", .code = "UT"},
    {.country = "United States", .code = "VT"},
    {.country = "United States", .code = "VA"},
    {.country = "United States", .code = "WA"},
    {.country = "United States", .code = "WV"},
    {.country = "United States", .code = "WI"},
    {.country = "United States", .code = "WY"},
    {.country = "United States", .code = "DS"},
    {.country = "American Samoa", .code = "AS"},
    {.country = "Federated States of Micronesia", .code = "FM"},
    {.country = "Guam", .code = "GM"},
    {.country = "Marshall Islands", .code = "MH"},
    {.country = "Northern Mariana Islands", .code = "MP"},
    {.country = "Palau", .code = "PW"},
    {.country = "Puerto Rico", .code = "PR"},
    {.country = "Virgin Islands of the U.S.", .code = "VI"},
    {.country = "Wake Island", .code = "WK"},
    {.country = "Canada", .code = "AB"},
    {.country = "Canada", .code = "BC"},
    {.country = "Canada", .code = "MB"},
    {.country = "Canada", .code = "NB"},
    {.country = "Canada", .code = "NF"},
    {.country = "Canada", .code = "NT"},
    {.country = "Canada", .code = "NS"},
    {.country = "Canada", .code = "NU"},
    {.country = "Canada", .code = "ON"},
    {.country = "Canada", .code = "PE"},
    {.country = "Canada", .code = "QC"},
    {.country = "Canada", .code = "SK"},
    {.country = "Canada", .code = "YT"},
    {.country = "Mexico", .code = "AG"},
    {.country = "Mexico", .code = "BA"},
    {.country = "Mexico", .code = "BJ"},
    {.country = "Mexico", .code = "CE"},
    {.country = "Mexico", .code = "CH"},
    {.country = "Mexico", .code = "CI"},
    {.country = "Mexico", .code = "CL"},
    {.country = "Mexico", .code = "CU"},
    {.country = "Mexico", .code = "DF"},
    {.country = "Mexico", .code = "DO"},
    {.country = "Mexico", .code = "EM"},
    {.country = "Mexico", .code = "GR"},
    {.country = "Mexico", .code = "GU"},
    {.country = "Mexico", .code = "HL"},
    {.country = "Mexico", .code = "JL"},
    {.country = "Mexico", .code = "MC"},
    {.country = "Mexico", .code = "MR"},
    {.country = "Mexico", .code = "NA"},
    {.country = "Mexico", .code = "NL"},
    {.country = "Mexico", .code = "OA"},
    {.country = "Mexico", .code = "PB"},
    {.country = "Mexico", .code = "QR"},
    {.country = "Mexico", .code = "QU"},
    {.country = "Mexico", .code = "SI"},
    {.country = "Mexico", .code = "SL"},
    {.country = "Mexico", .code = "SO"},
    {.country = "Mexico", .code = "TA"},
    {.country = "Mexico", .code = "TB"},
    {.country = "Mexico", .code = "TL"},
    {.country = "Mexico", .code = "VC"},
    {.country = "Mexico", .code = "YU"},
    {.country = "Mexico", .code = "ZA"},
};
static_assert(std::size(RegionTable) == 106, "region table row count");

inline constexpr int32_t kRegionRowCount = static_cast<int32_t>(std::size(RegionTable));

// Country of a jurisdiction code: the span must be exactly two characters
// and equal a row's code (case-sensitive). Null when no row matches.
const char* countryOfRegion(Span code);

}  // namespace tavrix
