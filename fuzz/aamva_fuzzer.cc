// Fuzz target for the AAMVA barcodes: the whole library's promises on the
// input, then every AAMVA row (formats 17 to 47) on its own. Seeded with
// fuzz/corpus/aamva and fuzz/aamva.dict.
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavrix_fuzz::checkParseAndGetters(data, size, static_cast<uint32_t>(size));
  tavrix_fuzz::checkRows(data, size, 17, 47);
  return 0;
}
