// Code tables of the physical description: eye and hair colour codes with
// their words, and the AAMVA weight ranges selected by one digit.
#pragma once

#include <cstdint>
#include <iterator>

#include "engine/span.h"

namespace tavrix {

struct ColorRow {
  const char* code;
  int32_t codeLength;
  const char* name;
};

// Three-letter AAMVA codes first, then the two-letter codes older cards use.
inline constexpr ColorRow EyeColors[] = {
    {.code = "BLK", .codeLength = 3, .name = "Black"},
    {.code = "BLU", .codeLength = 3, .name = "Blue"},
    {.code = "BRO", .codeLength = 3, .name = "Brown"},
    {.code = "BRN", .codeLength = 3, .name = "Brown"},
    {.code = "GRY", .codeLength = 3, .name = "Gray"},
    {.code = "GRN", .codeLength = 3, .name = "Green"},
    {.code = "HAZ", .codeLength = 3, .name = "Hazel"},
    {.code = "MAR", .codeLength = 3, .name = "Maroon"},
    {.code = "PNK", .codeLength = 3, .name = "Pink"},
    {.code = "DIC", .codeLength = 3, .name = "Dichromatic"},
    {.code = "UNK", .codeLength = 3, .name = "Unknown"},
    {.code = "BK", .codeLength = 2, .name = "Black"},
    {.code = "BL", .codeLength = 2, .name = "Blue"},
    {.code = "BR", .codeLength = 2, .name = "Brown"},
    {.code = "GY", .codeLength = 2, .name = "Gray"},
    {.code = "VI", .codeLength = 2, .name = "Violet"},
};
static_assert(std::size(EyeColors) == 16);

inline constexpr ColorRow HairColors[] = {
    {.code = "BAL", .codeLength = 3, .name = "Bald"},
    {.code = "BLK", .codeLength = 3, .name = "Black"},
    {.code = "BLN", .codeLength = 3, .name = "Blond"},
    {.code = "BRO", .codeLength = 3, .name = "Brown"},
    {.code = "GRY", .codeLength = 3, .name = "Grey"},
    {.code = "RED", .codeLength = 3, .name = "Red/Auburn"},
    {.code = "BRN", .codeLength = 3, .name = "Brown"},
    {.code = "SDY", .codeLength = 3, .name = "Sandy"},
    {.code = "WHI", .codeLength = 3, .name = "White"},
    {.code = "UNK", .codeLength = 3, .name = "Unknown"},
    {.code = "BD", .codeLength = 2, .name = "Bald"},
    {.code = "BK", .codeLength = 2, .name = "Black"},
    {.code = "BN", .codeLength = 2, .name = "Blond"},
    {.code = "BR", .codeLength = 2, .name = "Brown"},
    {.code = "GY", .codeLength = 2, .name = "Grey"},
    {.code = "RD", .codeLength = 2, .name = "Red/Auburn"},
    {.code = "WH", .codeLength = 2, .name = "White"},
};
static_assert(std::size(HairColors) == 17);

struct WeightRangeRow {
  const char* kilograms;
  const char* pounds;
};

// Indexed by the range digit 0-9.
inline constexpr WeightRangeRow WeightRanges[] = {
    {.kilograms = "up to 31", .pounds = "up to 70"},
    {.kilograms = "32-45", .pounds = "71-100"},
    {.kilograms = "46-59", .pounds = "101-130"},
    {.kilograms = "60-70", .pounds = "131-160"},
    {.kilograms = "71-86", .pounds = "161-190"},
    {.kilograms = "87-100", .pounds = "191-220"},
    {.kilograms = "101-113", .pounds = "221-250"},
    {.kilograms = "114-127", .pounds = "251-280"},
    {.kilograms = "128-145", .pounds = "281-310"},
    {.kilograms = "146+", .pounds = "320+"},
};
static_assert(std::size(WeightRanges) == 10);

// The word of the first row whose code equals `code` exactly (same length,
// same letter case), or null.
template <int32_t N>
const char* colorName(const ColorRow (&rows)[N], Span code) {
  if (spanIsEmpty(code)) return nullptr;
  for (const ColorRow& row : rows) {
    if (row.codeLength != code.length) continue;
    int32_t i = 0;
    while (i < code.length && row.code[i] == code.data[i]) ++i;
    if (i == code.length) return row.name;
  }
  return nullptr;
}

}  // namespace tavrix
