#include "formats/aamva/run_together.h"

#include <cstring>

#include "engine/ascii_classes.h"
#include "formats/aamva/element_maps.h"

namespace tavrix {
namespace {

enum class ValueForm : uint8_t { free, date, sex, height, postalCode };

bool idIs(const char* id, const char* name) { return std::memcmp(id, name, 3) == 0; }

ValueForm formOf(const char* id) {
  static constexpr const char* kDates[] = {"DBA", "DBB", "DBD", "DBL", "DDB", "DDC",
                                           "DDH", "DDI", "DDJ", "PAB", "PAD"};
  for (const char* date : kDates) {
    if (idIs(id, date)) return ValueForm::date;
  }
  if (idIs(id, "DBC")) return ValueForm::sex;
  if (idIs(id, "DAU") || idIs(id, "DAV")) return ValueForm::height;
  if (idIs(id, "DAK") || idIs(id, "DAP")) return ValueForm::postalCode;
  return ValueForm::free;
}

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
  // Ids that started an element; each element occurs once.
  constexpr int32_t kMaxUsed = kRunTogetherMaxElements;
  const char* used[kMaxUsed];
  int32_t usedCount = 0;
  used[usedCount++] = text.data;
  auto isUsed = [&](const char* id) {
    for (int32_t i = 0; i < usedCount; ++i) {
      if (idIs(used[i], id)) return true;
    }
    return false;
  };

  auto inMap = [&](const char* id) {
    int32_t index = 0;
    return isAamvaElementId(id) && codePairLookup(aamvaElementCode(id[0], id[1], id[2]), map, mapLength, &index) >= 0;
  };

  int32_t count = 0;
  int32_t idStart = 0;
  for (int32_t p = 4; p + 3 <= end; ++p) {
    const char* id = text.data + p;
    if (!isAamvaElementId(id) || isUsed(id)) continue;
    const Span value{text.data + idStart + 3, p - idStart - 3};
    if (!valueFits(formOf(text.data + idStart), value)) continue;
    if (!inMap(id) && ((p + 4 <= end && inMap(id + 1)) || (p + 5 <= end && inMap(id + 2)))) continue;
    if (!valueStartFits(formOf(id), Span{id + 3, end - p - 3})) continue;
    if (count + 2 > capacity || usedCount == kMaxUsed) break;
    elements[count++] = Span{text.data + idStart, p - idStart};
    used[usedCount++] = id;
    idStart = p;
    p += 3;  // the next boundary leaves this element a value of at least one character
  }
  if (count == 0) return 0;
  elements[count++] = Span{text.data + idStart, end - idStart};
  return count;
}

}  // namespace tavrix
