#include "formats/other/cac/card_item_stores.h"

#include <cstring>

#include "engine/calendar.h"
#include "engine/record.h"
#include "engine/text_numbers.h"
#include "engine/text_span.h"

namespace tavrix {
namespace {

// Enough for the decimal form of any value cardBase32Value accepts.
constexpr int32_t kDecimalRoom = 24;
// 12 base-32 digits are 60 bits: more cannot be a card number.
constexpr int32_t kMaxBase32Digits = 12;
constexpr int32_t kMonthDateLength = 9;
constexpr int32_t kMaxHeightLength = 12;

constexpr const char* kMonths[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

int32_t base32Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'V') return c - 'A' + 10;
  return -1;
}

void storeBase32Number(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  uint64_t number = 0;
  if (cardBase32Value(value, &number) != 0) return;
  char decimal[kDecimalRoom];
  const int32_t n = formatIntChecked(static_cast<int64_t>(number), decimal, kDecimalRoom, 0);
  recordSetSpan(parser->record, item.fieldId, Span{decimal, n});
}

// Day 0 is 1 January 1000.
void storeBase32Day(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  uint64_t days = 0;
  if (cardBase32Value(value, &days) != 0) return;
  DateTime date;
  if (dateFromDayNumber(days + 1u, &date) != 0) return;
  recordSetDate(parser->record, item.fieldId, &date);
}

// 1-12 for a month abbreviation at the item's characters 5 to 7, else 0.
int32_t monthOf(Span value) {
  for (int32_t m = 0; m < 12; ++m) {
    if (std::memcmp(value.data + 4, kMonths[m], 3) == 0) return m + 1;
  }
  return 0;
}

// 2019JAN15 is stored as 20190115: the year and day characters as they
// stand, the month as its number. Anything else is kept as text.
void storeMonthDate(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  const int32_t month = value.data != nullptr && value.length == kMonthDateLength ? monthOf(value) : 0;
  if (month == 0) {
    cardStoreTrimmed(parser, item, value);
    return;
  }
  char date[8];
  std::memcpy(date, value.data, 4);
  date[4] = digitChar(static_cast<uint32_t>(month / 10));
  date[5] = digitChar(static_cast<uint32_t>(month % 10));
  date[6] = value.data[7];
  date[7] = value.data[8];
  recordSetSpan(parser->record, item.fieldId, Span{date, 8});
}

// Feet, then inches: 59 is stored as 5'9" and 6 as 6'". A blank item has no
// height.
void storeHeight(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  spanTrimIf(&value, isCardPadding);
  if (spanIsEmpty(value) || value.length > kMaxHeightLength) return;
  char height[kMaxHeightLength + 2];
  height[0] = value.data[0];
  height[1] = '\'';
  std::memcpy(height + 2, value.data + 1, static_cast<size_t>(value.length - 1));
  height[value.length + 1] = '"';
  recordSetSpan(parser->record, item.fieldId, Span{height, value.length + 2});
}

// Writes the names with every space turned into ", ", straight into the
// arena; a name list cut by the end of the arena keeps what fitted.
int32_t writeNameList(void* context, char* destination, int32_t room) {
  const Span names = *static_cast<const Span*>(context);
  int32_t n = 0;
  for (int32_t i = 0; i < names.length; ++i) {
    const char c = names.data[i];
    if (c != ' ') {
      if (n + 1 > room) break;
      destination[n++] = c;
      continue;
    }
    if (n + 2 > room) break;
    destination[n++] = ',';
    destination[n++] = ' ';
  }
  while (n > 0 && isCardPadding(byteOf(destination[n - 1]))) --n;
  return n;
}

void storeNameList(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  // Trimmed first: the padding after the last name is no separator.
  spanTrimIf(&value, isCardPadding);
  if (spanIsEmpty(value)) return;
  recordSetFieldWith(parser->record, item.fieldId, &value, writeNameList);
}

}  // namespace

int32_t cardBase32Value(Span digits, uint64_t* value) {
  if (value == nullptr || spanIsEmpty(digits)) return -1;
  uint64_t number = 0;
  int32_t count = 0;
  for (int32_t i = 0; i < digits.length && digits.data[i] != '='; ++i) {
    const int32_t digit = base32Digit(digits.data[i]);
    if (digit < 0 || ++count > kMaxBase32Digits) return -1;
    number = number * 32u + static_cast<uint64_t>(digit);
  }
  if (count == 0) return -1;
  *value = number;
  return 0;
}

void cardStoreBase32Item(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  switch (item.form) {
    case ItemForm::base32Number:
      storeBase32Number(parser, item, value);
      return;
    case ItemForm::base32Day:
      storeBase32Day(parser, item, value);
      return;
    default:
      cardStoreTrimmed(parser, item, value);
      return;
  }
}

void cardStoreLayoutItem(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  switch (item.form) {
    case ItemForm::monthDate:
      storeMonthDate(parser, item, value);
      return;
    case ItemForm::height:
      storeHeight(parser, item, value);
      return;
    case ItemForm::nameList:
      storeNameList(parser, item, value);
      return;
    default:
      cardStoreTrimmed(parser, item, value);
      return;
  }
}

}  // namespace tavrix
