// Replays the fuzz targets' checks over the corpus directories (or files)
// without libFuzzer, so the ordinary test run exercises them: the
// library's promises on each input, and every row on its own.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_checks.h"

namespace {

void replay(const std::string& bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  tavrix_fuzz::checkParseAndGetters(data, bytes.size(), static_cast<uint32_t>(bytes.size()));
  tavrix_fuzz::checkRows(data, bytes.size(), 0, 67);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path p = argv[i];
    if (std::filesystem::is_directory(p)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(p)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else {
      inputs.push_back(p);
    }
  }
  // Hostile inputs of our own besides the corpus: every byte value, NULs,
  // and a long run of noise.
  std::vector<std::string> extra;
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  extra.push_back(all);
  extra.push_back(std::string(300, '\0'));
  std::string noise;
  uint32_t state = 12345;
  for (int i = 0; i < (1 << 20); ++i) {
    state = state * 1103515245u + 12345u;
    noise += static_cast<char>(state >> 24);
  }
  extra.push_back(noise);

  size_t count = 0;
  for (const auto& path : inputs) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    replay(bytes);
    ++count;
  }
  for (const std::string& bytes : extra) {
    replay(bytes);
    ++count;
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "no corpus inputs found\n");
    return 1;
  }
  std::printf("replayed %zu inputs\n", count);
  return 0;
}
