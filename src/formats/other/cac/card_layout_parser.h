// The fixed-width item reader of the Common Access Card barcodes. A card
// text is a header followed by items of fixed widths, one after the other,
// without separators; a layout table gives the items in order. Every step
// is a replaceable slot: a card format is the default parser with a layout,
// a version text and a few slots replaced.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

// Result codes of the card steps; they stay among the card formats.
namespace cac_rc {
inline constexpr int32_t kVersion = -7;          // the version character is not the format's
inline constexpr int32_t kSelector = -14;        // the layout selector is not the format's
inline constexpr int32_t kNoContent = -15;       // nothing read beyond the version and the selector
inline constexpr int32_t kMalformed = -20;       // header prefix missing, or too short for the header
inline constexpr int32_t kArgument = -21;        // no text, a negative length or an unusable layout
inline constexpr int32_t kEndsInsideItem = -25;  // the text ends inside an item that is not the last
}  // namespace cac_rc

// How an item's characters become the field's text.
enum class ItemForm : uint8_t {
  text,          // trimmed of white space
  version,       // as text, but it names the card's version or layout and is no content
  base32Number,  // a base-32 number, stored in decimal
  base32Day,     // a base-32 count of days after 1 January 1000, stored as a date
  monthDate,     // YYYYMMMDD with an English month abbreviation, stored as a date
  height,        // feet and inches digits, stored as 5'9"
  nameList,      // names separated by spaces, stored separated by ", "
};

struct LayoutItem {
  int32_t fieldId = -1;
  uint32_t width = 0;
  // Offset from the start of the body: the sum of the widths before it.
  // Written out so the tables read like the card's documentation; a
  // compile-time check proves it.
  uint32_t position = 0;
  ItemForm form = ItemForm::text;
};

// The positions of a layout run on from each other without gaps, every
// item is at least one character wide, and the whole is `total` wide.
template <size_t N>
constexpr bool layoutPositionsRunOn(const std::array<LayoutItem, N>& items, uint32_t total) {
  uint32_t sum = 0;
  for (const LayoutItem& item : items) {
    if (item.width < 1 || item.position != sum) return false;
    sum += item.width;
  }
  return sum == total;
}

struct CardLayoutParser;

using CardRunSlot = int32_t (*)(CardLayoutParser* parser, const char* text, int32_t length);
using CardSpanSlot = int32_t (*)(CardLayoutParser* parser, Span text);
using CardWalkSlot = int32_t (*)(CardLayoutParser* parser, Span body, const LayoutItem* layout, uint32_t count);
using CardStoreSlot = void (*)(CardLayoutParser* parser, const LayoutItem& item, Span value);

// Length of the "IDUS3" + four characters header of the item layouts.
inline constexpr int32_t kCardHeaderLength = 9;

int32_t cardRun(CardLayoutParser* parser, const char* text, int32_t length);
// "IDUS" and, when the parser has a version text, that version next.
int32_t cardCheckIdusHeader(CardLayoutParser* parser, Span text);
// The version text as the first character (the base-32 cards).
int32_t cardCheckFirstCharacter(CardLayoutParser* parser, Span text);
// "IDCV" and at least one character after it; the version is not compared.
int32_t cardCheckIdcvHeader(CardLayoutParser* parser, Span text);
// The nine-character header skipped, the rest walked.
int32_t cardParseHeaderedBody(CardLayoutParser* parser, Span text);
// The whole text walked (the base-32 cards carry their version as item 1).
int32_t cardParseWholeText(CardLayoutParser* parser, Span text);
int32_t cardWalkLayout(CardLayoutParser* parser, Span body, const LayoutItem* layout, uint32_t count);
// Trims white space and NUL from both ends and stores what is left.
void cardStoreTrimmed(CardLayoutParser* parser, const LayoutItem& item, Span value);

struct CardLayoutParser {
  FieldRecord* record = nullptr;
  const ParserHandle* context = nullptr;  // the card formats need no parse time
  const char* version = "";               // "" compares no version
  const LayoutItem* layout = nullptr;
  uint32_t itemCount = 0;
  // The steps, in the order they run. A null check or body slot is skipped.
  CardRunSlot run = cardRun;
  CardSpanSlot checkHeader = cardCheckIdusHeader;
  CardSpanSlot parseBody = cardParseHeaderedBody;
  CardWalkSlot walkLayout = cardWalkLayout;
  CardStoreSlot storeItem = cardStoreTrimmed;
  // Items that left text in the record, not counting the version and
  // layout selector items.
  int32_t contentItems = 0;
};

// White space as the card items are padded: TAB, LF, VT, FF, CR, space
// and the NUL character.
int isCardPadding(int c);

}  // namespace tavrix
