// One text per national-barcode layout, the same as examples/national-*.txt
// (the golden outputs show every answer for them).
#pragma once

#include <string>

namespace tavrix::test {

inline const std::string kGuatemalaSample =
    "1234567890101|M|JUAN CARLOS|JOSE|PEREZ|GOMEZ|15/03/1985|20/06/2030|1234567890101|";
inline const std::string kPuertoRicoSample =
    "1234567-15ENE2030-JUAN-CARLOS-DEL-VALLE-CIT-123-456-M-";
inline const std::string kPanamaSample =
    "8-123-456|X|JUAN_CARLOS_ALBERTO|PEREZ_GOMEZ|CIP|A|B|C|1/2/1990|01/02/2030|5/6/2020|C";
inline const std::string kSouthAfricaSample =
    "SMITH|JOHN PETER|M|X|8001015009087|01 JAN 1980|ZAF|X|15 MAR 2020|1234567890ABC";
inline const std::string kMexicoLabelledSample =
    "PEREZ GOMEZ JUAN CARLOS Fec Nac. 25/12/1980 Sexo H Ofna GUADALAJARA Id Doc 123456789";
inline const std::string kMexicoFieldsSample =
    "BOF!!PEREZ!!GOMEZ!!JUAN CARLOS!!15/03/1985!!CURP123!!1.75!!70!!X!!CAFE!!NEGRO#CASTANO!!A!!B!!Y!!GUADALAJARA!!A123#45!!EOF";
inline const std::string kIssuer636062DctSample =
    "117ANSI 636062DCAD DCBNONE DCDNONE DBA03142029 DCSSAMPLE DCTALEX DCUJR DBD03142021 DBB03141986 DBC1 DATBRO DAU070 IN DCE3 DAG1 MAIN ST DAICHARLOTTE AMALIE DAJVI DAK00802 DAQ1234567 DCF1234 DCGUSA DCHNONE";
inline const std::string kIssuer636062DttSample =
    "117ANSI 636062DCAD DCBNONE DCDNONE DBA03142029 DCSSAMPLE DTTALEX DCUJR DBD03142021 DBB03141986 DBC1 DATBRO DAU070 IN DCE3 DAG1 MAIN ST DAICHARLOTTE AMALIE DAJVI DAK00802 DAQ1234567 DCF1234 DCGUSA DCHNONE";

}  // namespace tavrix::test
