// The name, issuer and licence getters through the C interface and the
// getter table the tool and fuzz target walk.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/parser_handle.h"
#include "fields/field_ids.h"
#include "getter_table.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

struct ParsedHandle {
  char arena[2048];
  ParserHandle handle;
  ParsedHandle() { recordAttachArena(&handle.record, arena, sizeof arena); }
  void set(int32_t id, const char* text) { recordSetFieldStr(&handle.record, id, text); }
};

const char* const kOurGetters[] = {
    "VTX_getFirstName",  "VTX_getLastName",    "VTX_getDocumentType", "VTX_getCountryCode",
    "VTX_getCountry",    "VTX_getJurisdictionCode", "VTX_getIIN",   "VTX_getMiddleName",
    "VTX_getNameSuffix", "VTX_getNamePrefix",  "VTX_getFullName",     "VTX_getLicenseNumber",
    "VTX_getIssuedBy",   "VTX_getAamvaVersion",
};

const tavrix_tool::GetterEntry* entryOf(const char* name) {
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    if (std::strcmp(tavrix_tool::getterTable()[i].cName, name) == 0) return &tavrix_tool::getterTable()[i];
  }
  return nullptr;
}

std::string call(const char* name, void* handle, int32_t capacity = 64, int32_t* code = nullptr) {
  const auto* entry = entryOf(name);
  if (entry == nullptr || entry->text == nullptr) return "<no getter>";
  char buffer[128];
  std::memset(buffer, 0x5A, sizeof buffer);
  const int32_t result = entry->text(handle, buffer, capacity);
  if (code != nullptr) *code = result;
  if (result == VTX_OK) return std::string(buffer);
  std::string refused = "<";
  refused += std::to_string(result);
  refused += '>';
  return refused;
}

TEST(NameIssuerGetters, ListedInExportOrder) {
  int32_t previous = -1;
  for (const char* name : kOurGetters) {
    const auto* entry = entryOf(name);
    ASSERT_NE(entry, nullptr) << name;
    const int32_t index = static_cast<int32_t>(entry - tavrix_tool::getterTable());
    EXPECT_GT(index, previous) << name;
    previous = index;
  }
  EXPECT_STREQ(entryOf("VTX_getIIN")->jsonName, "iin");
  EXPECT_STREQ(entryOf("VTX_getLicenseNumber")->jsonName, "licenseNumber");
}

TEST(NameIssuerGetters, AnswerThroughTheHandle) {
  ParsedHandle h;
  h.set(field::issuerIdNumber, "636001");
  h.set(field::fullName, "SMITH,JOHN,PAUL");
  h.set(field::licenseNumber, "08345678901234567890");
  h.set(field::aamvaVersionNumber, "04");
  void* handle = &h.handle;
  EXPECT_EQ(call("VTX_getFirstName", handle), "JOHN");
  EXPECT_EQ(call("VTX_getMiddleName", handle), "PAUL");
  EXPECT_EQ(call("VTX_getLastName", handle), "SMITH");
  EXPECT_EQ(call("VTX_getFullName", handle), "SMITH JOHN PAUL");
  EXPECT_EQ(call("VTX_getNameSuffix", handle), "<-26>");
  EXPECT_EQ(call("VTX_getNamePrefix", handle), "<-26>");
  EXPECT_EQ(call("VTX_getJurisdictionCode", handle), "NY");
  EXPECT_EQ(call("VTX_getIIN", handle), "636001");
  EXPECT_EQ(call("VTX_getIssuedBy", handle), "NY");
  EXPECT_EQ(call("VTX_getCountry", handle), "United States");
  EXPECT_EQ(call("VTX_getCountryCode", handle), "USA");
  EXPECT_EQ(call("VTX_getLicenseNumber", handle), "H345678901234567890");
  EXPECT_EQ(call("VTX_getDocumentType", handle), "UNKNOWN");
  EXPECT_EQ(call("VTX_getAamvaVersion", handle), "04");
}

// Hostile field contents through every getter and small capacities: 0 or
// -26 only, nothing written past the capacity, the record unchanged.
TEST(NameIssuerGetters, HostileRecords) {
  const char* texts[] = {"\x01\x7f\x1f", "\xC3\xA9\x80\xFF", " ,$@\t\n\r", "A B C D E F G H I J K L M N O P Q R",
                         "0", "636015636015636015636015636015636015"};
  const int32_t ids[] = {field::issuerIdNumber, field::fullName, field::lastName, field::firstName,
                         field::givenNames, field::licenseNumber, field::addressJurisdictionCode,
                         field::country, field::countryCode, field::documentType, field::nameSuffix,
                         field::middleName, field::namePrefix, field::aamvaVersionNumber};
  for (const char* text : texts) {
    ParsedHandle h;
    for (int32_t id : ids) h.set(id, text);
    std::vector<char> before(h.arena, h.arena + sizeof h.arena);
    for (const char* name : kOurGetters) {
      for (int32_t capacity : {1, 2, 5, 64}) {
        char buffer[80];
        std::memset(buffer, 0x5A, sizeof buffer);
        const int32_t result = entryOf(name)->text(&h.handle, buffer, capacity);
        EXPECT_TRUE(result == 0 || result == -26) << name << " " << result;
        for (int32_t i = capacity; i < 80; ++i) ASSERT_EQ(buffer[i], 0x5A) << name << " cap " << capacity;
        if (result == 0) {
          EXPECT_NE(std::memchr(buffer, '\0', static_cast<size_t>(capacity)), nullptr) << name;
        }
      }
    }
    EXPECT_EQ(std::memcmp(before.data(), h.arena, sizeof h.arena), 0);
  }
}

}  // namespace
}  // namespace tavrix
