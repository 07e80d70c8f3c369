// The holder's name as six values: first, middle and last name, suffix,
// prefix and full name. Each prefers its own field, then the given-names
// field, then the full name split by its separators, and lets the
// jurisdiction's handlers go first.
//
// Each returns 0 with a NUL-terminated value of at most capacity - 1
// characters, VTX_ERR_ARGUMENT (no record or arena, null buffer, capacity
// below 1) or VTX_ERR_NOT_AVAILABLE. First, middle and last name leave
// the buffer "" when they find nothing.
#pragma once

#include <cstdint>

#include "engine/record.h"

namespace tavrix {

int32_t firstNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t lastNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t middleNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t nameSuffixAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
int32_t namePrefixAccessor(const FieldRecord* record, char* buffer, int32_t capacity);
// The stored full name comes back with at most capacity - 2 characters.
int32_t fullNameAccessor(const FieldRecord* record, char* buffer, int32_t capacity);

}  // namespace tavrix
