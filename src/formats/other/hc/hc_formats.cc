#include "formats/other/hc/hc_formats.h"

#include <cstring>

#include "engine/ascii_classes.h"
#include "engine/calendar.h"
#include "engine/text_span.h"
#include "engine/text_tokens.h"
#include "fields/field_ids.h"
#include "formats/other/hc/step_pipeline.h"
#include "tables/char_classes.h"

namespace tavrix {
namespace {

constexpr int32_t kNoText = VTX_ERR_NO_DATA;
constexpr int32_t kTooShort = -1;
constexpr int32_t kNotThisLayout = VTX_ERR_MALFORMED;

bool digitsAt(Span s, int32_t from, int32_t count) {
  if (s.data == nullptr || from < 0 || from + count > s.length) return false;
  for (int32_t i = from; i < from + count; ++i) {
    if (!isAsciiDigit(byteOf(s.data[i]))) return false;
  }
  return true;
}

int32_t number(Span s, int32_t from, int32_t count) {
  int32_t value = 0;
  for (int32_t i = from; i < from + count; ++i) value = value * 10 + (s.data[i] - '0');
  return value;
}

// These cards check a date's parts alone, not against the month's length.
bool cardDateValid(const DateTime& d) {
  return d.day >= 1 && d.day <= 31 && d.month >= 1 && d.month <= 12 && d.year >= 0 && d.year <= 9999;
}

void storeCardDate(FieldRecord* record, int32_t id, const DateTime& date) {
  if (cardDateValid(date)) recordSetDate(record, id, &date);
}

// Two-digit years up to 30 are this century's, the others the last one's.
int32_t yearOfTwoDigits(int32_t yy) { return yy < 31 ? 2000 + yy : 1900 + yy; }

// A name with '/' between its parts, stored with '$' there.
void storeCardName(FieldRecord* record, Span name) {
  spanTrimIf(&name, isAsciiSpace);
  if (!spanIsEmpty(name)) recordSetField(record, field::fullName, name, "/", nullptr, '$');
}

// ---- Format 48: fixed positions, the whole text is track 1.
//   0 '@'  1-2 jurisdiction  4-5 "HC"  20-29 number  30-57 name
//   58-65 birth date  66 sex  67-74 issue date  75-82 expiry (CCYYMMDD)

int32_t fixedSplit(StepPipeline*, const char* text, int32_t length, TrackSet* tracks) {
  if (text == nullptr) return kNoText;
  if (length < 1) return kTooShort;
  tracks->track1 = Span{text, length};
  return VTX_OK;
}

int32_t fixedCheck(StepPipeline*, TrackSet* tracks) {
  const Span t = tracks->track1;
  if (t.length < 6 || t.data[0] != '@' || t.data[4] != 'H' || t.data[5] != 'C') return kNotThisLayout;
  return VTX_OK;
}

// The eight characters at `at` as a date, when all are digits.
void fixedDate(StepPipeline* p, Span t, int32_t at, int32_t id) {
  if (!digitsAt(t, at, 8)) return;
  storeCardDate(p->record, id, DateTime{number(t, at, 4), number(t, at + 4, 2), number(t, at + 6, 2)});
}

void fixedNumber(StepPipeline* p, Span t) {
  if (t.length > 29) recordSetSpan(p->record, field::licenseNumber, Span{t.data + 20, 10});
}

void fixedName(StepPipeline* p, Span t) {
  if (t.length > 57) storeCardName(p->record, Span{t.data + 30, 28});
}

void fixedSex(StepPipeline* p, Span t) {
  if (t.length > 66) recordSetSpan(p->record, field::gender, Span{t.data + 66, 1});
}

void fixedExpiryAndBirth(StepPipeline* p, Span t) {
  if (t.length > 82) fixedDate(p, t, 75, field::expirationDate);
  if (t.length >= 66) fixedDate(p, t, 58, field::birthDate);
}

void fixedIssue(StepPipeline* p, Span t) {
  if (t.length > 74) fixedDate(p, t, 67, field::issueDate);
}

void fixedJurisdiction(StepPipeline* p, Span t) {
  if (t.length > 2) recordSetSpan(p->record, field::addressJurisdictionCode, Span{t.data + 1, 2});
}

void fixedTrack1(StepPipeline* p, Span t) {
  static constexpr int32_t kSteps[] = {1, 2, 3, 4, 5, 6};
  if (!spanIsEmpty(t)) stepPipelineCallSteps(p, t, kSteps, 6);
}

// ---- Format 49: "%B", a sixteen-digit card number, '^', name, '^', then
// sixteen digits D: expiry YYMM, "799", the sex digit, the birth date
// CCYYMMDD; seven characters later the issue date YYMMDD.

constexpr int32_t kCardNumberEnd = 18;  // the '^' after "%B" and sixteen digits
constexpr int32_t kMaxNameLength = 26;

// The last '?' directly followed by ';' from `from` down to `lowest` + 1.
int32_t pairBefore(const char* text, int32_t from, int32_t lowest) {
  for (int32_t b = from; b > lowest; --b) {
    if (text[b] == '?' && text[b + 1] == ';') return b;
  }
  return -1;
}

int32_t financialSplit(StepPipeline*, const char* text, int32_t length, TrackSet* tracks) {
  if (text == nullptr) return kNoText;
  if (length < 9) return kTooShort;
  const int32_t third = pairBefore(text, length - 3, 3);
  if (third < 0) return kNoText;
  tracks->track3 = Span{text + third, length - third};
  const int32_t second = pairBefore(text, third - 3, 3);
  const int32_t track1End = second < 0 ? 3 : second;
  tracks->track1 = Span{text, track1End};
  tracks->track2 = Span{text + track1End, third - track1End};
  if (tracks->track3.length < 3) return kNoText;
  return VTX_OK;
}

int32_t financialCheck(StepPipeline*, TrackSet* tracks) {
  const Span t = tracks->track1;
  if (t.length < 3 || t.data[0] != '%' || t.data[1] != 'B' || !isAsciiDigit(byteOf(t.data[2]))) {
    return kNotThisLayout;
  }
  return VTX_OK;
}

bool cardNumberAt(Span t, int32_t p) {
  return t.length - p > 20 && t.data[p] == '%' && t.data[p + 1] == 'B' && t.data[p + kCardNumberEnd] == '^';
}

// The name after the card number's '^' at `p`; its end is returned in `rest`.
bool nameAt(Span t, int32_t p, Span* name, Span* rest) {
  const int32_t start = p + kCardNumberEnd + 1;
  return spanTakeRun(Span{t.data + start, t.length - start}, isAddressChar, 1, kMaxNameLength, name, rest) != 0;
}

// The first card number followed by a name and at least `minimumAfterName`
// characters that open with '^' and sixteen digits holding "799" at their
// fifth to seventh place. Returns the '^' after the name, or -1.
int32_t findPersonalData(Span t, int32_t minimumAfterName) {
  for (int32_t p = 0; t.length - p > 36; ++p) {
    Span name;
    Span rest;
    if (!cardNumberAt(t, p) || !nameAt(t, p, &name, &rest)) continue;
    if (rest.length < minimumAfterName || rest.data[0] != '^') continue;
    const int32_t caret = static_cast<int32_t>(rest.data - t.data);
    if (digitsAt(t, caret + 1, 16) && t.data[caret + 5] == '7' && t.data[caret + 6] == '9' &&
        t.data[caret + 7] == '9') {
      return caret;
    }
  }
  return -1;
}

void financialNumber(StepPipeline* p, Span t) {
  if (t.length > 17) recordSetSpan(p->record, field::licenseNumber, Span{t.data + 8, 10});
}

// The name at the last card number in the track.
void financialName(StepPipeline* p, Span t) {
  int32_t last = -1;
  for (int32_t i = 0; t.length - i > 20; ++i) {
    if (cardNumberAt(t, i)) last = i;
  }
  Span name;
  Span rest;
  if (last < 0 || !nameAt(t, last, &name, &rest) || rest.length < 1 || rest.data[0] != '^') return;
  storeCardName(p->record, name);
}

void financialDatesAndSex(StepPipeline* p, Span t) {
  const int32_t caret = findPersonalData(t, 17);
  if (caret < 0) return;
  const Span d{t.data + caret + 1, 16};
  const int32_t expiryMonth = number(d, 2, 2);
  const DateTime birth{number(d, 8, 4), number(d, 12, 2), number(d, 14, 2)};
  if (birth.day >= 1 && birth.day <= 31) {
    if (expiryMonth >= 1 && expiryMonth <= 12) {
      storeCardDate(p->record, field::expirationDate,
                    DateTime{yearOfTwoDigits(number(d, 0, 2)), expiryMonth, birth.day});
    }
    storeCardDate(p->record, field::birthDate, birth);
  }
  recordSetSpan(p->record, field::gender, Span{d.data + 7, 1});
}

void financialIssue(StepPipeline* p, Span t) {
  if (t.length < 50) return;
  const int32_t caret = findPersonalData(t, 30);
  if (caret < 0 || !digitsAt(t, caret + 24, 6)) return;
  const DateTime issue{yearOfTwoDigits(number(t, caret + 24, 2)), number(t, caret + 26, 2), number(t, caret + 28, 2)};
  storeCardDate(p->record, field::issueDate, issue);
}

void financialIin(StepPipeline* p, Span t) {
  if (t.length > 7 && digitsAt(t, 2, 6)) recordSetSpan(p->record, field::issuerIdNumber, Span{t.data + 2, 6});
}

void financialTrack1(StepPipeline* p, Span t) {
  static constexpr int32_t kSteps[] = {1, 2, 3, 4, 5, 7};
  if (!spanIsEmpty(t)) stepPipelineCallSteps(p, t, kSteps, 6);
}

// ---- Format 50: lines "CNAM value", "CPRN value", ...

struct TaggedDate {
  bool counts = false;
  DateTime date;
};

// CCYY?MM: the expiry is the month's last day.
TaggedDate expiryMonth(Span v) {
  if (v.length != 7 || !digitsAt(v, 0, 4) || !digitsAt(v, 5, 2)) return {};
  const int32_t year = number(v, 0, 4);
  const int32_t month = number(v, 5, 2);
  if (month < 1 || month > 12) return {};
  return {true, DateTime{year, month, daysInMonth(year, month)}};
}

// CCYY?MM?DD
TaggedDate fullDate(Span v) {
  if (v.length != 10 || !digitsAt(v, 0, 4) || !digitsAt(v, 5, 2) || !digitsAt(v, 8, 2)) return {};
  const DateTime date{number(v, 0, 4), number(v, 5, 2), number(v, 8, 2)};
  return {cardDateValid(date), date};
}

// Stores one tagged value (with a record); true when the line counts.
bool storeTagged(FieldRecord* record, Span tag, Span value) {
  static constexpr struct {
    const char* tag;
    int32_t id;
  } kTextTags[] = {
      {"CNAM", field::licenseNumber},
      {"CPRN", field::firstName},
      {"CNOM", field::lastName},
      {"CSEX", field::gender},
  };
  for (const auto& t : kTextTags) {
    if (spanCompareStr(tag, t.tag) == 0) {
      if (record != nullptr) recordSetSpan(record, t.id, value);
      return true;
    }
  }
  TaggedDate date;
  int32_t id = -1;
  if (spanCompareStr(tag, "CEXP") == 0) {
    date = expiryMonth(value);
    id = field::expirationDate;
  } else if (spanCompareStr(tag, "CDTN") == 0) {
    date = fullDate(value);
    id = field::birthDate;
  }
  if (!date.counts) return false;
  if (record != nullptr) recordSetDate(record, id, &date.date);
  return true;
}

// The lines with a tag and a value; returns how many count. A later line
// with the same tag overwrites the field.
int32_t walkTaggedLines(Span text, FieldRecord* record) {
  int32_t counted = 0;
  const char* p = text.data;
  const char* const end = text.data + text.length;
  while (p < end) {
    const void* feed = std::memchr(p, '\n', static_cast<size_t>(end - p));
    const char* stop = feed != nullptr ? static_cast<const char*>(feed) : end;
    const Span line{p, static_cast<int32_t>(stop - p)};
    p = stop + 1;
    // Every tag opens with 'C'; other lines are passed over at once.
    if (line.length <= 4 || line.data[0] != 'C') continue;
    Span value{line.data + 4, line.length - 4};
    spanTrimSet(&value, " ");
    if (spanIsEmpty(value)) continue;
    if (storeTagged(record, Span{line.data, 4}, value)) ++counted;
  }
  return counted;
}

}  // namespace

int32_t parseHcFixedPositions(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  StepPipeline pipeline;
  stepPipelineInit(&pipeline, record, context);
  pipeline.splitTracks = fixedSplit;
  pipeline.checkTracks = fixedCheck;
  pipeline.parseTrack1 = fixedTrack1;
  pipeline.steps[0] = fixedNumber;
  pipeline.steps[1] = fixedName;
  pipeline.steps[2] = fixedSex;
  pipeline.steps[3] = fixedExpiryAndBirth;
  pipeline.steps[4] = fixedIssue;
  pipeline.steps[5] = fixedJurisdiction;
  return pipeline.run(&pipeline, text, length);
}

int32_t parseHcFinancialTrack(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  StepPipeline pipeline;
  stepPipelineInit(&pipeline, record, context);
  pipeline.splitTracks = financialSplit;
  pipeline.checkTracks = financialCheck;
  pipeline.parseTrack1 = financialTrack1;
  pipeline.steps[0] = financialNumber;
  pipeline.steps[1] = financialName;
  pipeline.steps[3] = financialDatesAndSex;
  pipeline.steps[4] = financialIssue;
  pipeline.steps[6] = financialIin;
  return pipeline.run(&pipeline, text, length);
}

int32_t parseHcTaggedLines(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  // Two tagged lines take at least eleven characters and a line feed.
  if (text == nullptr || length < 11 || std::memchr(text, '\n', static_cast<size_t>(length)) == nullptr) {
    return kNotThisLayout;
  }
  // Count first, store only when the text is this format.
  if (walkTaggedLines(Span{text, length}, nullptr) < 2) return kNotThisLayout;
  walkTaggedLines(Span{text, length}, record);
  recordSetFieldStr(record, field::documentType, "HC");
  recordSetFieldStr(record, field::countryCode, "CAN");
  return VTX_OK;
}

}  // namespace tavrix
