// Where each item of a machine-readable zone stands, per document layout,
// and the order in which a layout reads its items.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace tavrix {

enum class ZoneItem : uint8_t {
  none,            // ends a layout's reading order
  issuingState,    // three-letter code of the state that issued the document
  name,            // PRIMARY<<SECONDARY<MORE
  documentNumber,
  nationality,
  birthDate,       // YYMMDD
  sex,
  expiryDate,      // YYMMDD
  personalNumber,  // optional data of a passport
  residenceCode,   // two letters some cards carry in their optional data
};

// Which document codes open a layout's zone.
enum class DocumentCode : uint8_t {
  passport,  // "P"
  card,      // "A", "C" or "I", not followed by "V"
  visa,      // "V"
};

struct ZonePlace {
  int32_t start = 0;
  int32_t length = 0;  // 0: the layout has no such item
};

inline constexpr int32_t kZoneReadingSteps = 8;

struct ZoneLayout {
  int32_t formatId = 0;
  int32_t length = 0;  // all lines joined
  DocumentCode code = DocumentCode::passport;
  const char* documentType = "TD";
  ZonePlace issuingState = {};
  ZonePlace name = {};
  ZonePlace documentNumber = {};
  ZonePlace nationality = {};
  ZonePlace birthDate = {};
  ZonePlace sex = {};
  ZonePlace expiryDate = {};
  ZonePlace personalNumber = {};
  ZonePlace residenceCode = {};
  ZoneItem order[kZoneReadingSteps] = {};
};

// Positions are 0-based in the joined lines. The issuing state always
// follows the two-character document code. A TD3 passport has two lines
// of 44, a TD1 card three of 30, a TD2 card two of 36; a visa has two
// lines of 44 (type A) or of 36 (type B). The birth date is read before
// the expiry date everywhere: the expiry's century depends on it.
inline constexpr ZoneLayout kZoneLayouts[] = {
    {.formatId = 64, .length = 88, .code = DocumentCode::passport, .documentType = "PASSPORT",
     .issuingState = {2, 3}, .name = {5, 39}, .documentNumber = {44, 9}, .nationality = {54, 3},
     .birthDate = {57, 6}, .sex = {64, 1}, .expiryDate = {65, 6}, .personalNumber = {72, 14},
     .order = {ZoneItem::issuingState, ZoneItem::name, ZoneItem::birthDate, ZoneItem::expiryDate, ZoneItem::sex, ZoneItem::nationality, ZoneItem::documentNumber,
               ZoneItem::personalNumber}},
    {.formatId = 65, .length = 90, .code = DocumentCode::card,
     .issuingState = {2, 3}, .name = {60, 30}, .documentNumber = {5, 9}, .nationality = {45, 3},
     .birthDate = {30, 6}, .sex = {37, 1}, .expiryDate = {38, 6}, .residenceCode = {56, 2},
     .order = {ZoneItem::issuingState, ZoneItem::documentNumber, ZoneItem::birthDate, ZoneItem::sex, ZoneItem::expiryDate, ZoneItem::nationality,
               ZoneItem::residenceCode, ZoneItem::name}},
    {.formatId = 66, .length = 72, .code = DocumentCode::card,
     .issuingState = {2, 3}, .name = {5, 31}, .documentNumber = {36, 9}, .nationality = {46, 3},
     .birthDate = {49, 6}, .sex = {56, 1}, .expiryDate = {57, 6},
     .order = {ZoneItem::issuingState, ZoneItem::name, ZoneItem::documentNumber, ZoneItem::nationality, ZoneItem::birthDate, ZoneItem::sex,
               ZoneItem::expiryDate}},
    {.formatId = 67, .length = 88, .code = DocumentCode::visa,
     .issuingState = {2, 3}, .name = {5, 39}, .documentNumber = {44, 9}, .nationality = {54, 3},
     .birthDate = {57, 6}, .sex = {64, 1}, .expiryDate = {65, 6},
     .order = {ZoneItem::issuingState, ZoneItem::name, ZoneItem::documentNumber, ZoneItem::nationality, ZoneItem::birthDate, ZoneItem::sex,
               ZoneItem::expiryDate}},
    {.formatId = 67, .length = 72, .code = DocumentCode::visa,
     .issuingState = {2, 3}, .name = {5, 31}, .documentNumber = {36, 9}, .nationality = {46, 3},
     .birthDate = {49, 6}, .sex = {56, 1}, .expiryDate = {57, 6},
     .order = {ZoneItem::issuingState, ZoneItem::name, ZoneItem::documentNumber, ZoneItem::nationality, ZoneItem::birthDate, ZoneItem::sex,
               ZoneItem::expiryDate}},
};
static_assert(sizeof(kZoneLayouts) / sizeof(kZoneLayouts[0]) == 5, "passport, two cards, two visas");

// Every item lies inside its zone.
constexpr bool zonePlacesFit() {
  for (const ZoneLayout& z : kZoneLayouts) {
    for (const ZonePlace& p : {z.issuingState, z.name, z.documentNumber, z.nationality, z.birthDate, z.sex,
                               z.expiryDate, z.personalNumber, z.residenceCode}) {
      if (p.start < 0 || p.length < 0 || p.start + p.length > z.length) return false;
    }
  }
  return true;
}
static_assert(zonePlacesFit(), "every item inside its zone");

}  // namespace tavrix
