// Puerto Rican licence: "-"-separated fields. Licence number, expiry date
// with a Spanish month name, first and middle name, the last name up to a
// "-CIT-" or "-INM-" marker, two more fields and the sex.
#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "formats/other/national/national_formats.h"
#include "formats/other/national/national_text.h"
#include "formats/other/national/step_chain.h"

namespace tavrix {
namespace {

int isFirstNameChar(int c) { return isAsciiAlnum(c) || c == '_' || c == '+' || c == '?'; }
int isMiddleNameChar(int c) { return isAsciiAlnum(c) || c == '_' || c == '?'; }
int isLastNameChar(int c) { return isAsciiAlpha(c) || c == '+' || c == '-' || c == '?'; }

// A Panamanian text spells the country PANAME?A somewhere in it.
bool namesPanama(Span text) {
  static constexpr char kWord[] = "PANAME?A";
  for (int32_t at = findFrom(text, 0, "PANAME"); at >= 0; at = findFrom(text, at + 1, "PANAME")) {
    if (at + 8 <= text.length && text.data[at + 7] == kWord[7]) return true;
  }
  return false;
}

// A run of characters satisfying `pred` at the start of the rest, ended by
// '-': its length, or -1 (the end of the text ends no field).
int32_t fieldBeforeDash(Span r, CharPredicate pred) {
  int32_t at = 0;
  while (at < r.length && pred(byteOf(r.data[at])) != 0) ++at;
  return (at < r.length && r.data[at] == '-') ? at : -1;
}

StepResult constantsStep(StepState* s) {
  recordSetFieldStr(s->record, field::country, "Puerto Rico");
  recordSetFieldStr(s->record, field::countryCode, "PRI");
  recordSetFieldStr(s->record, field::documentType, "DL");
  return stop();
}

StepResult sexStep(StepState* s) {
  const Span r = s->rest;
  if (r.length < 2 || (r.data[0] != 'M' && r.data[0] != 'F') || r.data[1] != '-') return stop();
  recordSetSpan(s->record, field::gender, Span{r.data, 1});
  spanAdvance(&s->rest, 2);
  return goOn(constantsStep);
}

// Two fields between the last name and the sex are passed over.
StepResult skipStep(StepState* s) {
  for (int32_t i = 0; i < 2; ++i) {
    const int32_t dash = findFrom(s->rest, 0, "-");
    if (dash < 0) return stop();
    spanAdvance(&s->rest, dash + 1);
  }
  if (s->rest.length < 1) return stop();
  return goOn(sexStep);
}

bool isMarkerAt(Span run, int32_t at) {
  if (run.data[at] != '-' || run.data[at + 4] != '-') return false;
  const Span word{run.data + at + 1, 3};
  return spanCompare(word, Span{"CIT", 3}, kCompareIgnoreCase) == 0 ||
         spanCompare(word, Span{"INM", 3}, kCompareIgnoreCase) == 0;
}

StepResult lastNameStep(StepState* s) {
  const Span r = s->rest;
  int32_t runLength = 0;
  while (runLength < r.length && isLastNameChar(byteOf(r.data[runLength])) != 0) ++runLength;
  if (runLength < 6 && runLength < r.length) return stop();
  // The marker that ends the name, searched from the right; at least one
  // character of name stands before it.
  const Span run{r.data, runLength};
  for (int32_t at = runLength - 5; at >= 1; --at) {
    if (!isMarkerAt(run, at)) continue;
    Span name{r.data, at};
    recordSetFieldWith(s->record, field::lastName, &name, writeNameWithoutDashes);
    spanAdvance(&s->rest, at + 5);
    return goOn(skipStep);
  }
  return stop();
}

StepResult middleNameStep(StepState* s) {
  const Span r = s->rest;
  if (r.length > 0 && r.data[0] == '-') {
    spanAdvance(&s->rest, 1);
    return goOn(lastNameStep);
  }
  const int32_t n = fieldBeforeDash(r, isMiddleNameChar);
  if (n < 0) return stop();
  Span middle{r.data, n};
  if (n > 0) recordSetFieldWith(s->record, field::middleName, &middle, writeWithoutNull);
  spanAdvance(&s->rest, n + 1);
  return goOn(lastNameStep);
}

StepResult firstNameStep(StepState* s) {
  const int32_t n = fieldBeforeDash(s->rest, isFirstNameChar);
  if (n < 1) return stop();
  recordSetSpan(s->record, field::firstName, Span{s->rest.data, n});
  spanAdvance(&s->rest, n + 1);
  return goOn(middleNameStep);
}

StepResult expiryStep(StepState* s) {
  DateTime date;
  const int32_t used = takeSpanishMonthDate(s->rest, &date);
  if (used == 0) return stop();
  recordSetDate(s->record, field::expirationDate, &date);
  spanAdvance(&s->rest, used);
  return goOn(firstNameStep);
}

StepResult numberStep(StepState* s) {
  const int32_t n = fieldBeforeDash(s->rest, isAsciiDigit);
  if (n < 1) return stop();
  recordSetSpan(s->record, field::licenseNumber, Span{s->rest.data, n});
  spanAdvance(&s->rest, n + 1);
  return goOn(expiryStep);
}

}  // namespace

int32_t parsePuertoRicoLicence(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  if (text == nullptr || record == nullptr || length < 1) return VTX_OK;
  const Span all{text, length};
  // The licence number opens the text: without a digit there, nothing
  // would be read, and the whole text need not be searched.
  if (!isAsciiDigit(byteOf(text[0]))) return VTX_OK;
  if (length > 7 && namesPanama(all)) return VTX_ERR_UNRECOGNISED;
  StepState state{.record = record, .text = all, .rest = all};
  return runStepChain(numberStep, &state);
}

}  // namespace tavrix
