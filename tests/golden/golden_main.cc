// Golden outputs: the full answer of the library (the answer report: parse
// result, format, every getter, every raw field) for every text in
// examples/ and every real-world sample, compared with the files stored
// under tests/golden/. After an intended change,
//
//   ./build/tests/tavrix_golden --update
//
// rewrites them, and the diff of the golden files shows what the change did.
// Every text is parsed on a fresh handle on a fixed day, so the two-digit
// year rules give the same centuries whatever today is.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "answer_report.h"
#include "engine/parser_handle.h"
#include "sample_file.h"
#include "tavrix_parser.h"

namespace fs = std::filesystem;

namespace {

int32_t goldenDay(tavrix::DateTime* now) {
  *now = tavrix::DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

struct Golden {
  std::string name;  // shown in messages
  std::string input;
  fs::path file;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string answerOf(const std::string& input) {
  void* handle = VTX_create();
  static_cast<tavrix::ParserHandle*>(handle)->clock = goldenDay;
  const int32_t length = static_cast<int32_t>(input.size());
  const std::string report = tavrix_tool::answerReport(handle, VTX_parse(handle, input.data(), length));
  VTX_delete(handle);
  return report;
}

// The first line where the two texts differ, for the message.
std::string firstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream a(expected), b(actual);
  std::string la, lb;
  int line = 0;
  while (true) {
    ++line;
    const bool ha = static_cast<bool>(std::getline(a, la));
    const bool hb = static_cast<bool>(std::getline(b, lb));
    if (!ha && !hb) return "";
    if (!ha) la = "(end)";
    if (!hb) lb = "(end)";
    if (la != lb) return "line " + std::to_string(line) + ": expected " + la + "\n      now      " + lb;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool update = argc > 1 && std::string(argv[1]) == "--update";
  const fs::path source = TAVRIX_SOURCE_DIR;
  const fs::path goldenDir = source / "tests" / "golden";

  std::vector<Golden> goldens;
  std::vector<fs::path> examples;
  for (const auto& entry : fs::recursive_directory_iterator(source / "examples")) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") examples.push_back(entry.path());
  }
  std::sort(examples.begin(), examples.end());
  for (const fs::path& p : examples) {
    const fs::path relative = fs::relative(p, source / "examples");
    goldens.push_back({"examples/" + relative.string(), readFile(p),
                       (goldenDir / "examples" / relative).replace_extension(".json")});
  }
  std::vector<tavrix_tool::Sample> samples;
  std::string error;
  if (!tavrix_tool::readSamples((source / "tests" / "data" / "real-world.jsonl").string(), &samples, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  for (const tavrix_tool::Sample& s : samples) {
    goldens.push_back({"real-world " + s.id, s.input, goldenDir / "real-world" / (s.id + ".json")});
  }

  int changed = 0;
  std::set<fs::path> expectedFiles;
  for (const Golden& g : goldens) {
    expectedFiles.insert(g.file);
    const std::string answer = answerOf(g.input);
    if (update) {
      fs::create_directories(g.file.parent_path());
      if (!fs::exists(g.file) || readFile(g.file) != answer) {
        std::ofstream(g.file, std::ios::binary) << answer;
        std::printf("updated %s\n", g.name.c_str());
        ++changed;
      }
      continue;
    }
    if (!fs::exists(g.file)) {
      std::printf("no golden file for %s (%s)\n", g.name.c_str(), g.file.string().c_str());
      ++changed;
      continue;
    }
    const std::string stored = readFile(g.file);
    if (stored != answer) {
      std::printf("%s changed\n      %s\n", g.name.c_str(), firstDifference(stored, answer).c_str());
      ++changed;
    }
  }
  // A golden file whose text is gone is stale.
  for (const char* dir : {"examples", "real-world"}) {
    if (!fs::exists(goldenDir / dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(goldenDir / dir)) {
      if (!entry.is_regular_file() || expectedFiles.count(entry.path()) != 0) continue;
      if (update) {
        fs::remove(entry.path());
        std::printf("removed %s\n", entry.path().string().c_str());
      } else {
        std::printf("stale golden file %s\n", entry.path().string().c_str());
        ++changed;
      }
    }
  }
  if (update) {
    std::printf("%zu texts, %d golden files written\n", goldens.size(), changed);
    return 0;
  }
  if (changed != 0) {
    std::printf("%d of %zu golden outputs differ; after an intended change run tavrix_golden --update\n", changed,
                goldens.size());
    return 1;
  }
  std::printf("%zu golden outputs match\n", goldens.size());
  return 0;
}
