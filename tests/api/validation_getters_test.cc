// The validators through the C interface: verdicts, and the status written
// only on success. (The argument checks of every getter-table row are
// tested together.)
#include <gtest/gtest.h>

#include "engine/parser_handle.h"
#include "fields/field_ids.h"
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

TEST(ValidationGetters, Verdicts) {
  using Validator = int32_t (*)(void* handle, int32_t* status);
  const Validator validators[] = {
      VTX_validateDocumentId,
      [](void* h, int32_t* s) { return VTX_validateBarcode(h, 15, 39, 5, s); },
      VTX_validateJurisdictionCode,
  };
  ParsedHandle h;
  for (Validator v : validators) {
    int32_t status = kUntouched;
    EXPECT_EQ(v(&h.handle, &status), VTX_OK);
    EXPECT_EQ(status, VTX_STATUS_UNKNOWN);  // nothing to judge
  }
  h.set(field::issuerIdNumber, "636015");
  h.set(field::documentType, "DL");
  h.set(field::licenseNumber, "12345678");
  for (Validator v : validators) {
    int32_t status = kUntouched;
    EXPECT_EQ(v(&h.handle, &status), VTX_OK);
    EXPECT_EQ(status, VTX_STATUS_VALID);
  }
  int32_t status = kUntouched;
  EXPECT_EQ(VTX_validateBarcode(&h.handle, 15, 39, 4, &status), VTX_OK);
  EXPECT_EQ(status, VTX_STATUS_INVALID);
  status = kUntouched;
  EXPECT_EQ(VTX_validateBarcode(&h.handle, 15, 91, 5, &status), VTX_ERR_ARGUMENT);
  h.handle.workBuffer = nullptr;  // no scratch space for the number's verdict
  EXPECT_EQ(VTX_validateDocumentId(&h.handle, &status), VTX_ERR_ARGUMENT);
  EXPECT_EQ(status, kUntouched);
}

}  // namespace
}  // namespace tavrix
