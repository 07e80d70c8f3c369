// Dates: reading the eight-digit raw dates documents store (year first,
// as AAMVA 2000 and Canadian issuers write them, or month first, as U.S.
// issuers write them from 2003 on) and giving them back as MM/DD/YYYY.
//
// Every date accessor returns 0 with the ten characters of MM/DD/YYYY and
// a NUL, VTX_ERR_ARGUMENT (no record or arena, null buffer, capacity below
// 1) or VTX_ERR_NOT_AVAILABLE: no field, a text that is not a date, or a
// capacity below 11 (the buffer is then left untouched).
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Length of the output form MM/DD/YYYY, without the NUL.
inline constexpr int32_t kDateTextLength = 10;

// Reads the first 8 characters of `raw`: year first (YYYYMMDD, year
// 0-9999) when that gives a month 1-12 and a day 1-31, else month first
// (MMDDYYYY, year 1800-9999). The day is not checked against the month.
// 0 and `out` set (time of day 0), or -1 (out untouched) for a span
// shorter than 8, a null out, or text that fits neither reading.
int32_t parseRawDate(Span raw, DateTime* out);

// Writes the 10 characters of MM/DD/YYYY (no NUL) and returns 10.
int32_t formatDate(const DateTime& date, char* out);

// The holder's birth date: the first of the birth-date fields that holds
// text, read by parseRawDate. 0 and `out` set; VTX_ERR_ARGUMENT for a
// record without arena or a null out; VTX_ERR_NOT_AVAILABLE when no field
// holds text or its text is not a date.
int32_t birthDateOf(const FieldRecord* record, DateTime* out);

int32_t expirationDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t hazmatExpirationDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t birthDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t cardRevisionDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t issueDateAccessor(const FieldRecord* record, char* buffer, int32_t capacity);

}  // namespace tavrix
