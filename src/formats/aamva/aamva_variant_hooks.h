// Replacement steps for the AAMVA reader: the file-type checks, the header,
// directory and location forms of jurisdictions that depart from the
// standard layout, and the element stores that reshape dates.
#pragma once

#include "formats/aamva/aamva_reader.h"

namespace tavrix {

// File-type checks. "Accepted" record separators are FS, RS and "6".
int32_t aamvaCheckAnsiAt4To8(AamvaReader* reader, Span input);    // "ANSI" among positions 4-8
int32_t aamvaCheckAnsiAt4To7(AamvaReader* reader, Span input);    // "ANSI" exactly at 4-7
int32_t aamvaCheckAamva36At3(AamvaReader* reader, Span input);    // "AAMVA36" at 3-9, no separator test
int32_t aamvaCheckAamva36At4(AamvaReader* reader, Span input);    // FS or RS, "AAMVA36" at 4-10
int32_t aamvaCheckAamvaAt4To10(AamvaReader* reader, Span input);  // "AAMVA" among 4-10, no separator test
int32_t aamvaCheckAamvaAt4To8(AamvaReader* reader, Span input);   // FS or RS, "AAMVA" at 4-8
int32_t aamvaCheckAamvaAt4To8Any(AamvaReader* reader, Span input);  // "AAMVA" at 4-8 (-6), no separator test
int32_t aamvaCheckRsOnly(AamvaReader* reader, Span input);

// Header forms.
// Version taken as the layout's highest without reading the header.
int32_t aamvaVersionAssumed(AamvaReader* reader, Span input);
// One directory entry whatever the header says.
int32_t aamvaEntryCountOne(AamvaReader* reader, Span input);
// As the default, but a count that is not a number leaves the count alone.
int32_t aamvaEntryCountLenient(AamvaReader* reader, Span input);
// Length and "@" tests only; every separator is a line feed.
int32_t aamvaParseHeaderLineFeed(AamvaReader* reader, Span input);

// Directory entry forms (the names say how the subfile start is found).
// The fixed and pattern forms read the variant's subfileStart.
int32_t aamvaEntryOffsetMinusOne(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
int32_t aamvaEntryOffsetPlusOne(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
int32_t aamvaEntryOffsetDigitStep(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
int32_t aamvaEntryOffsetTypeRepeat(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
int32_t aamvaEntryTypeOnly(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
// The subfile runs from subfileStart to the end of the input.
int32_t aamvaEntryFixedStart(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
// The subfile starts where the element pattern is found, else at subfileStart.
int32_t aamvaEntryPatternStart(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
int32_t aamvaEntryNextSubfile(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);
// The "SL" directory: its offset counts from the entry itself.
int32_t aamvaFindSlDirectoryEntry(AamvaReader* reader, Span input, Span* directory);
int32_t aamvaEntrySl(AamvaReader* reader, Span input, Span directory, SubfileEntry* entry);

// Subfile location forms.
// The data runs from subfileStart to the end whatever the entry says.
int32_t aamvaLocateFixedStart(AamvaReader* reader, Span input, const SubfileEntry* entry, Span* data);
int32_t aamvaLocateTypeOnly(AamvaReader* reader, Span input, const SubfileEntry* entry, Span* data);
int32_t aamvaLocatePlain(AamvaReader* reader, Span input, const SubfileEntry* entry, Span* data);

// Element stores.
// Dates written year first (with or without dashes) become month, day, year.
int32_t aamvaStoreRotatedDates(AamvaReader* reader, int32_t fieldId, Span value);
// Trims every character outside "!".."}" first, stores DAV's height in
// centimetres as the plain height, and rotates dates.
int32_t aamvaStoreWideTrimRotatedDates(AamvaReader* reader, int32_t fieldId, Span value);
// Dates written "15-JUN-1985" become "19850615"; height and weight lose
// their units.
int32_t aamvaStoreMonthNameDates(AamvaReader* reader, int32_t fieldId, Span value);

}  // namespace tavrix
