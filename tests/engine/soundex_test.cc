#include "engine/soundex.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrix {
namespace {

TEST(Soundex, Codes) {
  const char* const cases[][2] = {
      {"Robert", "R163"},   {"Ashcraft", "A261"},  // H does not separate S and C
      {"Tymczak", "T522"},  {"Pfister", "P236"},   // the first letter's code absorbs F
      {"honeyman", "H555"}, {"Lee", "L000"},
      {"ROBERT-SMITH", "R163"},  // the text after the third digit is not read
  };
  for (const auto& c : cases) {
    char out[4] = {};
    ASSERT_EQ(soundexCodeStr(c[0], out), 0) << c[0];
    EXPECT_EQ(std::string(out, 4), c[1]) << c[0];
  }
  char out[4];
  for (const char* bad : {"O-BRIEN", "VAN DYKE", "1SMITH", ""}) EXPECT_EQ(soundexCodeStr(bad, out), -21) << bad;
  EXPECT_EQ(soundexCode(Span{"AB", 2}, nullptr), -21);
}

}  // namespace
}  // namespace tavrix
