// Accuracy report: parses every real-world sample (each on a fresh handle) and compares our getters'
// answers with the values other parsers' test suites expect, per kind of
// document. It only prints; the figures are information, not a test.
//
//   tavrix_accuracy [--differences] [--kind KIND] [SAMPLE_FILE]
//
// --differences lists every compared field that does not agree; --kind
// reports one kind of document only.
//
// Each `expected` key is the JSON name of one of our getters (the getter
// table), so a kind or a getter added later is reported without a change
// here. Values are compared in the form both sides define the same way:
// dates as MM/DD/YYYY and sex as "Male"/"Female" (our getters' own forms),
// names, places and codes as text without regard to letter case or
// surrounding blanks, licence numbers and postal codes by their letters and
// digits (a 5-digit ZIP agrees with its ZIP+4 form), heights without
// leading zeros. Eye and hair colours are not compared: the suites expect
// the barcode's codes ("BRO"), our getters answer their names ("Brown").
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/parser_handle.h"
#include "getter_table.h"
#include "sample_file.h"
#include "tavrix_parser.h"

namespace {

using tavrix_tool::GetterEntry;
using tavrix_tool::GetterKind;

constexpr const char* kNotCompared[] = {"eyeColor", "hairColor"};

const GetterEntry* textGetter(const std::string& jsonName) {
  const GetterEntry* table = tavrix_tool::getterTable();
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    if (table[i].kind == GetterKind::text && jsonName == table[i].jsonName) return &table[i];
  }
  return nullptr;
}

std::string trimmedUpper(const std::string& text) {
  size_t from = 0;
  size_t to = text.size();
  while (from < to && std::isspace(static_cast<unsigned char>(text[from]))) ++from;
  while (to > from && std::isspace(static_cast<unsigned char>(text[to - 1]))) --to;
  std::string out;
  for (size_t i = from; i < to; ++i) out += static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
  return out;
}

std::string lettersAndDigits(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return out;
}

bool agrees(const std::string& key, const std::string& expected, const std::string& ours) {
  if (key == "licenseNumber") return lettersAndDigits(expected) == lettersAndDigits(ours);
  if (key == "postalCode") {
    const std::string a = lettersAndDigits(expected);
    const std::string b = lettersAndDigits(ours);
    if (a == b) return true;
    // A ZIP and its ZIP+4 form (padded with zeros by some issuers).
    const std::string& shorter = a.size() < b.size() ? a : b;
    const std::string& longer = a.size() < b.size() ? b : a;
    return shorter.size() >= 5 && longer.compare(0, shorter.size(), shorter) == 0;
  }
  if (key == "height") {
    auto noLeadingZeros = [](std::string s) {
      s = trimmedUpper(s);
      while (s.size() > 1 && s[0] == '0') s.erase(0, 1);
      return s;
    };
    return noLeadingZeros(expected) == noLeadingZeros(ours);
  }
  return trimmedUpper(expected) == trimmedUpper(ours);
}

// The golden outputs' day, so that two-digit years resolve as there.
int32_t reportDay(tavrix::DateTime* now) {
  *now = tavrix::DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

struct Tally {
  int samples = 0;
  int recognised = 0;
  int compared = 0;
  int agreeing = 0;
};

}  // namespace

int main(int argc, char** argv) {
  bool differences = false;
  std::string onlyKind;
  std::string path = std::string(TAVRIX_SOURCE_DIR) + "/tests/data/real-world.jsonl";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--differences") == 0) {
      differences = true;
    } else if (std::strcmp(argv[i], "--kind") == 0 && i + 1 < argc) {
      onlyKind = argv[++i];
    } else {
      path = argv[i];
    }
  }
  std::vector<tavrix_tool::Sample> samples;
  std::string error;
  if (!tavrix_tool::readSamples(path, &samples, &error)) {
    std::fprintf(stderr, "tavrix_accuracy: %s\n", error.c_str());
    return 2;
  }

  std::map<std::string, Tally> kinds;
  std::map<std::string, int> unknownKeys;
  for (const tavrix_tool::Sample& sample : samples) {
    if (!onlyKind.empty() && sample.kind != onlyKind) continue;
    Tally& tally = kinds[sample.kind];
    ++tally.samples;
    void* handle = VTX_create();
    if (handle == nullptr) return 2;
    static_cast<tavrix::ParserHandle*>(handle)->clock = reportDay;
    const int32_t rc = VTX_parse(handle, sample.input.data(), static_cast<int32_t>(sample.input.size()));
    if (rc == VTX_OK) ++tally.recognised;
    for (const auto& [key, expected] : sample.expected) {
      bool skipped = false;
      for (const char* name : kNotCompared) skipped = skipped || key == name;
      if (skipped) continue;
      const GetterEntry* getter = textGetter(key);
      if (getter == nullptr) {
        ++unknownKeys[key];
        continue;
      }
      char value[512] = "";
      const bool answered = rc == VTX_OK && getter->text(handle, value, sizeof value) == VTX_OK;
      const std::string ours = answered ? value : "";
      ++tally.compared;
      if (answered && agrees(key, expected, ours)) {
        ++tally.agreeing;
      } else if (differences) {
        std::printf("  %-40s %-16s expected \"%s\", ours %s%s%s\n", sample.id.c_str(), key.c_str(), expected.c_str(),
                    answered ? "\"" : "", answered ? ours.c_str() : "(none)", answered ? "\"" : "");
      }
    }
    VTX_delete(handle);
  }

  std::printf("%-8s %8s %11s %9s %9s %7s\n", "kind", "samples", "recognised", "compared", "agreeing", "share");
  for (const auto& [kind, t] : kinds) {
    const double share = t.compared > 0 ? 100.0 * t.agreeing / t.compared : 0.0;
    std::printf("%-8s %8d %11d %9d %9d %6.1f%%\n", kind.c_str(), t.samples, t.recognised, t.compared, t.agreeing,
                share);
  }
  if (!unknownKeys.empty()) {
    std::printf("not compared (no getter of that name):");
    for (const auto& [key, count] : unknownKeys) std::printf(" %s (%d)", key.c_str(), count);
    std::printf("\n");
  }
  std::printf("not compared (the suites expect codes, our getters names):");
  for (const char* name : kNotCompared) std::printf(" %s", name);
  std::printf("\n");
  return 0;
}
