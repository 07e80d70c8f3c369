// Fuzz target for magnetic stripes and HC card texts: the whole library's
// promises on the input, then every stripe row (formats 0 to 16) and HC
// row (48 to 50) on its own. Seeded with fuzz/corpus/stripe_hc and
// fuzz/stripe_hc.dict.
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavrix_fuzz::checkParseAndGetters(data, size, static_cast<uint32_t>(size));
  tavrix_fuzz::checkRows(data, size, 0, 16);
  tavrix_fuzz::checkRows(data, size, 48, 50);
  return 0;
}
