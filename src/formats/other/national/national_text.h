// Text pieces the national barcodes share: the name-character class, the
// forward and backward searches their steps make, the writers that clean
// a name on its way into the record, and the date forms.
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Letters, digits, '_' and white space.
int isNationalNameChar(int c);

// Index of `needle` in `text` at or after `from`, or -1.
int32_t findFrom(Span text, int32_t from, const char* needle);
// Start of the longest run of characters satisfying `pred` that ends just
// before `end`; `end` itself when the character before it does not. Never
// goes before the start of the text.
int32_t runStartBefore(Span text, int32_t end, CharPredicate pred);
// The text from `from` to its end (empty when `from` is past it).
Span tailFrom(Span text, int32_t from);

// Writers for recordSetFieldWith; the context is a const Span*.
// Copies the text without the word NULL (any mix of case), which some
// issuers write into an empty name field.
int32_t writeWithoutNull(void* context, char* destination, int32_t room);
// As writeWithoutNull with every '-' written as a space and trailing white
// space dropped.
int32_t writeNameWithoutDashes(void* context, char* destination, int32_t room);

// Date forms. Each reads from the start of `s`, fills `out` (year, month,
// day, no range test) and returns the characters it took, or 0 when `s`
// does not begin with the form.
//
// Day of one or two digits, '/', month of one or two digits, '/', four
// digits. With `swapRule` a date whose second number is 13 to 31 and whose
// first is 1 to 12 is read month first.
int32_t takeSlashDate(Span s, bool swapRule, DateTime* out);
// Day of one or two digits, a Spanish month abbreviation (ENE ... DIC, any
// case), four digits and '-' (taken too).
int32_t takeSpanishMonthDate(Span s, DateTime* out);
// The whole of `s`: day of one or two digits, optional white space, an
// English month abbreviation (JAN ... DEC, any case), optional white space,
// exactly four digits. 0 or -1.
int32_t englishMonthDate(Span s, DateTime* out);

}  // namespace tavrix
