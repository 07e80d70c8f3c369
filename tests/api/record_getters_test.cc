// The address, privilege, date and physical-description getters through
// the C interface, and the yes/no indicators.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/parser_handle.h"
#include "fields/field_ids.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

struct ParsedHandle {
  char arena[2048];
  ParserHandle handle;
  ParsedHandle() { recordAttachArena(&handle.record, arena, sizeof arena); }
  ParsedHandle& set(int32_t id, const char* text) {
    recordSetFieldStr(&handle.record, id, text);
    return *this;
  }
};

using TextGetter = int32_t (*)(void*, char*, int32_t);

std::string text(TextGetter getter, ParsedHandle& h, int32_t capacity = 64) {
  char buffer[64];
  const int32_t result = getter(&h.handle, buffer, capacity);
  if (result == VTX_OK) return std::string(buffer);
  std::string refused = "<";
  refused += std::to_string(result);
  refused += '>';
  return refused;
}

TEST(RecordGetters, AnswerThroughTheHandle) {
  ParsedHandle h;
  h.set(field::addressJurisdictionCode, "CA")
      .set(field::addressStreet1, "1 MAIN ST")
      .set(field::addressCity, "SACRAMENTO")
      .set(field::addressPostalCode, "958140000")
      .set(field::vehicleClass, "C")
      .set(field::expirationDate, "08312030")
      .set(field::birthDateAlt, "19700101")
      .set(field::gender, "2")
      .set(field::eyeColor, "GRN")
      .set(field::heightFeetInches, "511")
      .set(field::weightPounds, "140");
  EXPECT_EQ(text(VTX_getAddress1, h), "1 MAIN ST");
  EXPECT_EQ(text(VTX_getAddress2, h), "<-26>");
  EXPECT_EQ(text(VTX_getCity, h), "SACRAMENTO");
  EXPECT_EQ(text(VTX_getPostalCode, h), "95814-0000");
  EXPECT_EQ(text(VTX_getClassificationCode, h), "C");
  EXPECT_EQ(text(VTX_getVehicleClassCode, h), text(VTX_getClassificationCode, h));
  EXPECT_EQ(text(VTX_getExpirationDate, h), "08/31/2030");
  EXPECT_EQ(text(VTX_getBirthdate, h), "01/01/1970");
  EXPECT_EQ(text(VTX_getIssueDate, h), "<-26>");
  EXPECT_EQ(text(VTX_getGender, h), "Female");
  EXPECT_EQ(text(VTX_getEyeColor, h), "Green");
  EXPECT_EQ(text(VTX_getHeight, h), "5'11\"");
  EXPECT_EQ(text(VTX_getWeightKG, h), "64");
  EXPECT_EQ(text(VTX_getWeightLBS, h), "140");
  EXPECT_EQ(text(VTX_getWeightKG, h, 3), "<-21>");
  EXPECT_EQ(text(VTX_getExpirationDate, h, 10), "<-26>");
}

TEST(RecordGetters, Flags) {
  using FlagGetter = int32_t (*)(void*, int32_t*);
  const struct {
    FlagGetter getter;
    int32_t id;
  } flags[] = {{VTX_getLimitedDurationDocument, field::limitedDurationDocument},
               {VTX_getOrganDonor, field::organDonor},
               {VTX_getVeteran, field::veteran}};
  const struct {
    const char* stored;
    int32_t code;
    int32_t value;
  } cases[] = {{"1", 0, 1}, {"0", 0, 0}, {"Y", 0, 0}, {"N", 0, 0}, {"11", 0, 0}, {"1 ", 0, 0}, {"", -26, -7}};
  for (const auto& f : flags) {
    for (const auto& c : cases) {
      ParsedHandle h;
      h.set(f.id, c.stored);
      int32_t value = -7;
      EXPECT_EQ(f.getter(&h.handle, &value), c.code) << f.id << " \"" << c.stored << "\"";
      EXPECT_EQ(value, c.value) << f.id << " \"" << c.stored << "\"";
    }
  }
  // Each reads its own field only.
  ParsedHandle h;
  h.set(field::veteran, "1");
  int32_t value = -7;
  EXPECT_EQ(VTX_getOrganDonor(&h.handle, &value), VTX_ERR_NOT_AVAILABLE);
  EXPECT_EQ(VTX_getVeteran(&h.handle, &value), VTX_OK);
  EXPECT_EQ(value, 1);
}

}  // namespace
}  // namespace tavrix
