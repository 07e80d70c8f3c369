// Element maps: which record field receives the value of each three-letter
// AAMVA data element id. One map per edition family; an id may appear in
// several pairs, and every pair of a matching id applies, in map order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/text_numbers.h"

namespace tavrix {

// The numeric code of an element id: its three characters as the bytes of
// one 24-bit number, first character highest.
constexpr uint32_t aamvaElementCode(char c0, char c1, char c2) {
  return (static_cast<uint32_t>(static_cast<unsigned char>(c0)) << 16) |
         (static_cast<uint32_t>(static_cast<unsigned char>(c1)) << 8) |
         static_cast<uint32_t>(static_cast<unsigned char>(c2));
}

enum class ElementMapId : uint8_t { y2000, y2003, y2009, y2011, y2014 };

struct ElementMap {
  const CodePair* pairs = nullptr;
  int32_t count = 0;
};

// The longest map; the fill-empty walk keeps one value per pair on the stack.
inline constexpr int32_t kElementMapMaxPairs = 82;

ElementMap elementMap(ElementMapId id);

// True when the three characters are the id of an element in any edition's
// map.
bool isAamvaElementId(const char* id);

// A number below kAamvaElementIdSpace for the id of an element in any
// edition's map (two ids share no number), else -1; the same for an
// element code.
inline constexpr int32_t kAamvaElementIdSpace = 2 * 26 * 26;

// Every element id of every edition begins with "D" or "P"; one number per
// id of those two letters, -1 for any other three characters.
constexpr int32_t aamvaIdNumber(char c0, char c1, char c2) {
  if ((c0 != 'D' && c0 != 'P') || c1 < 'A' || c1 > 'Z' || c2 < 'A' || c2 > 'Z') return -1;
  return (c0 == 'D' ? 0 : 26 * 26) + (c1 - 'A') * 26 + (c2 - 'A');
}

// One flag per id number: the id of an element in some edition's map.
extern const std::array<bool, kAamvaElementIdSpace> kAamvaKnownIds;

inline int32_t aamvaElementIdIndex(const char* id) {
  const int32_t at = aamvaIdNumber(id[0], id[1], id[2]);
  return at >= 0 && kAamvaKnownIds[static_cast<size_t>(at)] ? at : -1;
}
inline int32_t aamvaElementCodeIndex(uint32_t code) {
  const char id[3] = {static_cast<char>(code >> 16), static_cast<char>((code >> 8) & 0xFF),
                      static_cast<char>(code & 0xFF)};
  return aamvaElementIdIndex(id);
}

}  // namespace tavrix
