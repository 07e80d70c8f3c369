// The address, privilege, date and physical-description getters through
// the C interface: each wired to its own accessor, and the indicators.
#include <gtest/gtest.h>

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
};

TEST(RecordGetters, AnswerThroughTheHandle) {
  ParsedHandle h;
  const std::pair<int32_t, const char*> fields[] = {
      {field::addressJurisdictionCode, "CA"}, {field::addressStreet1, "1 MAIN ST"},
      {field::residenceStreet2, "APT 2"},     {field::addressCity, "SACRAMENTO"},
      {field::addressPostalCode, "95814"},    {field::vehicleClass, "C"},
      {field::restrictionCode, "B"},          {field::endorsementsCode, "H"},
      {field::expirationDate, "08312030"},    {field::birthDateAlt, "19700101"},
      {field::gender, "2"},                   {field::eyeColor, "GRN"},
      {field::hairColor, "BLK"},              {field::heightFeetInches, "511"},
      {field::weightPounds, "140"},           {field::complianceType, "F"},
  };
  for (const auto& f : fields) recordSetFieldStr(&h.handle.record, f.first, f.second);
  const struct {
    int32_t (*getter)(void*, char*, int32_t);
    int32_t capacity;
    const char* expected;  // null: VTX_ERR_NOT_AVAILABLE
  } cases[] = {
      {VTX_getAddress1, 64, "1 MAIN ST"},      {VTX_getAddress2, 64, "APT 2"},     {VTX_getCity, 64, "SACRAMENTO"},
      {VTX_getPostalCode, 64, "95814-0000"},   {VTX_getClassificationCode, 64, "C"},
      {VTX_getVehicleClassCode, 64, "C"},      {VTX_getRestrictionCode, 64, "B"},  {VTX_getEndorsementsCode, 64, "H"},
      {VTX_getRestrictionCodeDescription, 64, nullptr},  {VTX_getVehicleClassCodeDescription, 64, nullptr},
      {VTX_getExpirationDate, 64, "08/31/2030"},         {VTX_getExpirationDate, 10, nullptr},
      {VTX_getBirthdate, 64, "01/01/1970"},    {VTX_getIssueDate, 64, nullptr},    {VTX_getGender, 64, "Female"},
      {VTX_getEyeColor, 64, "Green"},          {VTX_getHairColor, 64, "Black"},    {VTX_getHeight, 64, "5'11\""},
      {VTX_getWeightKG, 64, "64"},             {VTX_getWeightLBS, 64, "140"},      {VTX_getComplianceType, 64, "F"},
  };
  for (const auto& c : cases) {
    char buffer[64] = "";  // a refusal must leave it empty
    const int32_t code = c.getter(&h.handle, buffer, c.capacity);
    EXPECT_EQ(code, c.expected != nullptr ? VTX_OK : VTX_ERR_NOT_AVAILABLE) << (c.expected ? c.expected : "-");
    EXPECT_EQ(std::string(buffer), c.expected != nullptr ? c.expected : "");
  }
}

TEST(RecordGetters, FlagsAreOneOnlyForExactlyOne) {
  int32_t (*const getters[])(void*, int32_t*) = {VTX_getLimitedDurationDocument, VTX_getOrganDonor, VTX_getVeteran};
  const int32_t ids[] = {field::limitedDurationDocument, field::organDonor, field::veteran};
  const std::pair<const char*, int32_t> cases[] = {{"1", 1}, {"0", 0}, {"Y", 0}, {"11", 0}, {"1 ", 0}};
  for (int32_t g = 0; g < 3; ++g) {
    for (const auto& c : cases) {
      ParsedHandle h;
      recordSetFieldStr(&h.handle.record, ids[g], c.first);
      recordSetFieldStr(&h.handle.record, ids[(g + 1) % 3], "1");  // a neighbour's field is not read
      int32_t value = -7;
      EXPECT_EQ(getters[g](&h.handle, &value), VTX_OK) << g << " " << c.first;
      EXPECT_EQ(value, c.second) << g << " " << c.first;
    }
    ParsedHandle empty;
    int32_t value = -7;
    EXPECT_EQ(getters[g](&empty.handle, &value), VTX_ERR_NOT_AVAILABLE);
    EXPECT_EQ(value, -7);
  }
}

}  // namespace
}  // namespace tavrix
