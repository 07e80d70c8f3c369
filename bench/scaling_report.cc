// How the cost of a parse grows with the input: the time per byte of noise
// at 64 KB and at 1 MB, of the hostile floods a scanner can deliver, and of
// every hostile input of the tests, each parse timed in CPU time over
// repeated runs. Prints the ratios the library aims for: 1 MB of noise at
// most 1.3 x the per-byte cost of 64 KB, each flood at most 2 x noise.
//
//   ./build/bench/tavrix_scaling_bench
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "noise_text.h"
#include "tavrix_parser.h"

namespace {

double cpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::string repeat(const std::string& unit, size_t size) {
  std::string text;
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

std::string elements(const char* element, int count) {
  std::string text = "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DL";
  for (int i = 0; i < count; ++i) text += element;
  return text;
}

// The median of five runs of at least 0.2 s each, in nanoseconds per byte.
double nanosecondsPerByte(void* handle, const std::string& text) {
  std::vector<double> runs;
  for (int r = 0; r < 5; ++r) {
    int count = 0;
    const double start = cpuSeconds();
    double elapsed = 0;
    do {
      VTX_parse(handle, text.data(), static_cast<int32_t>(text.size()));
      ++count;
      elapsed = cpuSeconds() - start;
    } while (elapsed < 0.2);
    runs.push_back(elapsed * 1e9 / count / static_cast<double>(text.size()));
  }
  std::sort(runs.begin(), runs.end());
  return runs[2];
}

struct Input {
  const char* name;
  std::string text;
};

}  // namespace

int main() {
  constexpr size_t kMegabyte = 1 << 20;
  void* handle = VTX_create();
  const double small = nanosecondsPerByte(handle, noiseText(65536));
  const double large = nanosecondsPerByte(handle, noiseText(kMegabyte));
  std::printf("noise, 64 KB: %.2f ns/byte\nnoise, 1 MB: %.2f ns/byte (%.2f x 64 KB; aim: at most 1.3)\n\n", small,
              large, large / small);
  const std::string licence =
      "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DLDAQD1234562\nDCSSAMPLE\nDACJOHN\nDBB01021980\n";
  const Input floods[] = {
      {"\"@\" LF LF repeated, 1 MB", repeat("@\n\n", kMegabyte)},
      {"\"[0\" repeated, 1 MB", repeat("[0", kMegabyte)},
      {"\"[0D\" repeated, 1 MB", repeat("[0D", kMegabyte)},
      {"100,000 elements", elements("DAQ1\n", 100000)},
      {"100,000 empty elements", elements("\n", 100000)},
      {"1 MB line without separators", repeat("DAQ", kMegabyte)},
      {"all NUL, 64 KB", std::string(65536, '\0')},
      {"all 0xFF, 64 KB", std::string(65536, '\xff')},
      {"two licences run together", licence + licence},
      {"stripe with every sentinel doubled", "%%BJOHN^^SMITH^^??;;6360141234567890==2512198001010??"},
  };
  std::printf("%-40s %12s %12s %10s\n", "input", "ns/byte", "x noise", "ms/parse");
  for (const Input& f : floods) {
    const double perByte = nanosecondsPerByte(handle, f.text);
    std::printf("%-40s %12.2f %12.2f %10.3f\n", f.name, perByte, perByte / large,
                perByte * static_cast<double>(f.text.size()) * 1e-6);
  }
  std::printf("(aim for the floods: at most 2 x noise per byte)\n");
  VTX_delete(handle);
  return 0;
}
