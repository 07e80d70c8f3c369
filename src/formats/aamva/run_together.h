// Elements run together. A scanner or a capture that drops every control
// character delivers a subfile without a single separator:
// "DAADOE,JOHNDAG5929 N ROCK STDAIDELRAY SHORE...". Read as one token, the
// whole subfile would be the value of its first element. This finds the
// element boundaries again where the text makes them plausible.
#pragma once

#include <cstdint>

#include "engine/span.h"
#include "engine/text_numbers.h"

namespace tavrix {

// Splits a token that holds a whole subfile before the element ids inside
// it. A boundary is placed before three characters that are
//  - the id of an element of any edition's map, not yet used in this token
//    (an element occurs once in a subfile); an id that the variant's map
//    lacks gives way to one of the map that overlaps it ("3RDDAG60" holds
//    DDA and DAG: DAG starts the street), and
//  - preceded by a value that is not empty and has the form its element
//    requires: dates (DBA, DBB, DBD, ...) exactly 8 digits, the sex (DBC)
//    one letter or digit, heights (DAU, DAV) up to 3 digits and an optional
//    IN or CM, postal codes (DAK, DAP) only letters, digits, blanks and
//    dashes; blanks may pad a value at its end, as in fixed-width fields;
//  - followed by the beginning of a value of its own form: a letter, digit
//    or blank for any element (or nothing at the very end), 8 digits for a
//    date, a blank or digit for a height, a digit or a letter and a digit
//    for a postal code.
// So "DCSDAGOSTINO" keeps its name (an empty DCS value is no element),
// "DAAENGLAND,ADAM,N," its full name (",N," begins no value) and
// "DAG1 DAKOTA AVE" its street ("OTA AVE" begins no postal code). The last
// element ends where a jurisdiction subfile begins: "Z", a letter, and the
// same two characters again ("...DAU600ZFZFAREPLACED").
//
// Writes the elements (each its id and value) to `elements` and returns
// their count; 0 when no boundary is plausible (the token stays whole) or
// the token is shorter than an id.
int32_t aamvaSplitRunTogether(Span token, const CodePair* map, int32_t mapLength, Span* elements,
                              int32_t capacity);

// Room for every element a subfile can hold: each id of all editions once.
inline constexpr int32_t kRunTogetherMaxElements = 128;

}  // namespace tavrix
