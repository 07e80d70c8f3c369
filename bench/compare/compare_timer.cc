// Times the library's parse of the real-world samples for the side-by-side
// comparison (bench/compare/compare.mjs). The driver keeps this program
// running as a child and asks it for one batch at a time, so that our
// batches interleave with the JavaScript parsers' batches of the same round.
//
// Usage: tavrix_compare_timer SAMPLES.jsonl
//
// On start it prints one line per sample of the file, in file order,
//   sample INDEX KIND RESULT ID
// (RESULT is what VTX_parse returns for the text on a fresh handle), then
//   ready COUNT
// and then answers one line per command read from standard input:
//   batch MODE INDEX:COUNT ...   ->  ok WALL/CPU ...
// MODE is `parse` (VTX_parse alone) or `all` (VTX_parse, then every getter
// and validator of the getter table once). Each INDEX:COUNT pair parses that
// sample COUNT times in a row; its figure is the wall time and the process
// CPU time of those COUNT parses, in nanoseconds. A malformed command gets `error MESSAGE`; end of input or `quit`
// ends the program.
#include <time.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "getter_table.h"
#include "sample_file.h"
#include "tavrix_parser.h"

namespace {

// Results are folded in here so that no call can be optimised away.
volatile uint64_t gSink = 0;

enum class Mode { parse, all };

uint64_t parseOnce(void* handle, const std::string& text) {
  return static_cast<uint32_t>(VTX_parse(handle, text.data(), static_cast<int32_t>(text.size())));
}

// The same walk as the tool and the benchmark programs: every exported
// getter and validator once, in export order.
uint64_t getAll(void* handle) {
  char buffer[256];
  int32_t value = 0;
  uint64_t sum = 0;
  const tavrix_tool::GetterEntry* table = tavrix_tool::getterTable();
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    const tavrix_tool::GetterEntry& g = table[i];
    if (g.text != nullptr) sum += static_cast<uint32_t>(g.text(handle, buffer, sizeof buffer)) + static_cast<unsigned char>(buffer[0]);
    if (g.flag != nullptr) sum += static_cast<uint32_t>(g.flag(handle, &value)) + static_cast<uint32_t>(value);
    if (g.status != nullptr) sum += static_cast<uint32_t>(g.status(handle, &value)) + static_cast<uint32_t>(value);
    if (g.barcode != nullptr) sum += static_cast<uint32_t>(g.barcode(handle, 10, 20, 3, &value)) + static_cast<uint32_t>(value);
  }
  return sum;
}

int64_t cpuNow() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// "WALL/CPU" nanoseconds of `count` parses of one text.
std::string timeSample(void* handle, const std::string& text, Mode mode, int64_t count) {
  uint64_t sum = 0;
  const int64_t cpuStart = cpuNow();
  const auto start = std::chrono::steady_clock::now();
  for (int64_t k = 0; k < count; ++k) {
    sum += parseOnce(handle, text);
    if (mode == Mode::all) sum += getAll(handle);
  }
  const auto stop = std::chrono::steady_clock::now();
  const int64_t cpuStop = cpuNow();
  gSink = gSink + sum;
  return std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(stop - start).count()) + '/' +
         std::to_string(cpuStop - cpuStart);
}

// Answers one `batch` command; false with a message when it is malformed.
bool runBatch(std::istringstream& words, void* handle, const std::vector<tavrix_tool::Sample>& samples,
              std::string* reply) {
  std::string modeName;
  words >> modeName;
  Mode mode;
  if (modeName == "parse") {
    mode = Mode::parse;
  } else if (modeName == "all") {
    mode = Mode::all;
  } else {
    *reply = "unknown mode '" + modeName + "'";
    return false;
  }
  // Read the whole request first so that a malformed pair costs no timing.
  std::vector<std::pair<size_t, int64_t>> pairs;
  std::string pair;
  while (words >> pair) {
    const size_t colon = pair.find(':');
    size_t index = 0;
    long long count = 0;
    if (colon == std::string::npos || std::sscanf(pair.c_str(), "%zu:%lld", &index, &count) != 2 ||
        index >= samples.size() || count < 1) {
      *reply = "bad pair '" + pair + "'";
      return false;
    }
    pairs.emplace_back(index, count);
  }
  std::string out = "ok";
  for (const auto& [index, count] : pairs) {
    out += ' ' + timeSample(handle, samples[index].input, mode, count);
  }
  *reply = out;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tavrix_compare_timer SAMPLES.jsonl\n";
    return 2;
  }
  std::vector<tavrix_tool::Sample> samples;
  std::string error;
  if (!tavrix_tool::readSamples(argv[1], &samples, &error)) {
    std::cerr << "tavrix_compare_timer: " << error << "\n";
    return 2;
  }
  void* handle = VTX_create();
  if (handle == nullptr) {
    std::cerr << "tavrix_compare_timer: cannot create a handle\n";
    return 2;
  }
  for (size_t i = 0; i < samples.size(); ++i) {
    void* fresh = VTX_create();
    const int32_t result = fresh == nullptr ? VTX_ERR_NO_STORAGE
                                            : VTX_parse(fresh, samples[i].input.data(),
                                                        static_cast<int32_t>(samples[i].input.size()));
    VTX_delete(fresh);
    std::cout << "sample " << i << ' ' << samples[i].kind << ' ' << result << ' ' << samples[i].id << '\n';
  }
  std::cout << "ready " << samples.size() << std::endl;

  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    if (command == "quit") break;
    std::string reply;
    if (command == "batch") {
      if (!runBatch(words, handle, samples, &reply)) reply = "error " + reply;
    } else {
      reply = "error unknown command '" + command + "'";
    }
    std::cout << reply << std::endl;
  }
  VTX_delete(handle);
  return 0;
}
