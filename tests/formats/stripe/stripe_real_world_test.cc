// Every real-world stripe text of the seed corpus is recognised as a
// magnetic stripe and read for its licence essentials.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/record.h"
#include "fields/field_ids.h"
#include "formats/stripe/stripe_text.h"

namespace tavrix::test {
namespace {

TEST(StripeRealWorld, EveryCorpusStripeIsRecognised) {
  const std::filesystem::path corpus = std::filesystem::path(TAVRIX_SOURCE_DIR) / "fuzz" / "corpus" / "stripe_hc";
  int32_t seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("stripe-", 0) != 0) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ++seen;
    SCOPED_TRACE(name);
    StripeParse p(text);
    ASSERT_EQ(p.code, VTX_OK);
    EXPECT_EQ(p.documentClass(), static_cast<uint32_t>(kMagneticStripe));
    EXPECT_NE(p.field(field::fullName), "");
    EXPECT_NE(p.field(field::addressJurisdictionCode), "");
    // Only the text with track 1 alone has no track 2 to read.
    if (p.formatId() != 10) {
      EXPECT_NE(p.field(field::licenseNumber), "");
      EXPECT_NE(p.field(field::birthDate), "");
    }
  }
  EXPECT_EQ(seen, 9);
}

}  // namespace
}  // namespace tavrix::test
