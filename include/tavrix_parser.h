/*
 * tavrix_parser: reads the machine-readable text of identity documents
 * (AAMVA driving-licence barcodes, magnetic stripes, health-card texts,
 * Common Access Card barcodes, national barcodes, machine-readable zones).
 *
 * Usage: create a handle, hand it the raw text of one document with
 * VTX_parse, read each value with a getter, delete the handle.
 *
 * Text getters take (handle, buffer, capacity in bytes) and, on VTX_OK,
 * leave a NUL-terminated value (possibly empty) in the buffer, never
 * writing more than capacity bytes. Unless a getter says otherwise a value
 * longer than capacity - 1 is cut to capacity - 1 characters. Any other
 * result means the buffer holds no value. Getters never change what the
 * last VTX_parse read and may be called in any order, any number of times.
 *
 * Common results of every getter: VTX_ERR_ARGUMENT for a null handle, a
 * null buffer, a capacity below 1, or a handle that has not parsed
 * anything yet; VTX_ERR_NOT_AVAILABLE when the document does not carry
 * the value.
 *
 * This header is valid C99 and C++.
 */
#ifndef TAVRIX_PARSER_H
#define TAVRIX_PARSER_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(TAVRIX_BUILDING)
#    define VTX_API __declspec(dllexport)
#  else
#    define VTX_API __declspec(dllimport)
#  endif
#elif defined(__GNUC__)
#  define VTX_API __attribute__((visibility("default")))
#else
#  define VTX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes returned by the exported functions. */
#define VTX_OK                    0   /* success */
#define VTX_ERR_NO_DATA         (-11) /* VTX_parse: the data pointer is null */
#define VTX_ERR_BUFFER_TOO_SMALL (-18) /* the buffer cannot take the value in its required form */
#define VTX_ERR_ARGUMENT        (-21) /* null handle or pointer, capacity/length below 1, value out of range, handle never parsed */
#define VTX_ERR_NO_STORAGE      (-24) /* VTX_parse: the buffers could not be allocated */
#define VTX_ERR_UNRECOGNISED    (-25) /* VTX_parse: no known format fits the text */
#define VTX_ERR_NOT_AVAILABLE   (-26) /* the document does not carry the value */
#define VTX_ERR_JAVA            (-27) /* Java binding: class/field lookup failed or an exception is pending */

/* Validation statuses written by the VTX_validate* functions on VTX_OK. */
#define VTX_STATUS_UNKNOWN 1 /* cannot be judged */
#define VTX_STATUS_VALID   2
#define VTX_STATUS_INVALID 3

/* ---- Life cycle ------------------------------------------------------ */

/* Returns a new parser handle, or NULL when memory runs out. */
VTX_API void* VTX_create(void);

/* Frees the handle and its buffers. A NULL handle is ignored. */
VTX_API void VTX_delete(void* handle);

/* Reads one document of `length` bytes (any byte values, no terminator
 * needed). VTX_OK when a format was recognised; VTX_ERR_ARGUMENT for a
 * null handle or length below 1 (handle untouched); VTX_ERR_NO_DATA for a
 * null data pointer; VTX_ERR_UNRECOGNISED when no format fits;
 * VTX_ERR_NO_STORAGE when the buffers cannot be allocated (handle
 * untouched; should a document need a larger field store than can be
 * allocated once parsing has begun, the handle then holds no document).
 * The answers depend on the text (and the date) alone, never on what the
 * handle parsed before: the buffers grow for longer inputs and are reused
 * for shorter ones, but every parse works with room sized from its own
 * input. */
VTX_API int32_t VTX_parse(void* handle, const void* data, int32_t length);

/* Library version: 1, 27, 0. */
VTX_API int32_t VTX_getMajorVersion(void);
VTX_API int32_t VTX_getMinorVersion(void);
VTX_API int32_t VTX_getBuildVersion(void);

/* ---- Names ----------------------------------------------------------- */

/* First (given) name, e.g. "JOHN". The buffer is set to "" before the
 * value is looked for, so it also holds "" after VTX_ERR_NOT_AVAILABLE. */
VTX_API int32_t VTX_getFirstName(void* handle, char* buffer, int32_t capacity);

/* Last (family) name; buffer set to "" first, as for the first name. */
VTX_API int32_t VTX_getLastName(void* handle, char* buffer, int32_t capacity);

/* Middle name(s), words separated by single spaces; buffer set to "" first. */
VTX_API int32_t VTX_getMiddleName(void* handle, char* buffer, int32_t capacity);

/* Name suffix such as "JR" or "III"; VTX_ERR_NOT_AVAILABLE when the
 * document says "NONE". */
VTX_API int32_t VTX_getNameSuffix(void* handle, char* buffer, int32_t capacity);

/* Name prefix (title) as the document stores it. */
VTX_API int32_t VTX_getNamePrefix(void* handle, char* buffer, int32_t capacity);

/* Full name with single spaces between its words: the stored full name,
 * or first, middle, last name and suffix joined. At most capacity - 2
 * characters (not capacity - 1) when the stored full name is used. */
VTX_API int32_t VTX_getFullName(void* handle, char* buffer, int32_t capacity);

/* ---- Issuer and document --------------------------------------------- */

/* Document type code, e.g. "DL", "ID", "HC"; "UNKNOWN" when it cannot be
 * told. Always VTX_OK for valid arguments: a value that does not fit is
 * cut, down to "" for capacity 1. */
VTX_API int32_t VTX_getDocumentType(void* handle, char* buffer, int32_t capacity);

/* Issuing country as an ISO 3166-1 alpha-3 code, e.g. "USA" (the stored
 * code is returned as it is, in its own letter case). */
VTX_API int32_t VTX_getCountryCode(void* handle, char* buffer, int32_t capacity);

/* Issuing country name: as stored, or e.g. "UNITED STATES" from a code,
 * or "United States" / "Canada" / "Mexico" from the jurisdiction. */
VTX_API int32_t VTX_getCountry(void* handle, char* buffer, int32_t capacity);

/* Issuing jurisdiction, normally two letters (e.g. "TX", "ON"). */
VTX_API int32_t VTX_getJurisdictionCode(void* handle, char* buffer, int32_t capacity);

/* Issuer identification number, six digits (e.g. "636015"). */
VTX_API int32_t VTX_getIIN(void* handle, char* buffer, int32_t capacity);

/* Licence or document number, spaces removed for most jurisdictions and
 * digit-encoded letters restored. At most capacity - 2 characters when
 * the number is copied as stored. */
VTX_API int32_t VTX_getLicenseNumber(void* handle, char* buffer, int32_t capacity);

/* Issuing authority: the two-letter code of the issuer number; needs a
 * known issuer number (a jurisdiction code alone is not enough). */
VTX_API int32_t VTX_getIssuedBy(void* handle, char* buffer, int32_t capacity);

/* AAMVA card design version number, two digits (e.g. "04"). */
VTX_API int32_t VTX_getAamvaVersion(void* handle, char* buffer, int32_t capacity);

/* ---- Address --------------------------------------------------------- */

/* First street line (mailing, else residence address), trimmed, control
 * characters made spaces and repeated blanks collapsed. For Canadian
 * issuers the city, province and postal code the card repeats at its end
 * are removed. The street lines and the city give VTX_ERR_NOT_AVAILABLE
 * when nothing is left, which is also the answer for capacity 1. */
VTX_API int32_t VTX_getAddress1(void* handle, char* buffer, int32_t capacity);

/* Second street line, cleaned like the first. */
VTX_API int32_t VTX_getAddress2(void* handle, char* buffer, int32_t capacity);

/* City, trimmed, control characters made spaces and repeated blanks
 * collapsed. */
VTX_API int32_t VTX_getCity(void* handle, char* buffer, int32_t capacity);

/* Postal code; when the document has none, the code that follows the city
 * and jurisdiction in a one-line street address. U.S. codes come back as
 * 12345-6789 (missing digits 0) and need capacity 11, else
 * VTX_ERR_BUFFER_TOO_SMALL; a U.S. code without any digit is
 * VTX_ERR_NOT_AVAILABLE. Other codes come back as stored, runs of spaces
 * and commas collapsed; one taken from the street line has at most
 * capacity - 2 characters. */
VTX_API int32_t VTX_getPostalCode(void* handle, char* buffer, int32_t capacity);

/* ---- Dates ----------------------------------------------------------- */

/* Dates come back as MM/DD/YYYY (10 characters and a NUL) whether the
 * document stores them year first or month first. VTX_ERR_NOT_AVAILABLE
 * when the date is missing or not a date, and also for a capacity below
 * 11 (the buffer is then left untouched). */

/* Document expiry date. */
VTX_API int32_t VTX_getExpirationDate(void* handle, char* buffer, int32_t capacity);

/* Expiry date of the hazardous-materials endorsement. */
VTX_API int32_t VTX_getHAZMATExpDate(void* handle, char* buffer, int32_t capacity);

/* Date of birth. */
VTX_API int32_t VTX_getBirthdate(void* handle, char* buffer, int32_t capacity);

/* Revision date of the card design. */
VTX_API int32_t VTX_getCardRevisionDate(void* handle, char* buffer, int32_t capacity);

/* Issue date. */
VTX_API int32_t VTX_getIssueDate(void* handle, char* buffer, int32_t capacity);

/* ---- Physical description -------------------------------------------- */

/* Sex: "Male" or "Female". VTX_ERR_BUFFER_TOO_SMALL when the word and its
 * NUL do not fit (capacity 5 for "Male", 7 for "Female"). */
VTX_API int32_t VTX_getGender(void* handle, char* buffer, int32_t capacity);

/* Eye colour: a known code as its word ("BRO" gives "Brown"); any other
 * text, including codes in lower case, as stored. */
VTX_API int32_t VTX_getEyeColor(void* handle, char* buffer, int32_t capacity);

/* Race or ethnicity as stored, control characters made spaces. */
VTX_API int32_t VTX_getRace(void* handle, char* buffer, int32_t capacity);

/* Hair colour: a known code as its word ("BLN" gives "Blond"); any other
 * text as stored. */
VTX_API int32_t VTX_getHairColor(void* handle, char* buffer, int32_t capacity);

/* Height: as stored, or feet and inches as 5'09" (from "509"), or
 * centimetres as "175cm". VTX_ERR_BUFFER_TOO_SMALL when the last two forms
 * do not fit. */
VTX_API int32_t VTX_getHeight(void* handle, char* buffer, int32_t capacity);

/* Weight in kilograms: converted from pounds ("68" from "150"), as stored,
 * or a range such as "87-100". VTX_ERR_ARGUMENT below capacity 4. A
 * converted number that does not fit gives "" with VTX_OK. */
VTX_API int32_t VTX_getWeightKG(void* handle, char* buffer, int32_t capacity);

/* Weight in pounds: as stored, converted from whole kilograms ("150" from
 * "68"), or a range such as "191-220". VTX_ERR_ARGUMENT below capacity 4;
 * a converted number that does not fit gives "" with VTX_OK. */
VTX_API int32_t VTX_getWeightLBS(void* handle, char* buffer, int32_t capacity);

/* ---- Driving privileges and flags ------------------------------------ */

/* Codes and descriptions come back trimmed of control characters and
 * blanks at both ends, inner ones made spaces; VTX_ERR_NOT_AVAILABLE when
 * nothing is left, which is also the answer for capacity 1. */

/* Vehicle class code, e.g. "D" (standard code first); the same value as
 * VTX_getVehicleClassCode. */
VTX_API int32_t VTX_getClassificationCode(void* handle, char* buffer, int32_t capacity);

/* Restriction codes, runs of blanks collapsed to one. */
VTX_API int32_t VTX_getRestrictionCode(void* handle, char* buffer, int32_t capacity);

/* Restriction description in words. */
VTX_API int32_t VTX_getRestrictionCodeDescription(void* handle, char* buffer, int32_t capacity);

/* Endorsement codes as stored (standard code first). */
VTX_API int32_t VTX_getEndorsementsCode(void* handle, char* buffer, int32_t capacity);

/* Endorsement description in words. */
VTX_API int32_t VTX_getEndorsementCodeDescription(void* handle, char* buffer, int32_t capacity);

/* Compliance type: one character such as "F" or "N";
 * VTX_ERR_NOT_AVAILABLE for anything longer or invisible. */
VTX_API int32_t VTX_getComplianceType(void* handle, char* buffer, int32_t capacity);

/* Yes/no indicators: *value is 1 when the document says exactly "1", 0
 * for any other text. VTX_ERR_ARGUMENT for a null handle or value, or a
 * handle that never parsed; VTX_ERR_NOT_AVAILABLE (value untouched) when
 * the document does not carry the indicator. */
VTX_API int32_t VTX_getLimitedDurationDocument(void* handle, int32_t* value);
VTX_API int32_t VTX_getOrganDonor(void* handle, int32_t* value);
VTX_API int32_t VTX_getVeteran(void* handle, int32_t* value);

/* Vehicle class code; the same value as VTX_getClassificationCode. */
VTX_API int32_t VTX_getVehicleClassCode(void* handle, char* buffer, int32_t capacity);

/* Vehicle class description in words. */
VTX_API int32_t VTX_getVehicleClassCodeDescription(void* handle, char* buffer, int32_t capacity);

/* ---- Validation ------------------------------------------------------ */

/* Validators judge the form of what the last VTX_parse read; they never
 * change it. On VTX_OK *status is VTX_STATUS_UNKNOWN (a value the verdict
 * needs is missing, or the jurisdiction is not one the validator knows),
 * VTX_STATUS_VALID or VTX_STATUS_INVALID. VTX_ERR_ARGUMENT for a null
 * handle, a null status pointer, a handle that has not parsed anything
 * yet, or an argument out of its range; *status is then not written. */

/* Whether the licence or document number has a form the issuing
 * jurisdiction uses for the document type ("DL" or "ID"); some forms also
 * carry the holder's last-name code, birth year, birth month or sex, and
 * these must agree with the document. Another document type gives
 * VTX_STATUS_UNKNOWN. Uses the handle's decoding buffer as scratch space,
 * which the values already read do not depend on. */
VTX_API int32_t VTX_validateDocumentId(void* handle, int32_t* status);

/* Whether the PDF417 symbol's geometry is one the jurisdiction prints:
 * columns 3..33, rows 3..90, error-correction level 0..8 (anything else
 * is VTX_ERR_ARGUMENT). */
VTX_API int32_t VTX_validateBarcode(void* handle, int32_t columns, int32_t rows, int32_t errorCorrectionLevel,
                                    int32_t* status);

/* Whether the jurisdiction code agrees with the issuer identification
 * number: VTX_STATUS_UNKNOWN without a two-letter code or without an
 * issuer number, VTX_STATUS_INVALID for a number the library does not
 * know or one that names another jurisdiction. */
VTX_API int32_t VTX_validateJurisdictionCode(void* handle, int32_t* status);

#ifdef __cplusplus
}
#endif

#endif /* TAVRIX_PARSER_H */
