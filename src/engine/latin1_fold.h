// Folding of accented Latin-1 letters to their base letters (case kept)
// and of a few symbols to look-alike ASCII characters.
#pragma once

#include <cstdint>

namespace tavrix {

// The replacement of a byte: bytes below 0xA0 and bytes without a fold
// come back unchanged.
unsigned char latin1Fold(unsigned char c);

}  // namespace tavrix
