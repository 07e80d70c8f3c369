// Mexican identity document of "!!"-ended fields, opened by "BOF!!": the
// two surnames, the given names and the birth date, then groups for
// height and weight, eye and hair colour, and city and number, each found
// by its shape after some "!!".
#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/other/national/national_formats.h"
#include "formats/other/national/national_text.h"
#include "formats/other/national/step_chain.h"

namespace tavrix {
namespace {

// The field at the start of `r`, ended by "!!" and holding no '!'; `r`
// moves past the "!!". False (and `r` unchanged) when the text runs out
// first or a lone '!' stands in the way.
bool takeField(Span* r, Span* field) {
  int32_t at = 0;
  while (at < r->length && r->data[at] != '!') ++at;
  if (at + 1 >= r->length || r->data[at + 1] != '!') return false;
  *field = Span{r->data, at};
  spanAdvance(r, at + 2);
  return true;
}

bool allOf(Span s, CharPredicate pred) { return spanFindFailing(s, pred) == 0; }

int isMeasureChar(int c) { return isAsciiDigit(c) || c == '.'; }
int isHairChar(int c) { return isNationalNameChar(c) || c == '/' || c == '?' || c == '#'; }
int isNumberChar(int c) { return isNationalNameChar(c) || c == '#'; }

// A name field: at least two characters, an upper-case letter first, name
// characters only.
bool isNameField(Span s) { return s.length >= 2 && isAsciiUpper(byteOf(s.data[0])) && allOf(s, isNationalNameChar); }

// A group of `count` fields after some "!!" of the rest whose fields pass
// `fits`. The search starts after the last field read so far and moves on
// one "!!" at a time; on success the rest moves past the group.
template <int32_t N, typename Fits>
bool findGroup(StepState* s, Span (&fields)[N], Fits fits) {
  const Span r = s->rest;
  for (int32_t mark = findFrom(r, 0, "!!"); mark >= 0; mark = findFrom(r, mark + 2, "!!")) {
    Span after = tailFrom(r, mark + 2);
    bool complete = true;
    for (int32_t i = 0; i < N && complete; ++i) complete = takeField(&after, &fields[i]);
    if (complete && fits(fields)) {
      s->rest = after;
      return true;
    }
  }
  return false;
}

StepResult constantsStep(StepState* s) {
  recordSetFieldStr(s->record, field::country, "Mexico");
  recordSetFieldStr(s->record, field::documentType, "ID");
  return stop();
}

StepResult cityStep(StepState* s) {
  Span f[2];
  const bool found = findGroup(s, f, [](const Span(&g)[2]) {
    return allOf(g[0], isNationalNameChar) && allOf(g[1], isNumberChar);
  });
  if (found) {
    recordSetSpan(s->record, field::addressCity, f[0]);
    recordSetSpan(s->record, field::licenseNumber, f[1]);
  }
  return goOn(constantsStep);
}

StepResult coloursStep(StepState* s) {
  Span f[4];
  const bool found = findGroup(s, f, [](const Span(&g)[4]) {
    return allOf(g[0], isNationalNameChar) && allOf(g[1], isHairChar) && allOf(g[2], isNationalNameChar) &&
           allOf(g[3], isNationalNameChar);
  });
  if (!found) return stop();
  recordSetSpan(s->record, field::eyeColor, f[0]);
  Span parts[8];
  const int32_t count = spanSplit(f[1], parts, 8, "#?", kTokenSkipLeading);
  if (count > 0) recordSetSpan(s->record, field::hairColor, parts[count - 1]);
  return goOn(cityStep);
}

StepResult measuresStep(StepState* s) {
  Span f[2];
  const bool found = findGroup(s, f, [](const Span(&g)[2]) {
    return g[0].length > 0 && g[1].length > 0 && allOf(g[0], isMeasureChar) && allOf(g[1], isMeasureChar);
  });
  if (!found) return stop();
  recordSetField(s->record, field::heightCm, f[0], ".", nullptr, '\0');
  recordSetSpan(s->record, field::weightKg, f[1]);
  return goOn(coloursStep);
}

StepResult namesStep(StepState* s) {
  const int32_t bof = findFrom(s->text, 0, "BOF!!");
  if (bof < 0) return stop();
  Span r = tailFrom(s->text, bof + 5);
  Span first, second, given, date;
  if (!takeField(&r, &first) || !takeField(&r, &second) || !takeField(&r, &given) || !takeField(&r, &date)) {
    return stop();
  }
  if (!isNameField(first) || !isNameField(second) || !isNameField(given)) return stop();
  DateTime birth;
  if (date.length < 8 || takeSlashDate(date, true, &birth) == 0) return stop();

  const Span surnames[2] = {first, second};
  recordSetJoined(s->record, field::lastName, surnames, 2, ' ', nullptr, nullptr, '\0');
  recordSetDate(s->record, field::birthDate, &birth);
  Span word, others;
  Span names = given;
  spanTrimLeftSet(&names, " ");
  spanNextToken(names, &word, &others, " ", 0);
  if (word.length > 0) {
    recordSetSpan(s->record, field::firstName, word);
    spanTrimSet(&others, " ");
    if (!spanIsEmpty(others)) recordSetSpan(s->record, field::middleName, others);
  }
  s->rest = r;
  return goOn(measuresStep);
}

}  // namespace

int32_t parseMexicoFields(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  if (text == nullptr || record == nullptr || length <= 4) return VTX_OK;
  StepState state{.record = record, .text = Span{text, length}, .rest = Span{text, length}};
  return runStepChain(namesStep, &state);
}

}  // namespace tavrix
