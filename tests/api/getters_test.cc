// The getters through the C interface: each wired to its own accessor, the
// indicators, the validators' verdicts and hostile field contents. (The
// argument checks of every getter-table row are tested together.)
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/parser_handle.h"
#include "fields/field_ids.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

constexpr int32_t kUntouched = -12345;
using TextGetter = int32_t (*)(void*, char*, int32_t);

struct ParsedHandle {
  char arena[2048];
  char work[512];
  ParserHandle handle;
  ParsedHandle() {
    recordAttachArena(&handle.record, arena, sizeof arena);
    handle.workBuffer = work;
    handle.workCapacity = sizeof work;
    handle.workInUse = sizeof work;
  }
  void set(int32_t id, const char* text) { recordSetFieldStr(&handle.record, id, text); }
};

struct TextCase {
  TextGetter getter;
  int32_t capacity;
  const char* expected;  // null: VTX_ERR_NOT_AVAILABLE
};

void expectAnswers(ParsedHandle& h, const TextCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const TextCase& c = cases[i];
    char buffer[64] = "";  // a refusal must leave it empty
    EXPECT_EQ(c.getter(&h.handle, buffer, c.capacity), c.expected != nullptr ? VTX_OK : VTX_ERR_NOT_AVAILABLE) << i;
    EXPECT_EQ(std::string(buffer), c.expected != nullptr ? c.expected : "") << i;
  }
}

const TextGetter kNameIssuerGetters[] = {
    VTX_getFirstName, VTX_getLastName, VTX_getDocumentType, VTX_getCountryCode, VTX_getCountry,
    VTX_getJurisdictionCode, VTX_getIIN, VTX_getMiddleName, VTX_getNameSuffix, VTX_getNamePrefix,
    VTX_getFullName, VTX_getLicenseNumber, VTX_getIssuedBy, VTX_getAamvaVersion,
};

// The first and last name, licence number, document type, version, issuer
// number, country code and jurisdiction answer in the AAMVA end-to-end tests.
TEST(Getters, NameAndIssuerAnswerThroughTheHandle) {
  ParsedHandle h;
  h.set(field::issuerIdNumber, "636001");
  h.set(field::fullName, "SMITH,JOHN,PAUL");
  const TextCase cases[] = {
      {VTX_getMiddleName, 64, "PAUL"},  {VTX_getFullName, 64, "SMITH JOHN PAUL"}, {VTX_getNameSuffix, 64, nullptr},
      {VTX_getNamePrefix, 64, nullptr}, {VTX_getIssuedBy, 64, "NY"},            {VTX_getCountry, 64, "United States"},
  };
  expectAnswers(h, cases, std::size(cases));
}

TEST(Getters, RecordFieldsAnswerThroughTheHandle) {
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
  for (const auto& f : fields) h.set(f.first, f.second);
  const TextCase cases[] = {
      {VTX_getAddress1, 64, "1 MAIN ST"},      {VTX_getAddress2, 64, "APT 2"},     {VTX_getCity, 64, "SACRAMENTO"},
      {VTX_getPostalCode, 64, "95814-0000"},   {VTX_getClassificationCode, 64, "C"},
      {VTX_getVehicleClassCode, 64, "C"},      {VTX_getRestrictionCode, 64, "B"},  {VTX_getEndorsementsCode, 64, "H"},
      {VTX_getRestrictionCodeDescription, 64, nullptr},  {VTX_getVehicleClassCodeDescription, 64, nullptr},
      {VTX_getExpirationDate, 64, "08/31/2030"},
      {VTX_getBirthdate, 64, "01/01/1970"},    {VTX_getIssueDate, 64, nullptr},    {VTX_getGender, 64, "Female"},
      {VTX_getEyeColor, 64, "Green"},          {VTX_getHairColor, 64, "Black"},    {VTX_getHeight, 64, "5'11\""},
      {VTX_getWeightKG, 64, "64"},             {VTX_getWeightLBS, 64, "140"},      {VTX_getComplianceType, 64, "F"},
  };
  expectAnswers(h, cases, std::size(cases));
}

TEST(Getters, FlagsAreOneOnlyForExactlyOne) {
  int32_t (*const getters[])(void*, int32_t*) = {VTX_getLimitedDurationDocument, VTX_getOrganDonor, VTX_getVeteran};
  const int32_t ids[] = {field::limitedDurationDocument, field::organDonor, field::veteran};
  const std::pair<const char*, int32_t> cases[] = {{"1", 1}, {"0", 0}, {"Y", 0}, {"11", 0}, {"1 ", 0}};
  for (int32_t g = 0; g < 3; ++g) {
    for (const auto& c : cases) {
      ParsedHandle h;
      h.set(ids[g], c.first);
      h.set(ids[(g + 1) % 3], "1");  // a neighbour's field is not read
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

// The verdicts themselves are the validators' unit tests; here each answers
// through the handle, and the number's verdict needs the handle's scratch.
TEST(Getters, ValidatorVerdicts) {
  using Validator = int32_t (*)(void* handle, int32_t* status);
  const Validator validators[] = {
      VTX_validateDocumentId,
      [](void* h, int32_t* s) { return VTX_validateBarcode(h, 15, 39, 5, s); },
      VTX_validateJurisdictionCode,
  };
  ParsedHandle h;
  h.set(field::issuerIdNumber, "636015");
  h.set(field::documentType, "DL");
  h.set(field::licenseNumber, "12345678");
  for (Validator v : validators) {
    int32_t status = kUntouched;
    EXPECT_EQ(v(&h.handle, &status), VTX_OK);
    EXPECT_EQ(status, VTX_STATUS_VALID);
  }
  int32_t status = kUntouched;
  h.handle.workBuffer = nullptr;  // no scratch space for the number's verdict
  EXPECT_EQ(VTX_validateDocumentId(&h.handle, &status), VTX_ERR_ARGUMENT);
  EXPECT_EQ(status, kUntouched);
}

// Whatever the fields hold, under every name-handler jurisdiction, the name
// and issuer getters answer 0 or -26 with a terminated value, write nothing
// outside the capacity and leave the record alone.
TEST(Getters, HostileRecords) {
  const char* texts[] = {"\x01\x02\x7f\x1b", "\xC3\xA9\xC3\xA8 \xFF\xFE,\x80", " ,$@\t\n\r", ",,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
                         "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z", "JR SR II III IV JR. SR.", "X", "0",
                         "636015636015636015636015636015636015"};
  const int32_t ids[] = {field::issuerIdNumber, field::fullName, field::lastName, field::firstName,
                         field::givenNames, field::licenseNumber, field::country, field::countryCode,
                         field::documentType, field::nameSuffix, field::middleName, field::namePrefix,
                         field::aamvaVersionNumber};
  for (const char* text : texts) {
    for (const char* jurisdiction : {"", "AL", "ON", "CO", "CA", text}) {
      for (bool fullNameOnly : {false, true}) {
        ParsedHandle h;
        h.handle.record.documentClass = 0;
        for (int32_t id : ids) {
          if (!fullNameOnly || id == field::fullName) h.set(id, text);
        }
        h.set(field::addressJurisdictionCode, jurisdiction);
        const std::vector<char> before(h.arena, h.arena + sizeof h.arena);
        for (TextGetter getter : kNameIssuerGetters) {
          for (int32_t capacity : {1, 2, 3, 5, 8, 64}) {
            char storage[96];  // 16 guard bytes, then the buffer
            std::memset(storage, 0x5A, sizeof storage);
            char* buffer = storage + 16;
            const int32_t result = getter(&h.handle, buffer, capacity);
            EXPECT_TRUE(result == 0 || result == -26) << text << " " << result;
            for (int32_t i = 0; i < 96; ++i) {
              if (i >= 16 && i < 16 + capacity) continue;
              ASSERT_EQ(storage[i], 0x5A) << text << " cap " << capacity;
            }
            if (result == 0) {
              EXPECT_NE(std::memchr(buffer, '\0', static_cast<size_t>(capacity)), nullptr) << text;
            }
          }
        }
        EXPECT_EQ(std::memcmp(before.data(), h.arena, sizeof h.arena), 0) << text;
      }
    }
  }
}

}  // namespace
}  // namespace tavrix
