// Name words shared by the person-name accessors and the jurisdiction name
// handlers: the suffix list, the cleaning of a name in a buffer, the
// reordering of full-name parts, and the words of the given-names field.
#pragma once

#include <cstdint>
#include <iterator>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Generational and academic suffixes, compared exactly (case-sensitive,
// whole word). "V" is not one: a trailing V stays a name word.
inline constexpr const char* NameSuffixes[] = {
    "JR", "SR", "JR.", "SR.", "II", "III", "IV", "MD", "PHD", "PH.D", "M.D.", "2ND",
    "3RD", "1ST", "4TH", "VI", "5TH", "6TH", "7TH", "VII", "8TH", "VIII", "9TH",
};
static_assert(std::size(NameSuffixes) == 23, "name suffix count");

// Separator sets of the name rules.
inline constexpr const char* kNameTokenSeparators = " ,$@\t\n\r";
inline constexpr const char* kNameCleaningChars = " ,$@\\/-^\t\n\r";
inline constexpr const char* kFullNamePartSeparators = ",$@";
inline constexpr const char* kGivenNameSeparators = " ,$@";
inline constexpr const char* kWordSeparators = " ";

// Most words or parts a name is split into.
inline constexpr int32_t kMaxNameTokens = 16;
inline constexpr int32_t kMaxNameParts = 8;

bool isNameSuffix(Span word);

// Rewrites the NUL-terminated name in buffer (read no further than
// capacity): at most 16 words, suffixes after the first word and the words
// NONE / NONE. dropped, each word trimmed of the cleaning characters,
// joined with single spaces. 0, or VTX_ERR_NOT_AVAILABLE (buffer "") when
// nothing is left.
int32_t cleanNameText(char* buffer, int32_t capacity);

// Adjusts the non-empty parts of a full name split at ",$@" in place:
// with three or more parts, drops a suffix in second place, else a
// trailing suffix, else moves the last part to the front when the second
// is an initial. Returns the new count.
int32_t reorderNameParts(Span* parts, int32_t count);

// First word of the given-names field, unchanged.
int32_t givenFirst(const FieldRecord* record, char* buffer, int32_t capacity);
// The given names after the first word, commas turned into spaces and runs
// of spaces and commas collapsed.
int32_t givenRest(const FieldRecord* record, char* buffer, int32_t capacity);

// Copies a span with the plain rule; 0, or VTX_ERR_NOT_AVAILABLE when no
// character was copied.
int32_t copyNameOut(char* buffer, int32_t capacity, Span value);
// Joins the words with single spaces; 0 or VTX_ERR_NOT_AVAILABLE.
int32_t joinNameOut(char* buffer, int32_t capacity, const Span* words, int32_t count);

}  // namespace tavrix
