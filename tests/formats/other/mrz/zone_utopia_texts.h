// The specimen zones of ICAO Doc 9303 (the fictitious state "UTO" and its
// holder Anna Maria Eriksson), one per document layout, lines joined by LF.
#pragma once

#include <string>

namespace tavrix::test {

inline const std::string kTd3Specimen =
    "P<UTOERIKSSON<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<\n"
    "L898902C36UTO7408122F1204159ZE184226B<<<<<10";
inline const std::string kTd1Specimen =
    "I<UTOD231458907<<<<<<<<<<<<<<<\n"
    "7408122F1204159UTO<<<<<<<<<<<6\n"
    "ERIKSSON<<ANNA<MARIA<<<<<<<<<<";
// The same card with two letters in positions 56-57 of its optional data.
inline const std::string kTd1WithCodeSpecimen =
    "I<UTOD231458907<<<<<<<<<<<<<<<\n"
    "7408122F1204159UTO<<<<<<<<NY<6\n"
    "ERIKSSON<<ANNA<MARIA<<<<<<<<<<";
inline const std::string kTd2Specimen =
    "I<UTOERIKSSON<<ANNA<MARIA<<<<<<<<<<<\n"
    "D231458907UTO7408122F1204159<<<<<<<6";
inline const std::string kVisaASpecimen =
    "V<UTOERIKSSON<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<\n"
    "L8988901C4XXX4009078F96121096ZE184226B<<<<<<";
inline const std::string kVisaBSpecimen =
    "V<UTOERIKSSON<<ANNA<MARIA<<<<<<<<<<<\n"
    "L8988901C4XXX4009078F9612109<<<<<<<<";

}  // namespace tavrix::test
