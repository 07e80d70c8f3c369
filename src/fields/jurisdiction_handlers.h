// Per-jurisdiction handlers: one constant row per two-letter jurisdiction
// code, each naming the handlers that replace (or precede) the generic
// rules of the name, address, postal-code and licence-number accessors.
// An empty slot, or a handler that fails, means the generic rule applies.
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Writes at most `room` characters and no NUL; returns how many it wrote
// (0 or less: no value).
using LicenseNumberHandler = int32_t (*)(const FieldRecord* record, char* buffer, int32_t room);
// 0 and a NUL-terminated value, or a negative code.
using NameHandler = int32_t (*)(const FieldRecord* record, char* buffer, int32_t capacity);
using AddressHandler = int32_t (*)(const FieldRecord* record, const int32_t* ids, int32_t count, char* buffer,
                                   int32_t capacity);
using PostalCodeHandler = int32_t (*)(Span postalCode, char* buffer, int32_t capacity);
// Takes the full-name field as its input.
using NameSplitter = int32_t (*)(const FieldRecord* record, Span fullName, char* buffer, int32_t capacity);

struct JurisdictionRow {
  const char* key = "";  // jurisdiction code; "" for the fallback row
  LicenseNumberHandler licenseNumber = nullptr;
  NameHandler firstName = nullptr;
  NameHandler lastName = nullptr;
  NameHandler middleName = nullptr;
  AddressHandler address = nullptr;
  NameHandler suffix = nullptr;
  NameHandler prefix = nullptr;
  PostalCodeHandler postalCode = nullptr;
  bool usesNameSplitters = false;  // split the full name with the splitters below
};

struct NameSplitters {
  NameSplitter firstName;
  NameSplitter lastName;
  NameSplitter middleName;
};

inline constexpr int32_t kJurisdictionRowCount = 69;

// The rows; row 0 has key "" and no handler.
const JurisdictionRow* jurisdictionHandlerRows();
// The splitters of rows whose flag is set.
const NameSplitters& jurisdictionNameSplitters();

// The row for the record: keyed by the code of its issuer number when
// that is known, else by its jurisdiction code, else "". Row 0 when no
// row has the key.
const JurisdictionRow& findJurisdictionHandlers(const FieldRecord* record);

}  // namespace tavrix
