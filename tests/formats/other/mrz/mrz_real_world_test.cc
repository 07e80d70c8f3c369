// Every zone text of the seed corpus (the real-world samples) is read as a
// zone or refused as unrecognised; the well-formed ones are all read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "formats/aamva/aamva_barcode.h"

namespace tavrix::test {
namespace {

TEST(ZonesRealWorld, EveryCorpusZoneIsReadOrRefused) {
  const std::filesystem::path corpus = std::filesystem::path(TAVRIX_SOURCE_DIR) / "fuzz" / "corpus" / "zone_cac_national";
  int32_t read = 0, refused = 0;
  Parsed p;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("mrz-", 0) != 0) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    SCOPED_TRACE(name);
    const int32_t code = p.parse(text);
    if (code == VTX_OK) {
      ++read;
      EXPECT_TRUE(p.formatId() >= 64 && p.formatId() <= 67) << p.formatId();
    } else {
      ++refused;
      EXPECT_EQ(code, VTX_ERR_UNRECOGNISED);
    }
  }
  // The scans with misread characters (a digit in a name, a letter in a
  // date) are the refused ones.
  EXPECT_EQ(read, 29);
  EXPECT_EQ(refused, 12);
}

}  // namespace
}  // namespace tavrix::test
