// Mexican identity document with labels: the holder's name stands before
// " Fec Nac. " and the birth date after it; further on, the issuing office
// follows "Ofna " and the document number follows " Id Doc ".
#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/other/national/national_formats.h"
#include "formats/other/national/national_text.h"
#include "formats/other/national/step_chain.h"

namespace tavrix {
namespace {

constexpr const char* kBirthLabel = " Fec Nac. ";
constexpr int32_t kBirthLabelLength = 10;
constexpr int32_t kMaxWords = 16;

// Words that begin a compound surname ("DE LA CRUZ").
constexpr Span kSurnameParticles[] = {{"DE", 2}, {"DES", 3}, {"LAS", 3}, {"DEL", 3}, {"DA", 2}};

bool isSurnameParticle(Span word) {
  for (const Span particle : kSurnameParticles) {
    if (spanCompare(word, particle, kCompareIgnoreCase) == 0) return true;
  }
  return false;
}

// Span from the start of word `from` to the end of the run.
Span fromWord(Span run, Span word) {
  return Span{word.data, static_cast<int32_t>(run.data + run.length - word.data)};
}

// Span from the run's start to just before `word`, trimmed of white space.
Span beforeWord(Span run, Span word) {
  Span before{run.data, static_cast<int32_t>(word.data - run.data)};
  spanTrimIf(&before, isAsciiSpace);
  return before;
}

void storeIfAny(FieldRecord* record, int32_t id, Span value) {
  if (!spanIsEmpty(value)) recordSetSpan(record, id, value);
}

void storeNameParts(FieldRecord* record, Span run) {
  Span words[kMaxWords];
  const int32_t count = spanSplit(run, words, kMaxWords, " ", kTokenSkipLeading);
  if (count == 2) {
    recordSetSpan(record, field::firstName, words[1]);
    storeIfAny(record, field::lastName, beforeWord(run, words[1]));
    return;
  }
  if (count < 3) return;
  int32_t particle = -1;
  for (int32_t i = 1; i < count - 1 && particle < 0; ++i) {
    if (isSurnameParticle(words[i])) particle = i;
  }
  if (particle < 0) {
    recordSetSpan(record, field::middleName, words[count - 1]);
    recordSetSpan(record, field::firstName, words[count - 2]);
    storeIfAny(record, field::lastName, beforeWord(run, words[count - 2]));
  } else if (particle == 1) {
    recordSetSpan(record, field::lastName, run);
  } else if (particle == 2) {
    recordSetSpan(record, field::firstName, words[0]);
    storeIfAny(record, field::lastName, fromWord(run, words[1]));
  } else {
    recordSetSpan(record, field::firstName, words[0]);
    recordSetSpan(record, field::middleName, words[1]);
    storeIfAny(record, field::lastName, fromWord(run, words[2]));
  }
}

// The run ends with four letters or digits, six digits and nine letters or
// digits: a registration code glued to the name.
bool endsWithCode(Span run) {
  const char* tail = run.data + run.length - 19;
  for (int32_t i = 0; i < 19; ++i) {
    const int c = byteOf(tail[i]);
    const bool fits = (i >= 4 && i < 10) ? isAsciiDigit(c) != 0 : isAsciiAlnum(c) != 0;
    if (!fits) return false;
  }
  return true;
}

StepResult constantsStep(StepState* s) {
  recordSetFieldStr(s->record, field::country, "Mexico");
  recordSetFieldStr(s->record, field::documentType, "ID");
  return stop();
}

StepResult officeStep(StepState* s) {
  const Span r = s->rest;
  const int32_t label = findFrom(r, 0, " Id Doc ");
  if (label < 0) return goOn(constantsStep);
  const int32_t runStart = runStartBefore(r, label, isNationalNameChar);
  const Span run{r.data + runStart, label - runStart};
  const int32_t ofna = spanFind(run, Span{"Ofna ", 5});
  if (ofna < 0) return goOn(constantsStep);
  Span office = tailFrom(run, ofna + 5);
  spanTrimLeftIf(&office, isAsciiSpace);
  Span digits = tailFrom(r, label + 8);
  int32_t n = 0;
  while (n < digits.length && isAsciiDigit(byteOf(digits.data[n]))) ++n;
  if (!spanIsEmpty(office) && n > 0) {
    recordSetSpan(s->record, field::addressCity, office);
    recordSetSpan(s->record, field::licenseNumber, Span{digits.data, n});
  }
  return goOn(constantsStep);
}

// The name and birth date around one occurrence of the label, or false.
bool readAroundLabel(StepState* s, int32_t label) {
  const Span t = s->text;
  int32_t end = label - 1;  // the name's last character
  while (end > 0 && t.data[end] == '@') --end;
  if (label < 2 || end <= 0) return false;
  int32_t start = runStartBefore(t, end, isNationalNameChar);
  while (start <= end && !isAsciiUpper(byteOf(t.data[start]))) ++start;
  if (start > end) return false;
  Span run{t.data + start, end - start + 1};
  while (run.length >= 22 && endsWithCode(run)) run.length -= 19;
  if (run.length < 3) return false;
  DateTime date;
  if (takeSlashDate(tailFrom(t, label + kBirthLabelLength), true, &date) == 0) return false;

  recordSetDate(s->record, field::birthDate, &date);
  recordSetSpan(s->record, field::fullName, run);
  storeNameParts(s->record, run);
  s->rest = tailFrom(t, label + 18);
  return true;
}

StepResult nameStep(StepState* s) {
  for (int32_t label = findFrom(s->text, 0, kBirthLabel); label >= 0;
       label = findFrom(s->text, label + 9, kBirthLabel)) {
    if (readAroundLabel(s, label)) return goOn(officeStep);
  }
  return stop();
}

}  // namespace

int32_t parseMexicoLabelled(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  if (text == nullptr || record == nullptr || length <= kBirthLabelLength) return VTX_OK;
  StepState state{.record = record, .text = Span{text, length}, .rest = Span{text, length}};
  return runStepChain(nameStep, &state);
}

}  // namespace tavrix
