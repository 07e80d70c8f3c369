// Fuzz target for the C interface: the input's last four bytes choose the
// capacities and barcode geometries the getters are called with (around
// each value's own length, where an off-by-one would show), the bytes
// before them are the text. Seeded with every family's corpus.
#include <cstring>

#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint32_t seed = 0;
  if (size >= 4) {
    std::memcpy(&seed, data + size - 4, 4);
    size -= 4;
  }
  tavrix_fuzz::checkParseAndGetters(data, size, seed);
  return 0;
}
