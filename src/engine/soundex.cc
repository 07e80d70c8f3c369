#include "engine/soundex.h"

#include "engine/ascii_classes.h"

namespace tavrix {
namespace {

// Code digit of an upper-case letter: 0 for vowels, 7 for H, W and Y,
// which separate nothing.
constexpr char kLetterCodes[26] = {
    0, 1, 2, 3, 0, 1, 2, 7, 0, 2, 2, 4, 5, 5, 0, 1, 2, 6, 2, 3, 0, 1, 7, 2, 7, 2,
};
static_assert(sizeof(kLetterCodes) == 26);

int letterCode(char upper) { return kLetterCodes[byteOf(upper) - 'A']; }

}  // namespace

int32_t soundexCode(Span name, char* out4) {
  if (out4 == nullptr || spanIsEmpty(name)) return VTX_ERR_ARGUMENT;
  const char first = asciiUpper(name.data[0]);
  if (!isAsciiUpper(byteOf(first))) return VTX_ERR_ARGUMENT;
  out4[0] = first;
  out4[1] = out4[2] = out4[3] = '0';
  int previous = letterCode(first);
  int32_t written = 0;
  for (int32_t i = 1; i < name.length && written < 3; ++i) {
    const char c = asciiUpper(name.data[i]);
    if (!isAsciiUpper(byteOf(c))) return VTX_ERR_ARGUMENT;
    const int code = letterCode(c);
    if (code == 0) {
      previous = 0;
    } else if (code != 7 && code != previous) {
      out4[1 + written++] = static_cast<char>('0' + code);
      previous = code;
    }
  }
  return VTX_OK;
}

int32_t soundexCodeStr(const char* name, char* out4) {
  if (name == nullptr || out4 == nullptr) return VTX_ERR_ARGUMENT;
  int32_t length = 0;
  while (name[length] != '\0' && length < INT32_MAX) ++length;
  return soundexCode(Span{name, length}, out4);
}

}  // namespace tavrix
