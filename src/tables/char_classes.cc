#include "tables/char_classes.h"

#include "engine/ascii_classes.h"

namespace tavrix {
namespace {

// ASCII only: anything outside 0..127 is no member.
bool digit(int c) { return isAsciiDigit(c) != 0; }
bool upperLetter(int c) { return isAsciiUpper(c) != 0; }
bool alnum(int c) { return isAsciiAlnum(c) != 0; }
bool white(int c) { return isAsciiSpace(c) != 0; }

// Membership in a short list of punctuation; the NUL never matches.
bool oneOf(int c, const char* members) {
  if (c <= 0 || c > 127) return false;
  return inCharSet(members, static_cast<char>(c));
}

}  // namespace

int isSignDigitOrSpace(int c) { return digit(c) || white(c) || c == '+' || c == '-'; }
int isNotDigit(int c) { return !digit(c); }
int isNameTextChar(int c) { return alnum(c) || white(c) || oneOf(c, "'-./\\_"); }
int isNameChar(int c) { return alnum(c) || oneOf(c, "'-./\\_"); }
int isNotNameChar(int c) { return !isNameChar(c); }
int isCodeChar(int c) { return alnum(c) || oneOf(c, "-/\\_"); }
int isNotCodeChar(int c) { return !isCodeChar(c); }
int isAddressChar(int c) { return alnum(c) || white(c) || oneOf(c, "$',-./\\_"); }
int isAddressCharHash(int c) { return alnum(c) || white(c) || oneOf(c, "#$',-./\\_"); }
int isPlainTextChar(int c) { return alnum(c) || white(c) || oneOf(c, "#$,-_"); }
int isWordChar(int c) { return alnum(c) || c == '_' || c == '-'; }
int isNotWordChar(int c) { return !isWordChar(c); }
int isUpperOrSpace(int c) { return upperLetter(c) || white(c); }
int isDigitOrSpace(int c) { return digit(c) || white(c); }
int isIdentChar(int c) { return alnum(c) || c == '_'; }
int isNotIdentChar(int c) { return !isIdentChar(c); }
int isIdentOrSpace(int c) { return isIdentChar(c) || white(c); }
int isVisible(int c) { return c >= 33 && c <= 125; }
int isNotVisible(int c) { return !isVisible(c); }
int isBlankOrNul(int c) { return c == 0 || white(c); }
int isSeparator(int c) { return !alnum(c) && c != '.'; }
int isNotPrintable(int c) { return c < 32 || c > 126; }
int isDecimalChar(int c) { return digit(c) || c == '.'; }

}  // namespace tavrix
