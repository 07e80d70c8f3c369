// Name handlers of the jurisdictions that write names their own way. Each
// takes (record, buffer, capacity) and returns 0 with a NUL-terminated
// value, or VTX_ERR_NOT_AVAILABLE so that the generic name rules apply.
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Alabama: the full name as FIRST,MIDDLE,PREFIX,LAST[,SUFFIX].
int32_t alabamaFirstName(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t alabamaMiddleName(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t alabamaLastName(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t alabamaNamePrefix(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t alabamaNameSuffix(const FieldRecord* record, char* buffer, int32_t capacity);

// Canadian provinces and territories: given names in their own field, or
// the whole name written in the last-name field.
int32_t canadianFirstName(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t canadianLastName(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t canadianMiddleName(const FieldRecord* record, char* buffer, int32_t capacity);

// Colorado barcodes: FIRST MIDDLE LAST in the full name. Records of other
// document classes are left to the generic rules.
int32_t coloradoFirstName(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t coloradoLastName(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t coloradoMiddleName(const FieldRecord* record, char* buffer, int32_t capacity);

// California: the full name split as LAST,FIRST,MIDDLE or FIRST MIDDLE
// LAST. Each takes the full-name field as input.
int32_t californiaSplitFirstName(const FieldRecord* record, Span fullName, char* buffer, int32_t capacity);
int32_t californiaSplitLastName(const FieldRecord* record, Span fullName, char* buffer, int32_t capacity);
int32_t californiaSplitMiddleName(const FieldRecord* record, Span fullName, char* buffer, int32_t capacity);

}  // namespace tavrix
