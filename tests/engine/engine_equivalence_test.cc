// The library's engine against the plain reference engine: on every example,
// golden text, fuzz-corpus file and real-world sample the two leave the same
// record (every field's bytes, class, format id) and the same answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "answer_report.h"
#include "api/lifecycle.h"
#include "engine/reference_engine.h"
#include "formats/format_registry.h"
#include "sample_file.h"

namespace tavrix::test {
namespace {

int32_t fixedDay(DateTime* now) {
  *now = DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

std::vector<std::string> filesIn(const std::filesystem::path& dir) {
  std::vector<std::string> texts;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return texts;
}

std::vector<std::string> allTexts() {
  std::vector<std::string> texts = filesIn(TAVRIX_SOURCE_DIR "/examples");
  for (std::string& t : filesIn(TAVRIX_SOURCE_DIR "/fuzz/corpus")) texts.push_back(std::move(t));
  std::vector<tavrix_tool::Sample> samples;
  std::string error;
  EXPECT_TRUE(tavrix_tool::readSamples(TAVRIX_SOURCE_DIR "/tests/data/real-world.jsonl", &samples, &error));
  for (const auto& s : samples) {
    texts.push_back(s.input);
    // The same text in lower case and cut in half: other rows then compete.
    std::string lower = s.input;
    for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    texts.push_back(lower);
    texts.push_back(s.input.substr(0, s.input.size() / 2));
  }
  return texts;
}

// Every field's text, the class and the format id.
std::string recordText(const FieldRecord& record) {
  std::string out = std::to_string(record.documentClass) + "/" + std::to_string(record.formatId);
  for (int32_t id = 0; id < kFieldCount; ++id) {
    const Span s = recordField(&record, id);
    out += '|';
    if (s.data != nullptr && s.length > 0) out.append(s.data, static_cast<size_t>(s.length));
  }
  return out;
}

struct Outcome {
  std::string record;
  std::string answers;
};

Outcome run(const std::string& text, EngineFunction engine) {
  auto* h = static_cast<ParserHandle*>(VTX_create());
  h->clock = fixedDay;
  const int32_t rc = parseWithRegistry(h, formatRegistry(), text.data(), static_cast<int32_t>(text.size()), engine);
  Outcome o{recordText(h->record), tavrix_tool::answerReport(h, rc)};
  VTX_delete(h);
  return o;
}

TEST(EngineEquivalence, TheEngineLeavesWhatThePlainEngineLeaves) {
  const std::vector<std::string> texts = allTexts();
  ASSERT_GT(texts.size(), 300u);
  int differences = 0;
  for (const std::string& text : texts) {
    if (text.empty()) continue;
    const Outcome fast = run(text, runParseEngine);
    const Outcome plain = run(text, referenceParseEngine);
    if (fast.record != plain.record || fast.answers != plain.answers) {
      ++differences;
      ADD_FAILURE() << "the engines differ on " << tavrix_tool::jsonQuote(text.substr(0, 120));
      if (differences > 5) break;
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace tavrix::test
