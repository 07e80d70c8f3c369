// Fast forms of the two lookups the element walks repeat for every token:
// "is this byte a separator" and "which pairs of the map carry this
// element id". Both are built on the stack once per walk, so a barcode of
// thirty elements costs thirty hash probes instead of thirty scans of the
// whole map, and the answers are exactly those of the plain scans.
#pragma once

#include <cstdint>

#include "engine/span.h"
#include "engine/text_numbers.h"
#include "formats/aamva/element_maps.h"

namespace tavrix {

struct SeparatorTable {
  bool member[256] = {};
  explicit SeparatorTable(CharSet set) {
    for (int32_t i = 0; i < set.count; ++i) member[static_cast<unsigned char>(set.chars[i])] = true;
  }
  bool operator()(char c) const { return member[static_cast<unsigned char>(c)]; }
};

// The pairs of one map grouped by code. `first` is an open-addressing table
// from a code to its first pair in map order; `next` chains the later pairs
// of the same code, still in map order. A map longer than the longest
// element map is not indexed and callers fall back to codePairLookup.
class ElementLookup {
 public:
  constexpr ElementLookup(const CodePair* map, int32_t length) : map_(map) {
    indexed_ = map != nullptr && length >= 0 && length <= kElementMapMaxPairs;
    if (!indexed_) return;
    for (int16_t& s : first_) s = -1;
    // Walking the map backwards leaves each slot on the earliest pair and
    // links every pair to the next one with its code.
    for (int32_t i = length - 1; i >= 0; --i) {
      int32_t slot = slotOf(map[i].code);
      next_[i] = first_[slot];
      first_[slot] = static_cast<int16_t>(i);
    }
  }

  constexpr bool indexed() const { return indexed_; }

  // First pair index with `code`, or -1.
  int32_t firstOf(uint32_t code) const { return first_[slotOf(code)]; }
  // The pair after `index` with the same code, or -1.
  int32_t nextOf(int32_t index) const { return next_[index]; }

 private:
  static constexpr int32_t kSlots = 256;  // a power of two, over three times the longest map

  // The slot that holds `code` or the empty slot where it would go.
  constexpr int32_t slotOf(uint32_t code) const {
    int32_t slot = static_cast<int32_t>((code * 2654435761u) >> 24) & (kSlots - 1);
    while (first_[slot] >= 0 && map_[first_[slot]].code != code) slot = (slot + 1) & (kSlots - 1);
    return slot;
  }

  const CodePair* map_;
  bool indexed_ = false;
  int16_t first_[kSlots] = {};
  int16_t next_[kElementMapMaxPairs] = {};
};

// The lookup of one of the edition maps, built when the library is
// compiled; null for any other map.
const ElementLookup* elementMapLookup(const CodePair* map, int32_t length);

}  // namespace tavrix
