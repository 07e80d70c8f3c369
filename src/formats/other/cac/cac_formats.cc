#include "formats/other/cac/cac_formats.h"

#include <cstring>
#include <iterator>

#include "fields/field_ids.h"
#include "formats/other/cac/card_item_stores.h"
#include "formats/other/cac/card_layout_parser.h"
#include "formats/other/cac/card_layouts.h"

namespace tavrix {
namespace {

struct CacVariant {
  int32_t formatId = 0;
  const char* version = "";
  const LayoutItem* layout = nullptr;
  uint32_t itemCount = 0;
  CardSpanSlot checkHeader = cardCheckIdusHeader;
  CardSpanSlot parseBody = cardParseHeaderedBody;
  CardStoreSlot storeItem = cardStoreLayoutItem;
  const char* formatName = nullptr;  // null: the civilian card names itself after its version
  char selector = '\0';              // the layout selector the format demands; NUL for any
};

using namespace card_layouts;

constexpr const char* kVersion3 = "Common Access Card v3";
constexpr char kCivilianCard[] = "DoD/Uniformed Services Civilian ID Card v";
constexpr size_t kCivilianCardLength = sizeof kCivilianCard - 1;

// One row per format id, in id order.
constexpr CacVariant kVariants[] = {
    {.formatId = 51, .version = "1", .layout = kBase32Layout.data(), .itemCount = kBase32Layout.size(), .checkHeader = cardCheckFirstCharacter, .parseBody = cardParseWholeText, .storeItem = cardStoreBase32Item, .formatName = "Common Access Card 1"},
    {.formatId = 52, .version = "N", .layout = kBase32Layout.data(), .itemCount = kBase32Layout.size(), .checkHeader = cardCheckFirstCharacter, .parseBody = cardParseWholeText, .storeItem = cardStoreBase32Item, .formatName = "Common Access Card N"},
    {.formatId = 53, .version = "3", .layout = kIdusLayout1.data(), .itemCount = kIdusLayout1.size(), .formatName = kVersion3, .selector = '0'},
    {.formatId = 54, .version = "3", .layout = kIdusLayout2.data(), .itemCount = kIdusLayout2.size(), .formatName = kVersion3, .selector = '1'},
    {.formatId = 55, .version = "3", .layout = kIdcvLayout.data(), .itemCount = kIdcvLayout.size(), .checkHeader = cardCheckIdcvHeader},
};
static_assert(std::size(kVariants) == kCacLastFormat - kCacFirstFormat + 1, "one variant per card format id");

constexpr bool variantIdsRunInOrder() {
  for (size_t i = 0; i < std::size(kVariants); ++i) {
    if (kVariants[i].formatId != static_cast<int32_t>(kCacFirstFormat + i)) return false;
  }
  return true;
}
static_assert(variantIdsRunInOrder(), "variant rows hold format ids 51 to 55 in order");

bool selectorIs(const FieldRecord* record, char selector) {
  const Span stored = recordField(record, field::cacLayoutBarcodeVersion);
  return stored.data != nullptr && stored.length == 1 && stored.data[0] == selector;
}

// "DoD/Uniformed Services Civilian ID Card v" and the card's version
// character, the fifth of the text.
void storeCivilianCardName(FieldRecord* record, const char* text, int32_t length) {
  if (length <= 4) return;
  char name[kCivilianCardLength + 1];
  std::memcpy(name, kCivilianCard, kCivilianCardLength);
  name[kCivilianCardLength] = text[4];
  recordSetSpan(record, field::formatName, Span{name, static_cast<int32_t>(sizeof name)});
}

}  // namespace

int32_t parseCacVariant(int32_t formatId, const char* text, int32_t length, FieldRecord* record,
                        const ParserHandle* context) {
  if (formatId < kCacFirstFormat || formatId > kCacLastFormat || record == nullptr) return cac_rc::kArgument;
  const CacVariant& v = kVariants[formatId - kCacFirstFormat];
  CardLayoutParser parser;
  parser.record = record;
  parser.context = context;
  parser.version = v.version;
  parser.layout = v.layout;
  parser.itemCount = v.itemCount;
  parser.checkHeader = v.checkHeader;
  parser.parseBody = v.parseBody;
  parser.storeItem = v.storeItem;

  const int32_t rc = parser.run(&parser, text, length);
  if (rc != 0) return rc;
  // The two "IDUS" layouts share their header: the selector item says which.
  if (v.selector != '\0' && !selectorIs(record, v.selector)) return cac_rc::kSelector;
  // A version character alone, or a header and a selector, is no card.
  if (parser.contentItems == 0) return cac_rc::kNoContent;

  if (v.formatName != nullptr) {
    recordSetFieldStr(record, field::formatName, v.formatName);
  } else {
    storeCivilianCardName(record, text, length);
  }
  recordSetFieldStr(record, field::countryCode, "USA");
  recordSetFieldStr(record, field::documentType, "CAC");
  return 0;
}

}  // namespace tavrix
