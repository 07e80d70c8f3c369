// Fuzz target for Common Access Card barcodes, national barcodes and
// machine-readable zones: the whole library's promises on the input, then
// every row of formats 51 to 67 on its own. Seeded with
// fuzz/corpus/zone_cac_national and fuzz/zone_cac_national.dict.
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tavrix_fuzz::checkParseAndGetters(data, size, static_cast<uint32_t>(size));
  tavrix_fuzz::checkRows(data, size, 51, 67);
  return 0;
}
