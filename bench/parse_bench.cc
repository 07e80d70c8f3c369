// Parse and decoder timings. Inputs are built here so the figures do not
// depend on files at run time.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/decoders.h"
#include "tavrix_parser.h"

namespace {

std::string noiseText(size_t size) {
  std::string text;
  uint32_t state = 7;
  const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ,.-\n";
  while (text.size() < size) {
    state = state * 1664525u + 1013904223u;
    text += alphabet[(state >> 24) % (sizeof alphabet - 1)];
  }
  return text;
}

void BM_ParseUnrecognised500(benchmark::State& state) {
  const std::string text = noiseText(500);
  void* handle = VTX_create();
  for (auto _ : state) {
    benchmark::DoNotOptimize(VTX_parse(handle, text.data(), static_cast<int32_t>(text.size())));
  }
  VTX_delete(handle);
}
BENCHMARK(BM_ParseUnrecognised500);

template <tavrix::Decoder decoder>
void BM_Decode(benchmark::State& state) {
  const std::string text = noiseText(static_cast<size_t>(state.range(0)));
  std::vector<char> out(text.size() + 2);
  for (auto _ : state) {
    int32_t n = 0;
    benchmark::DoNotOptimize(decoder(text.data(), static_cast<int32_t>(text.size()), out.data(),
                                     static_cast<int32_t>(out.size()) - 1, &n));
    benchmark::DoNotOptimize(n);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeVerbatim)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeNormalized)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeNormalizedPrintable)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeFoldLatin1)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeMrzText)->Arg(500)->Arg(64 << 10);

}  // namespace
