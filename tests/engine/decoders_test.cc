#include "engine/decoders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

using namespace std::string_literals;

struct Decoded {
  int32_t rc;
  std::string text;
  bool guardIntact;
};

// Runs a decoder into a buffer of `capacity` bytes followed by guard bytes.
Decoded run(Decoder decoder, const std::string& input, int32_t capacity) {
  std::vector<char> out(static_cast<size_t>(capacity) + 16, '#');
  int32_t n = -1;
  const int32_t rc = decoder(input.data(), static_cast<int32_t>(input.size()), out.data(), capacity, &n);
  bool guard = true;
  for (size_t i = static_cast<size_t>(capacity); i < out.size(); ++i) guard = guard && out[i] == '#';
  return Decoded{rc, rc == 0 && n >= 0 ? std::string(out.data(), static_cast<size_t>(n)) : std::string(), guard};
}

TEST(DecodeNormalized, StepsAndHeaderRepairs) {
  struct Case {
    const char* what;
    std::string input;
    std::string expected;
  };
  const Case cases[] = {
      {"escape becomes CR", "ab[0D]cd", "ab\rcd"},
      {"real controls dropped in escape mode", "ab\rcd[0D]ef", "abcd\ref"},
      {"escape after NUL is not seen", "ab\0[0D]"s, "ab[0D]"},
      {"lower-case escape does not start escape mode", "ab[0d]cd", "ab[0d]cd"},
      {"lower-case hex decoded once in escape mode", "x[0A]y[1e]z", "x\ny\x1Ez"},
      {"DEL stays and high bytes go in escape mode", "a\x7F\xE9[0A]b", "a\x7F\nb"},
      {"broken escapes stay", "q[0A]z[5x][41][4", "q\nz[5x]A[4"},
      {"controls and trailing high bytes stay outside escape mode", "A\x01" "B\xE9", "A\x01" "B\xE9"},
      {"backslash n and r", "a\\nb\\rc\\td\\", "a\nb\rc\\td\\"},
      {"stripe junk between tracks", "%B12?*\x02X\0;34?"s, "%B12?;34?"},
      {"stripe junk needs a non-LF byte", "%B12?*\x02\n\0;34?"s, "%B12?*\x02\n;34?"},
      {"leading controls, high bytes and spaces go", "\r\n\xC3  @\n\nANSI \r\n ", "@\n\x1E\rANSI"},
      {"nothing left", "\r\n   \r", ""},
      {"repair 1", "@\r\r\n\r\r\nANSI", "@\n\x1E\rANSI"},
      {"repair 2", "@\r\n\x1E\r\nANSI", "@\n\x1E\rANSI"},
      {"repair 3", "@\n \nANSI", "@\n\x1E\rANSI"},
      {"repair 4", "@\n\nANSI", "@\n\x1E\rANSI"},
      {"repair 5", "@\n\rANSI", "@\n\x1E\rANSI"},
      {"repair 6", "@\x1E*>-\x1E" "AN", "@*\x1E-AN"},
      {"repair 7", "@\x1E*AN", "@*AN"},
      {"repairs 8 and 9", "A\r\r\nB\r\nC", "A\nB\nC"},
      {"escaped header", "@[0D][0A][1E][0D][0A]ANSI 6360[0D][0A]DAQ1", "@\n\x1E\rANSI 6360\nDAQ1"},
  };
  for (const Case& c : cases) {
    const Decoded d = run(decodeNormalized, c.input, 256);
    EXPECT_EQ(d.rc, 0) << c.what;
    EXPECT_EQ(d.text, c.expected) << c.what;
  }
}

TEST(DecodeNormalized, CapacityLimits) {
  struct Case {
    std::string input;
    int32_t capacity;
    std::string expected;
  };
  // At most capacity - 1 text bytes, and the terminator stays inside; a
  // repair that grows the text needs room for its extra byte plus the NUL.
  const Case cases[] = {{"ABCDEFG", 5, "ABCD"}, {"@\n\nA", 5, "@\n\nA"}, {"@\n\nA", 6, "@\n\x1E\rA"}, {"ABC", 1, ""}};
  for (const Case& c : cases) {
    const Decoded d = run(decodeNormalized, c.input, c.capacity);
    EXPECT_EQ(d.rc, 0);
    EXPECT_EQ(d.text, c.expected) << c.capacity;
    EXPECT_TRUE(d.guardIntact) << c.capacity;
  }
  EXPECT_EQ(run(decodeNormalized, "ABC", 0).rc, -21);
  // A flood of escaped line ends: every one decoded, turned into LF and trimmed.
  std::string flood;
  for (int i = 0; i < 20000; ++i) flood += "[0D][0A]";
  EXPECT_EQ(run(decodeNormalized, flood + "X", static_cast<int32_t>(flood.size()) + 2).text, "X");
}

TEST(DecodeNormalizedPrintable, KeepsLineEndsAndRecordSeparator) {
  const Decoded d = run(decodeNormalizedPrintable, "A\x1D" "B\x1E" "C{|}~\x7F\xE9" "D\n\rE z", 64);
  EXPECT_EQ(d.rc, 0);
  EXPECT_EQ(d.text, "A B\x1E" "C      D\n\rE z");
}

TEST(DecodeVerbatim, CopiesExactlyCapacityBytes) {
  const Decoded d = run(decodeVerbatim, "AB\0CD"s, 4);
  EXPECT_EQ(d.text, "AB\0C"s);
  EXPECT_TRUE(d.guardIntact);
  EXPECT_EQ(run(decodeVerbatim, "", 4).rc, -21);
  EXPECT_EQ(run(decodeVerbatim, "A", 0).rc, -21);
  char out[4];
  EXPECT_EQ(decodeVerbatim("ABC", 3, out, 4, nullptr), 0);  // the length pointer is optional
}

TEST(DecodeFoldLatin1, FoldsLettersAndKeepsTheRest) {
  EXPECT_EQ(run(decodeFoldLatin1, "J\xC9R\xD4ME\0\x80"s, 8).text, "JEROME\0\x80"s);
  EXPECT_EQ(run(decodeFoldLatin1, "\xE9\xE9\xE9", 2).text, "ee");
}

TEST(DecodeMrzText, KeepsZoneCharacters) {
  EXPECT_EQ(run(decodeMrzText, "P<utoEriksson<<anna\r\nL898 902C3.6", 64).text, "P<UTOERIKSSON<<ANNAL898902C36");
  const Decoded d = run(decodeMrzText, "AB CDEF", 4);  // reads at most capacity - 1 input bytes
  EXPECT_EQ(d.text, "AB");
  EXPECT_TRUE(d.guardIntact);
  EXPECT_EQ(run(decodeMrzText, "AB", 1).rc, -21);
  char out[8];
  EXPECT_EQ(decodeMrzText("AB", 2, out, 8, nullptr), -21);
}

}  // namespace
}  // namespace tavrix
