// The byte pattern language that describes the forms of licence and
// document numbers. A compiled pattern is a NUL-terminated byte string
// matched against the whole number from its first character:
//
//   0x01..0x7F  this literal character must come next
//   0x80 + n    exactly n digits        (n = 0: no effect)
//   0x90 + n    exactly n letters (ASCII, either case)
//   0xB0 + n    exactly n letters or digits
//   0xA1        an optional '-'  (consumed if it comes next)
//   0xA2        an optional '*'
//   0xA3        an optional letter
//   0xA4        an optional digit
//   other bytes from 0xA0 up: no effect
//   0x00        the end: matches only where the number ends too
//
// Patterns are written in the source in a readable notation and compiled
// while the library is compiled: "L1 D3 '-' D4"_pattern. Tokens are
// separated by spaces:
//
//   Dn  Ln  Xn   n digits, letters, letters-or-digits (n = 0..15)
//   -?  *?       optional '-' or '*'
//   L?  D?       optional letter or digit
//   'text'       the characters between the quotes, literally (printable
//                ASCII, no quote character)
//
// A notation that breaks these rules does not compile.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/span.h"

namespace tavrix {

namespace pattern_byte {
inline constexpr unsigned char kDigits = 0x80;
inline constexpr unsigned char kLetters = 0x90;
inline constexpr unsigned char kOptional = 0xA0;
inline constexpr unsigned char kAlnum = 0xB0;
inline constexpr unsigned char kOptionalHyphen = 0xA1;
inline constexpr unsigned char kOptionalStar = 0xA2;
inline constexpr unsigned char kOptionalLetter = 0xA3;
inline constexpr unsigned char kOptionalDigit = 0xA4;
inline constexpr int32_t kLongestRun = 15;
}  // namespace pattern_byte

// Room for the longest pattern a jurisdiction uses, with its end byte.
inline constexpr int32_t kPatternCapacity = 32;

struct CompiledPattern {
  unsigned char bytes[kPatternCapacity] = {};
};

namespace pattern_notation {

// Deliberately not constexpr: reaching it while compiling a notation
// stops the build at the offending pattern.
void invalidPatternNotation();

consteval bool isRunDigit(char c) { return c >= '0' && c <= '9'; }

consteval CompiledPattern compile(const char* text, size_t length) {
  CompiledPattern out;
  size_t written = 0;
  auto emit = [&](unsigned char byte) {
    if (written + 1 >= static_cast<size_t>(kPatternCapacity)) invalidPatternNotation();  // keep room for the end
    out.bytes[written++] = byte;
  };
  size_t i = 0;
  while (i < length) {
    const char c = text[i];
    if (c == ' ') {
      ++i;
      continue;
    }
    if (c == '\'') {
      size_t end = i + 1;
      while (end < length && text[end] != '\'') ++end;
      if (end >= length || end == i + 1) invalidPatternNotation();  // unterminated or empty literal
      for (size_t k = i + 1; k < end; ++k) {
        if (text[k] < 0x20 || text[k] > 0x7E) invalidPatternNotation();
        emit(static_cast<unsigned char>(text[k]));
      }
      i = end + 1;
    } else if (i + 1 < length && text[i + 1] == '?') {
      switch (c) {
        case '-': emit(pattern_byte::kOptionalHyphen); break;
        case '*': emit(pattern_byte::kOptionalStar); break;
        case 'L': emit(pattern_byte::kOptionalLetter); break;
        case 'D': emit(pattern_byte::kOptionalDigit); break;
        default: invalidPatternNotation();
      }
      i += 2;
    } else if (c == 'D' || c == 'L' || c == 'X') {
      size_t k = i + 1;
      int32_t n = 0;
      while (k < length && isRunDigit(text[k])) n = n * 10 + (text[k++] - '0');
      if (k == i + 1 || n > pattern_byte::kLongestRun) invalidPatternNotation();
      const unsigned char base = c == 'D' ? pattern_byte::kDigits : c == 'L' ? pattern_byte::kLetters : pattern_byte::kAlnum;
      emit(static_cast<unsigned char>(base + n));
      i = k;
    } else {
      invalidPatternNotation();
    }
    if (i < length && text[i] != ' ') invalidPatternNotation();  // tokens are separated by spaces
  }
  return out;
}

template <size_t N>
struct Text {
  char chars[N];
  consteval Text(const char (&s)[N]) {
    for (size_t i = 0; i < N; ++i) chars[i] = s[i];
  }
};

// One compiled copy per distinct notation, with static storage.
template <Text N>
inline constexpr CompiledPattern kCompiled = compile(N.chars, sizeof N.chars - 1);

}  // namespace pattern_notation

// "D6 -? D3"_pattern: the compiled bytes of a notation.
template <pattern_notation::Text N>
consteval const unsigned char* operator""_pattern() {
  return pattern_notation::kCompiled<N>.bytes;
}

// A number read one character at a time, for the pattern matcher and the
// checkers that test a number piece by piece. Past the number's end it
// reads as '\0', which no class or literal accepts.
struct NumberCursor {
  Span number;
  int32_t at = 0;

  bool atEnd() const { return at >= number.length; }
  char peek() const { return atEnd() ? '\0' : number.data[at]; }
  // Takes the next character if the class accepts it.
  bool take(CharPredicate accepts) {
    if (atEnd() || accepts(byteOf(number.data[at])) == 0) return false;
    ++at;
    return true;
  }
  bool take(char wanted) {
    if (atEnd() || number.data[at] != wanted) return false;
    ++at;
    return true;
  }
  // Exactly `count` characters of the class.
  bool takeRun(CharPredicate accepts, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
      if (!take(accepts)) return false;
    }
    return true;
  }
  void skipOptional(char wanted) { static_cast<void>(take(wanted)); }
  void skipOptional(CharPredicate accepts) { static_cast<void>(take(accepts)); }
};

// True when the whole number has the pattern's form. A null pattern
// matches nothing; reads stay inside the span and the pattern's capacity.
bool numberMatchesPattern(Span number, const unsigned char* pattern);

}  // namespace tavrix
