// Element maps: which record field receives the value of each three-letter
// AAMVA data element id. One map per edition family; an id may appear in
// several pairs, and every pair of a matching id applies, in map order.
#pragma once

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
int32_t aamvaElementIdIndex(const char* id);
int32_t aamvaElementCodeIndex(uint32_t code);

}  // namespace tavrix
