#include "formats/other/cac/card_layout_parser.h"

#include <cstring>

#include "engine/ascii_classes.h"
#include "engine/text_span.h"

namespace tavrix {
namespace {

bool startsWith(Span text, const char* prefix) {
  const size_t n = std::strlen(prefix);
  return text.length >= static_cast<int32_t>(n) && std::memcmp(text.data, prefix, n) == 0;
}

// The parser's version character, or NUL when it compares none.
char versionCharacter(const CardLayoutParser* parser) {
  return parser->version != nullptr ? parser->version[0] : '\0';
}

}  // namespace

int isCardPadding(int c) { return c == 0 || isAsciiSpace(c); }

int32_t cardRun(CardLayoutParser* parser, const char* text, int32_t length) {
  if (parser == nullptr || text == nullptr || length < 0) return cac_rc::kArgument;
  const Span span{text, length};
  if (parser->checkHeader != nullptr) {
    const int32_t rc = parser->checkHeader(parser, span);
    if (rc != 0) return rc;
  }
  return parser->parseBody != nullptr ? parser->parseBody(parser, span) : 0;
}

int32_t cardCheckIdusHeader(CardLayoutParser* parser, Span text) {
  if (spanIsEmpty(text)) return cac_rc::kArgument;
  if (text.length <= 4 || !startsWith(text, "IDUS")) return cac_rc::kMalformed;
  const char version = versionCharacter(parser);
  if (version != '\0' && text.data[4] != version) return cac_rc::kVersion;
  return 0;
}

int32_t cardCheckFirstCharacter(CardLayoutParser* parser, Span text) {
  if (spanIsEmpty(text)) return cac_rc::kArgument;
  const char version = versionCharacter(parser);
  if (version != '\0' && text.data[0] != version) return cac_rc::kVersion;
  return 0;
}

int32_t cardCheckIdcvHeader(CardLayoutParser*, Span text) {
  if (spanIsEmpty(text)) return cac_rc::kArgument;
  if (text.length < 5 || !startsWith(text, "IDCV")) return cac_rc::kMalformed;
  return 0;
}

int32_t cardParseHeaderedBody(CardLayoutParser* parser, Span text) {
  if (text.data == nullptr || text.length < kCardHeaderLength) return cac_rc::kMalformed;
  const Span body{text.data + kCardHeaderLength, text.length - kCardHeaderLength};
  return parser->walkLayout(parser, body, parser->layout, parser->itemCount);
}

int32_t cardParseWholeText(CardLayoutParser* parser, Span text) {
  if (spanIsEmpty(text)) return cac_rc::kMalformed;
  return parser->walkLayout(parser, text, parser->layout, parser->itemCount);
}

int32_t cardWalkLayout(CardLayoutParser* parser, Span body, const LayoutItem* layout, uint32_t count) {
  if (parser == nullptr || parser->record == nullptr || parser->storeItem == nullptr || layout == nullptr ||
      count < 1 || body.length < 0) {
    return cac_rc::kArgument;
  }
  if (spanIsEmpty(body)) return 0;
  int32_t position = 0;
  for (uint32_t i = 0; i < count; ++i) {
    const LayoutItem& item = layout[i];
    const int32_t remaining = body.length - position;
    const int32_t width = static_cast<int32_t>(item.width);
    // The reader trims trailing blanks off the whole text, so a blank-padded
    // last item arrives short: what there is of it is still that item.
    // Ending inside any other item is a text cut short.
    const bool last = i + 1 == count;
    if (width > remaining && !last) return cac_rc::kEndsInsideItem;
    const int32_t taken = width < remaining ? width : remaining;
    parser->storeItem(parser, item, Span{body.data + position, taken});
    if (item.form != ItemForm::version && recordFieldStatus(parser->record, item.fieldId) == 0) {
      ++parser->contentItems;
    }
    position += taken;
    if (position == body.length) return 0;
  }
  return 0;  // characters after the last item are not part of the card
}

void cardStoreTrimmed(CardLayoutParser* parser, const LayoutItem& item, Span value) {
  spanTrimIf(&value, isCardPadding);
  recordSetFieldIf(parser->record, item.fieldId, value, nullptr, nullptr, '\0');
}

}  // namespace tavrix
