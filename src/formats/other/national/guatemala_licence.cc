// Guatemalan licence: "|"-separated fields. A number and a one-letter
// field open the text; the names follow, the last name running up to the
// birth date, then the expiry date and the licence number.
#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "fields/field_ids.h"
#include "formats/other/national/national_formats.h"
#include "formats/other/national/national_text.h"
#include "formats/other/national/step_chain.h"

namespace tavrix {
namespace {

int isNameLetter(int c) { return isAsciiAlpha(c) || isAsciiSpace(c) || c == '?'; }
int isLastNameChar(int c) { return isNameLetter(c) || c == '|' || c == '-'; }

StepResult birthDateStep(StepState* s);
StepResult expiryDateStep(StepState* s);
StepResult numberStep(StepState* s);
StepResult constantsStep(StepState* s);

// A slash date directly followed by '|' (the end of the text is no '|').
StepResult dateStep(StepState* s, int32_t id, Step next) {
  DateTime date;
  const int32_t used = takeSlashDate(s->rest, false, &date);
  if (used == 0 || used >= s->rest.length || s->rest.data[used] != '|') return stop();
  recordSetDate(s->record, id, &date);
  spanAdvance(&s->rest, used + 1);
  return goOn(next);
}

StepResult birthDateStep(StepState* s) { return dateStep(s, field::birthDate, expiryDateStep); }
StepResult expiryDateStep(StepState* s) { return dateStep(s, field::expirationDate, numberStep); }

StepResult lastNameStep(StepState* s) {
  const Span r = s->rest;
  int32_t at = 0;
  while (at < r.length && isLastNameChar(byteOf(r.data[at])) != 0) ++at;
  if (at == r.length || at == 0 || !isAsciiDigit(byteOf(r.data[at]))) return stop();
  // The birth date and its '|' must follow: dd/dd/dddd|.
  static constexpr char kShape[] = "99/99/9999|";
  if (r.length - at < 11) return stop();
  for (int32_t i = 0; i < 11; ++i) {
    const char c = r.data[at + i];
    const bool fits = kShape[i] == '9' ? isAsciiDigit(byteOf(c)) != 0 : c == kShape[i];
    if (!fits) return stop();
  }
  Span name{r.data, at};
  spanTrimSet(&name, "| ");
  recordSetField(s->record, field::lastName, name, "|", nullptr, ' ');
  spanAdvance(&s->rest, at);
  return goOn(birthDateStep);
}

StepResult middleNameStep(StepState* s) {
  const Span r = s->rest;
  if (r.length > 0 && r.data[0] == '|') {
    spanAdvance(&s->rest, 1);
    return goOn(lastNameStep);
  }
  const int32_t bar = findFrom(r, 0, "|");
  if (bar < 0) return stop();
  const int32_t start = runStartBefore(r, bar, isNameLetter);
  Span middle{r.data + start, bar - start};
  if (middle.length > 0) recordSetFieldWith(s->record, field::middleName, &middle, writeWithoutNull);
  spanAdvance(&s->rest, bar + 1);
  return goOn(lastNameStep);
}

StepResult firstNameStep(StepState* s) {
  const Span r = s->rest;
  for (int32_t bar = findFrom(r, 0, "|"); bar >= 0; bar = findFrom(r, bar + 1, "|")) {
    if (bar == 0 || isNameLetter(byteOf(r.data[bar - 1])) == 0) continue;
    const int32_t start = runStartBefore(r, bar, isNameLetter);
    recordSetSpan(s->record, field::firstName, Span{r.data + start, bar - start});
    spanAdvance(&s->rest, bar + 1);
    return goOn(middleNameStep);
  }
  return stop();
}

// NUMBER|L| opens the text.
StepResult openingStep(StepState* s) {
  const Span r = s->rest;
  if (r.length < 2 || r.data[0] == '|') return stop();
  int32_t at = 0;
  while (at < r.length && (isAsciiUpper(byteOf(r.data[at])) || isAsciiDigit(byteOf(r.data[at])))) ++at;
  if (at == 0 || at >= r.length || r.data[at] != '|') return stop();
  if (r.length - (at + 1) < 2 || !isAsciiUpper(byteOf(r.data[at + 1])) || r.data[at + 2] != '|') return stop();
  spanAdvance(&s->rest, at + 3);
  return goOn(firstNameStep);
}

StepResult numberStep(StepState* s) {
  const Span r = s->rest;
  int32_t end = findFrom(r, 0, "|");
  if (end < 0) end = r.length;
  const Span number{r.data, end};
  if (number.length < 1 || spanFindFailing(number, isAsciiDigit) != 0) return stop();
  recordSetSpan(s->record, field::licenseNumber, number);
  spanAdvance(&s->rest, end);
  return goOn(constantsStep);
}

StepResult constantsStep(StepState* s) {
  recordSetFieldStr(s->record, field::country, "Guatemala");
  recordSetFieldStr(s->record, field::countryCode, "GTM");
  recordSetFieldStr(s->record, field::documentType, "DL");
  return stop();
}

}  // namespace

int32_t parseGuatemalaLicence(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  if (text == nullptr || record == nullptr || length < 2) return VTX_OK;
  StepState state{.record = record, .text = Span{text, length}, .rest = Span{text, length}};
  return runStepChain(openingStep, &state);
}

}  // namespace tavrix
