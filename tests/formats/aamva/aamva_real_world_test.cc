// Every AAMVA text of the seed corpus (the real-world samples) goes through
// the library: each is recognised as an AAMVA barcode, answers every getter
// of the getter table without a fault, and leaves only printable fields.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fields/field_ids.h"
#include "formats/aamva/aamva_barcode.h"
#include "getter_table.h"

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
    for (int32_t id = 0; id < field::kCount; ++id) {
      for (char c : p.field(id)) ASSERT_TRUE(c >= 0x20 && c <= 0x7e) << field::nameOf(id);
    }
    for (int32_t g = 0; g < tavrix_tool::getterCount(); ++g) {
      const auto& getter = tavrix_tool::getterTable()[g];
      if (getter.text == nullptr) continue;
      char buffer[64];
      const int32_t rc = getter.text(p.handle, buffer, sizeof buffer);
      EXPECT_LE(rc, 0) << getter.cName;
      if (rc == 0) {
        EXPECT_NE(std::memchr(buffer, '\0', sizeof buffer), nullptr) << getter.cName;
      }
    }
  }
  EXPECT_GE(seen, 39);
}

}  // namespace
}  // namespace tavrix::test
