// The library's own one-character classes, used next to the plain ASCII
// classifiers by accessors and format parsers. Each is a CharPredicate:
// called with an unsigned byte value, non-zero for a member. Bytes from
// 0x80 up are no letter, digit or white space, so they belong to every
// complement class below and to no other.
#pragma once

#include "engine/span.h"

namespace tavrix {

int isSignDigitOrSpace(int c);  // digits, white space, '+', '-'
int isNotDigit(int c);          // anything but a digit
int isNameTextChar(int c);      // letters, digits, white space, ' - . / \ _
int isNameChar(int c);          // letters, digits, ' - . / \ _
int isNotNameChar(int c);
int isCodeChar(int c);          // letters, digits, - / \ _
int isNotCodeChar(int c);
int isAddressChar(int c);       // letters, digits, white space, $ ' , - . / \ _
int isAddressCharHash(int c);   // as isAddressChar, plus '#'
int isPlainTextChar(int c);     // letters, digits, white space, # $ , - _
int isWordChar(int c);          // letters, digits, '_', '-'
int isNotWordChar(int c);
int isUpperOrSpace(int c);      // upper-case letters and white space
int isDigitOrSpace(int c);      // digits and white space
int isIdentChar(int c);         // letters, digits, '_'
int isNotIdentChar(int c);
int isIdentOrSpace(int c);      // letters, digits, '_', white space
int isVisible(int c);           // codes 33 to 125
int isNotVisible(int c);        // below 33 or above 125
int isBlankOrNul(int c);        // TAB, LF, VT, FF, CR, space, NUL
int isSeparator(int c);         // neither letter nor digit nor '.'
int isNotPrintable(int c);      // below 32 or above 126
int isDecimalChar(int c);       // digits and '.'

}  // namespace tavrix
