// The validators through the C interface: argument checks, and the status
// written only on success.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/parser_handle.h"
#include "fields/field_ids.h"
#include "getter_table.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

constexpr int32_t kUntouched = -12345;

struct ParsedHandle {
  char arena[2048];
  char work[512];
  ParserHandle handle;
  ParsedHandle() {
    recordAttachArena(&handle.record, arena, sizeof arena);
    handle.workBuffer = work;
    handle.workCapacity = sizeof work;
  }
  void set(int32_t id, const char* text) { recordSetFieldStr(&handle.record, id, text); }
};

// Each validator called with a geometry that is in range for the barcode.
struct Validator {
  const char* name;
  int32_t (*call)(void* handle, int32_t* status);
};
const Validator kValidators[] = {
    {"VTX_validateBarcode", [](void* h, int32_t* s) { return VTX_validateBarcode(h, 15, 39, 5, s); }},
    {"VTX_validateJurisdictionCode", VTX_validateJurisdictionCode},
};

TEST(ValidationGetters, ArgumentChecks) {
  ParserHandle fresh;
  ParsedHandle parsed;
  for (const Validator& v : kValidators) {
    int32_t status = kUntouched;
    EXPECT_EQ(v.call(nullptr, &status), VTX_ERR_ARGUMENT) << v.name;
    EXPECT_EQ(v.call(&fresh, &status), VTX_ERR_ARGUMENT) << v.name;
    EXPECT_EQ(v.call(&parsed.handle, nullptr), VTX_ERR_ARGUMENT) << v.name;
    EXPECT_EQ(status, kUntouched) << v.name;
    // A parsed handle with nothing to judge: cannot be judged.
    EXPECT_EQ(v.call(&parsed.handle, &status), VTX_OK) << v.name;
    EXPECT_EQ(status, VTX_STATUS_UNKNOWN) << v.name;
  }
}

TEST(ValidationGetters, Verdicts) {
  ParsedHandle h;
  h.set(field::issuerIdNumber, "636015");
  int32_t status = kUntouched;
  EXPECT_EQ(VTX_validateJurisdictionCode(&h.handle, &status), VTX_OK);
  EXPECT_EQ(status, VTX_STATUS_VALID);
  EXPECT_EQ(VTX_validateBarcode(&h.handle, 15, 39, 5, &status), VTX_OK);
  EXPECT_EQ(status, VTX_STATUS_VALID);
  EXPECT_EQ(VTX_validateBarcode(&h.handle, 15, 39, 4, &status), VTX_OK);
  EXPECT_EQ(status, VTX_STATUS_INVALID);
  status = kUntouched;
  EXPECT_EQ(VTX_validateBarcode(&h.handle, 15, 91, 5, &status), VTX_ERR_ARGUMENT);
  EXPECT_EQ(VTX_validateBarcode(&h.handle, 2, 39, 5, &status), VTX_ERR_ARGUMENT);
  EXPECT_EQ(VTX_validateBarcode(&h.handle, 15, 39, 9, &status), VTX_ERR_ARGUMENT);
  EXPECT_EQ(status, kUntouched);
}

TEST(ValidationGetters, InTheGetterTable) {
  const char* const names[] = {"VTX_validateBarcode", "VTX_validateJurisdictionCode"};
  int32_t previous = -1;
  for (const char* name : names) {
    int32_t found = -1;
    for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
      if (std::strcmp(tavrix_tool::getterTable()[i].cName, name) == 0) found = i;
    }
    EXPECT_GT(found, previous) << name;
    previous = found;
  }
}

}  // namespace
}  // namespace tavrix
