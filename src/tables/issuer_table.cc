#include "tables/issuer_table.h"

#include "engine/ascii_classes.h"

namespace tavrix {
namespace {

inline constexpr int32_t kBlockACount = static_cast<int32_t>(std::size(IssuerTableA));
inline constexpr int32_t kBlockBCount = static_cast<int32_t>(std::size(IssuerTableB));

// Reads the first six characters like atoi: optional leading white space,
// an optional sign, then digits up to the first non-digit. Six characters
// cannot overflow. False when the span is shorter than six characters.
bool readIssuerNumber(Span text, int64_t* value) {
  if (spanIsEmpty(text) || text.length < 6) return false;
  int32_t i = 0;
  while (i < 6 && isAsciiSpace(byteOf(text.data[i]))) ++i;
  bool negative = false;
  if (i < 6 && (text.data[i] == '+' || text.data[i] == '-')) {
    negative = text.data[i] == '-';
    ++i;
  }
  int64_t n = 0;
  for (; i < 6 && isAsciiDigit(byteOf(text.data[i])); ++i) n = n * 10 + (text.data[i] - '0');
  *value = negative ? -n : n;
  return true;
}

const IssuerRow* rowOfNumber(int64_t n) {
  if (n >= static_cast<int64_t>(kIssuerBlockAFirst) && n < static_cast<int64_t>(kIssuerBlockAFirst) + kBlockACount) {
    return &IssuerTableA[n - static_cast<int64_t>(kIssuerBlockAFirst)];
  }
  if (n >= static_cast<int64_t>(kIssuerBlockBFirst) && n < static_cast<int64_t>(kIssuerBlockBFirst) + kBlockBCount) {
    return &IssuerTableB[n - static_cast<int64_t>(kIssuerBlockBFirst)];
  }
  if (n == static_cast<int64_t>(kIssuerAlbertaExtra)) return &IssuerTableExtra;
  return nullptr;
}

bool codeMatches(const IssuerRow& row, Span code) {
  return row.code != nullptr && row.code[0] == code.data[0] && row.code[1] == code.data[1] && row.code[2] == '\0';
}

}  // namespace

const char* issuerCodeFromNumber(Span number) {
  int64_t n = 0;
  if (!readIssuerNumber(number, &n)) return nullptr;
  const IssuerRow* row = rowOfNumber(n);
  return row != nullptr ? row->code : nullptr;
}

bool issuerIsKnown(Span number) { return issuerCodeFromNumber(number) != nullptr; }

const char* issuerNumberFromCode(Span code) {
  if (spanIsEmpty(code) || code.length != 2) return nullptr;
  for (const IssuerRow& row : IssuerTableA) {
    if (codeMatches(row, code)) return row.numberText;
  }
  for (const IssuerRow& row : IssuerTableB) {
    if (codeMatches(row, code)) return row.numberText;
  }
  return codeMatches(IssuerTableExtra, code) ? IssuerTableExtra.numberText : nullptr;
}

}  // namespace tavrix
