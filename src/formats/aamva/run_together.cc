#include "formats/aamva/run_together.h"

#include <cstring>

#include "engine/ascii_classes.h"
#include "formats/aamva/element_maps.h"

namespace tavrix {
namespace {

enum class ValueForm : uint8_t { free, date, sex, height, postalCode };

ValueForm formOf(const char* id) {
  switch (aamvaElementCode(id[0], id[1], id[2])) {
    case aamvaElementCode('D', 'B', 'A'): case aamvaElementCode('D', 'B', 'B'): case aamvaElementCode('D', 'B', 'D'):
    case aamvaElementCode('D', 'B', 'L'): case aamvaElementCode('D', 'D', 'B'): case aamvaElementCode('D', 'D', 'C'):
    case aamvaElementCode('D', 'D', 'H'): case aamvaElementCode('D', 'D', 'I'): case aamvaElementCode('D', 'D', 'J'):
    case aamvaElementCode('P', 'A', 'B'): case aamvaElementCode('P', 'A', 'D'):
      return ValueForm::date;
    case aamvaElementCode('D', 'B', 'C'):
      return ValueForm::sex;
    case aamvaElementCode('D', 'A', 'U'): case aamvaElementCode('D', 'A', 'V'):
      return ValueForm::height;
    case aamvaElementCode('D', 'A', 'K'): case aamvaElementCode('D', 'A', 'P'):
      return ValueForm::postalCode;
    default:
      return ValueForm::free;
  }
}

// One bit per element id number (see aamvaElementIdIndex).
struct IdSet {
  uint64_t bits[(kAamvaElementIdSpace + 63) / 64] = {};
  void add(int32_t index) {
    if (index >= 0) bits[index >> 6] |= uint64_t{1} << (index & 63);
  }
  bool has(int32_t index) const { return index >= 0 && (bits[index >> 6] >> (index & 63) & 1) != 0; }
};

bool digitAt(Span s, int32_t i) { return i < s.length && isAsciiDigit(byteOf(s.data[i])) != 0; }
bool alnumAt(Span s, int32_t i) { return i < s.length && isAsciiAlnum(byteOf(s.data[i])) != 0; }
bool textAt(Span s, int32_t i, const char* text) {
  const int32_t n = static_cast<int32_t>(std::strlen(text));
  return i + n <= s.length && std::memcmp(s.data + i, text, static_cast<size_t>(n)) == 0;
}

// The whole value (trailing blanks aside) has its element's form.
bool valueFits(ValueForm form, Span value) {
  while (value.length > 0 && value.data[value.length - 1] == ' ') --value.length;
  if (value.length < 1) return form == ValueForm::free && value.data != nullptr;
  switch (form) {
    case ValueForm::free:
      return true;
    case ValueForm::date: {
      bool digits = value.length == 8;
      for (int32_t i = 0; digits && i < 8; ++i) digits = digitAt(value, i);
      return digits;
    }
    case ValueForm::sex:
      return value.length == 1 && alnumAt(value, 0);
    case ValueForm::height: {
      int32_t i = 0;
      while (i < value.length && value.data[i] == ' ') ++i;
      const int32_t from = i;
      while (digitAt(value, i)) ++i;
      if (i == from || i - from > 3) return false;
      if (i < value.length && value.data[i] == ' ') ++i;
      if (textAt(value, i, "IN") || textAt(value, i, "CM")) i += 2;
      return i == value.length;
    }
    case ValueForm::postalCode:
      for (int32_t i = 0; i < value.length; ++i) {
        const char c = value.data[i];
        if (!alnumAt(value, i) && c != ' ' && c != '-') return false;
      }
      return true;
  }
  return false;
}

// The characters after an id begin a value of its element's form.
bool valueStartFits(ValueForm form, Span rest) {
  switch (form) {
    case ValueForm::free:
      return rest.length == 0 || alnumAt(rest, 0) || rest.data[0] == ' ';
    case ValueForm::date: {
      bool digits = rest.length >= 8;
      for (int32_t i = 0; digits && i < 8; ++i) digits = digitAt(rest, i);
      return digits;
    }
    case ValueForm::sex:
      return alnumAt(rest, 0);
    case ValueForm::height:
      return digitAt(rest, 0) || (rest.length > 0 && rest.data[0] == ' ');
    case ValueForm::postalCode:
      return digitAt(rest, 0) || (alnumAt(rest, 0) && digitAt(rest, 1));
  }
  return false;
}

// Where a jurisdiction subfile ("ZF" then its element "ZFA") begins after
// the first element id, or the token's length.
int32_t subfileEnd(Span token) {
  for (int32_t i = 3; i + 4 <= token.length; ++i) {
    const char* p = token.data + i;
    if (p[0] == 'Z' && isAsciiUpper(byteOf(p[1])) != 0 && p[2] == 'Z' && p[3] == p[1]) return i;
  }
  return token.length;
}

}  // namespace

int32_t aamvaSplitRunTogether(Span token, const CodePair* map, int32_t mapLength, Span* elements,
                              int32_t capacity) {
  if (token.data == nullptr || token.length < 3 || elements == nullptr || capacity < 2) return 0;
  const int32_t end = subfileEnd(token);
  const Span text{token.data, end};
  // Ids that started an element (each element occurs once), and the ids of
  // the map.
  constexpr int32_t kMaxUsed = kRunTogetherMaxElements;
  IdSet used;
  int32_t usedCount = 0;
  used.add(aamvaElementIdIndex(text.data));
  ++usedCount;
  IdSet mapIds;
  for (int32_t i = 0; map != nullptr && i < mapLength; ++i) mapIds.add(aamvaElementCodeIndex(map[i].code));
  auto inMap = [&](const char* id) { return mapIds.has(aamvaElementIdIndex(id)); };

  int32_t count = 0;
  int32_t idStart = 0;
  ValueForm currentForm = formOf(text.data);
  for (int32_t p = 4; p + 3 <= end; ++p) {
    const char* id = text.data + p;
    const int32_t index = aamvaElementIdIndex(id);
    if (index < 0 || used.has(index)) continue;
    const Span value{text.data + idStart + 3, p - idStart - 3};
    if (!valueFits(currentForm, value)) continue;
    if (!mapIds.has(index) && ((p + 4 <= end && inMap(id + 1)) || (p + 5 <= end && inMap(id + 2)))) continue;
    const ValueForm form = formOf(id);
    if (!valueStartFits(form, Span{id + 3, end - p - 3})) continue;
    if (count + 2 > capacity || usedCount == kMaxUsed) break;
    elements[count++] = Span{text.data + idStart, p - idStart};
    used.add(index);
    ++usedCount;
    idStart = p;
    currentForm = form;
    p += 3;  // the next boundary leaves this element a value of at least one character
  }
  if (count == 0) return 0;
  elements[count++] = Span{text.data + idStart, end - idStart};
  return count;
}

}  // namespace tavrix
