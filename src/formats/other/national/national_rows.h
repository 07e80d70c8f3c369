// The national-barcode block of the format registry, in the order the rows
// are tried. Each row but the two of issuer 636062 expects its country, so
// a text that another issuer's layout happens to fit sinks in the scoring.
#pragma once

#include <array>

#include "engine/registry.h"
#include "formats/other/national/national_formats.h"

namespace tavrix {

constexpr FormatRow nationalRow(uint32_t formatId, FormatParser parser, RowOptions options) {
  return formatRow(kNationalBarcode, formatId, parser, options);
}

inline constexpr std::array<FormatRow, 8> kNationalRows = {
    nationalRow(56, parseGuatemalaLicence, {.decoder = decodeVerbatim, .expectedCountry = "GTM"}),
    nationalRow(57, parsePuertoRicoLicence, {.decoder = decodeVerbatim, .expectedCountry = "PRI"}),
    nationalRow(58, parsePanamaLicence, {.decoder = decodeVerbatim, .expectedCountry = "PAN"}),
    nationalRow(59, parseSouthAfricaIdentity, {.decoder = decodeVerbatim, .expectedCountry = "ZAF"}),
    nationalRow(60, parseMexicoLabelled, {.decoder = decodeVerbatim, .expectedCountry = "MEX"}),
    nationalRow(61, parseMexicoFields, {.decoder = decodeFoldLatin1, .expectedCountry = "MEX"}),
    nationalRow(62, parseIssuer636062Dct, {.decoder = decodeVerbatim}),
    nationalRow(63, parseIssuer636062Dtt, {.decoder = decodeVerbatim}),
};

}  // namespace tavrix
