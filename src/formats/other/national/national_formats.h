// The national identity barcodes (format ids 56 to 63): texts that follow
// no AAMVA layout, one parser per issuer or layout.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"

namespace tavrix {

// Each returns 0 when it read the text (a text that stops early keeps what
// was read before), or -25 where its layout is plainly not there.
int32_t parseGuatemalaLicence(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parsePuertoRicoLicence(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parsePanamaLicence(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parseSouthAfricaIdentity(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parseMexicoLabelled(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parseMexicoFields(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
// Issuer 636062: the first name under element DCT (62) or DTT (63).
int32_t parseIssuer636062Dct(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);
int32_t parseIssuer636062Dtt(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context);

}  // namespace tavrix
