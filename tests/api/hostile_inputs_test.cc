// Whatever a scanner delivers is answered with a documented code: half a
// barcode, floods of escapes and headers, binary noise, two documents run
// together. (How long each takes is the benchmark's business.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "answer_report.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

std::string repeat(const std::string& unit, size_t size) {
  std::string text;
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

const std::string kLicence =
    "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DLDAQD1234562\nDCSSAMPLE\nDACJOHN\nDBB01021980\n";

struct Hostile {
  const char* name;
  std::string text;
};

std::vector<Hostile> hostileInputs() {
  constexpr size_t kMegabyte = 1 << 20;
  std::string noise;
  uint32_t state = 99;
  while (noise.size() < 65536) {
    state = state * 1103515245u + 12345u;
    noise += static_cast<char>(state >> 24);
  }
  std::string elements = "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DL";
  std::string empties = elements;
  for (int i = 0; i < 100000; ++i) {
    elements += "DAQ1\n";
    empties += "\n";
  }
  return {
      {"one byte", "@"},
      {"8191 bytes", repeat("A", 8191)},
      {"8192 bytes", repeat("B", 8192)},
      {"8193 bytes", repeat("C", 8193)},
      {"65536 bytes of noise", noise},
      {"all NUL", std::string(70000, '\0')},
      {"all 0xFF", std::string(70000, '\xff')},
      {"unterminated escape [0", repeat("[0", kMegabyte)},
      {"unterminated escape [0D", repeat("[0D", kMegabyte)},
      {"header repairs", repeat("@\n\n", kMegabyte)},
      {"directory offset 9999", "@\n\x1e\rANSI 636014040002DL99990278ZC03190008DLDAQD1234562\nDCSSAMPLE\n"},
      {"entry count 99", "@\n\x1e\rANSI 636014040099DL00410278ZC03190008DLDAQD1234562\nDCSSAMPLE\n"},
      {"100,000 repeated elements", elements},
      {"100,000 empty elements", empties},
      {"1 MB line without separators", repeat("DAQ", kMegabyte)},
      {"two documents run together", kLicence + kLicence},
      {"half a barcode", kLicence.substr(0, kLicence.size() / 2)},
      {"stripe with every sentinel doubled", "%%BJOHN^^SMITH^^??;;6360141234567890==2512198001010??"},
  };
}

TEST(HostileInputs, EachIsAnsweredWithADocumentedCode) {
  void* handle = VTX_create();
  for (const Hostile& h : hostileInputs()) {
    SCOPED_TRACE(h.name);
    const int32_t rc = VTX_parse(handle, h.text.data(), static_cast<int32_t>(h.text.size()));
    EXPECT_TRUE(rc == VTX_OK || rc == VTX_ERR_UNRECOGNISED) << rc;
    // Every getter answers too, and a fresh handle agrees.
    const std::string answers = tavrix_tool::answerReport(handle, rc);
    void* fresh = VTX_create();
    EXPECT_EQ(tavrix_tool::answerReport(fresh, VTX_parse(fresh, h.text.data(), static_cast<int32_t>(h.text.size()))),
              answers);
    VTX_delete(fresh);
  }
  EXPECT_EQ(VTX_parse(handle, "", 0), VTX_ERR_ARGUMENT);
  VTX_delete(handle);
}

}  // namespace
}  // namespace tavrix
