// Every AAMVA text of the seed corpus (the real-world samples) is
// recognised as an AAMVA barcode. The corpus replay test puts the same
// texts through every getter.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fields/field_ids.h"
#include "formats/aamva/aamva_barcode.h"

namespace tavrix::test {
namespace {

TEST(AamvaRealWorld, EveryCorpusTextIsRecognised) {
  const std::filesystem::path corpus = std::filesystem::path(TAVRIX_SOURCE_DIR) / "fuzz" / "corpus";
  int32_t seen = 0;
  Parsed p;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("aamva-", 0) != 0) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ++seen;
    SCOPED_TRACE(name);
    ASSERT_EQ(p.parse(text), 0);
    EXPECT_TRUE(p.formatId() >= 17 && p.formatId() <= 47) << p.formatId();
    EXPECT_TRUE(p.formatId() == 47 || p.field(field::formatName).find("AAMVA DL/ID") != std::string::npos);
  }
  EXPECT_GE(seen, 39);
}

}  // namespace
}  // namespace tavrix::test
