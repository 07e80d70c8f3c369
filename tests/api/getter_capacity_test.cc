// A small buffer gets the beginning of the value a large one gets, never a
// different value: names split from a full name, a name joined from its
// parts and a postal code found in the street line are formed whole before
// they are cut to the caller's capacity.
#include <gtest/gtest.h>

#include <string>

#include "tavrix_parser.h"

namespace {

struct Answer {
  int32_t code;
  std::string value;
  bool operator==(const Answer&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Answer& a) { return out << a.code << " \"" << a.value << '"'; }

Answer ask(int32_t (*getter)(void*, char*, int32_t), void* handle, int32_t capacity) {
  std::string buffer(static_cast<size_t>(capacity), '#');
  const int32_t code = getter(handle, buffer.data(), capacity);
  return {code, code == VTX_OK ? std::string(buffer.c_str()) : std::string()};
}

const std::string kCardWithFullName =
    "IDUS320010DOE JOHN Q                 123456789A987654321NM59180BRBL1985MAR15YN1232019OCT012031OCT01USN   "
    "2021JUN012027MAY31ABCDXE4    12345W2    0042NAVAL STATION NORFOLK      2020JAN02SVC   ";
const std::string kLicenceWithoutMiddleName =
    "@\n\x1e\rANSI 636035080002DL00410150ZI01910010DLDCSSAMPLE\nDACALEX\nDADNONE\nDBB03141986\n"
    "DAG12 MAIN ST SPRINGFIELD IL 62701\nDAISPRINGFIELD\nDAJIL\nDAQS12345678901\nDCGUSA\nZIZIA1\n";

TEST(GetterCapacity, SmallBuffersGetTheSameValueCut) {
  const struct {
    const char* what;
    const std::string& text;
    int32_t (*getter)(void*, char*, int32_t);
    int32_t capacity;
    Answer expected;
  } cases[] = {
      // Split from the card's full name: "JOHN" fits five bytes.
      {"first name from full name", kCardWithFullName, VTX_getFirstName, 5, {VTX_OK, "JOHN"}},
      {"first name cut", kCardWithFullName, VTX_getFirstName, 3, {VTX_OK, "JO"}},
      {"last name from full name", kCardWithFullName, VTX_getLastName, 4, {VTX_OK, "DOE"}},
      // "NONE" says there is no middle name, in any buffer; its first
      // letters are not a name.
      {"middle NONE, 2 bytes", kLicenceWithoutMiddleName, VTX_getMiddleName, 2, {VTX_ERR_NOT_AVAILABLE, ""}},
      {"middle NONE, 4 bytes", kLicenceWithoutMiddleName, VTX_getMiddleName, 4, {VTX_ERR_NOT_AVAILABLE, ""}},
      // A name joined from its parts is cut, never missing a part in the
      // middle: with "ALEX" too long for the room, "SAMPLE" must not move up.
      {"joined name cut", kLicenceWithoutMiddleName, VTX_getFullName, 6, {VTX_OK, "ALEX "}},
      {"joined name whole", kLicenceWithoutMiddleName, VTX_getFullName, 12, {VTX_OK, "ALEX SAMPLE"}},
      // The code after city and jurisdiction in the street line: the city
      // is read outside the caller's buffer, so 13 bytes are enough.
      {"postal code from street", kLicenceWithoutMiddleName, VTX_getPostalCode, 13, {VTX_OK, "62701-0000"}},
  };
  void* handle = VTX_create();
  for (const auto& c : cases) {
    ASSERT_EQ(VTX_parse(handle, c.text.data(), static_cast<int32_t>(c.text.size())), VTX_OK) << c.what;
    EXPECT_EQ(ask(c.getter, handle, c.capacity), c.expected) << c.what;
  }
  VTX_delete(handle);
}

}  // namespace
