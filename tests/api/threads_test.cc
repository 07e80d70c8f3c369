// Handles on several threads at once: each thread parses every sample text
// many times on its own handle, and every answer equals the one a single
// thread gave. Built with -DTAVRIX_SANITIZE=thread this also proves that no
// state is shared between handles.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "answer_report.h"
#include "engine/parser_handle.h"
#include "sample_file.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

int32_t sampleDay(DateTime* now) {
  *now = DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

std::vector<std::string> sampleTexts() {
  std::vector<std::string> texts;
  std::vector<tavrix_tool::Sample> samples;
  std::string error;
  EXPECT_TRUE(tavrix_tool::readSamples(TAVRIX_SOURCE_DIR "/tests/data/real-world.jsonl", &samples, &error)) << error;
  for (const auto& s : samples) texts.push_back(s.input);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(TAVRIX_SOURCE_DIR "/examples")) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return texts;
}

std::string answerOn(void* handle, const std::string& text) {
  return tavrix_tool::answerReport(handle, VTX_parse(handle, text.data(), static_cast<int32_t>(text.size())));
}

TEST(Threads, HandlesOnFourThreadsAnswerAsOne) {
  const std::vector<std::string> texts = sampleTexts();
  ASSERT_GT(texts.size(), 100u);
  std::vector<std::string> expected;
  void* single = VTX_create();
  static_cast<ParserHandle*>(single)->clock = sampleDay;
  for (const std::string& text : texts) expected.push_back(answerOn(single, text));
  VTX_delete(single);

  constexpr int kThreads = 4;
  constexpr int kRounds = 5;
  std::vector<int> mismatches(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      void* handle = VTX_create();
      static_cast<ParserHandle*>(handle)->clock = sampleDay;
      for (int round = 0; round < kRounds; ++round) {
        // Each thread walks the texts from its own starting point.
        for (size_t i = 0; i < texts.size(); ++i) {
          const size_t k = (i + static_cast<size_t>(t) * 17) % texts.size();
          if (answerOn(handle, texts[k]) != expected[k]) ++mismatches[static_cast<size_t>(t)];
        }
      }
      VTX_delete(handle);
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(mismatches[static_cast<size_t>(t)], 0) << "thread " << t;
}

}  // namespace
}  // namespace tavrix
