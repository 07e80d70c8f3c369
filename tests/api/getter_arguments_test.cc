// The calling convention over every row of the getter table, whatever its
// kind: a null handle, a null buffer or value pointer, a capacity of 0 or
// below and a handle that never parsed give VTX_ERR_ARGUMENT and write
// nothing; the same call with sound arguments is not refused.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/parser_handle.h"
#include "fields/field_ids.h"
#include "getter_table.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

using tavrix_tool::GetterEntry;
using tavrix_tool::GetterKind;

constexpr int32_t kUntouched = -12345;

// Barcode validators get an in-range geometry; capacity matters for text only.
int32_t callRow(const GetterEntry& g, void* handle, bool nullOutput, int32_t capacity, char* buffer, int32_t* value) {
  switch (g.kind) {
    case GetterKind::text: return g.text(handle, nullOutput ? nullptr : buffer, capacity);
    case GetterKind::flag: return g.flag(handle, nullOutput ? nullptr : value);
    case GetterKind::status: return g.status(handle, nullOutput ? nullptr : value);
    case GetterKind::barcode: return g.barcode(handle, 10, 20, 3, nullOutput ? nullptr : value);
  }
  return 0;
}

TEST(GetterArguments, EveryRowRefusesBadArguments) {
  ParserHandle fresh;
  char arena[4096];
  char work[4096];  // a parse allocates both buffers; the document-number validator works in this one
  ParserHandle parsed;  // every field "1", as a parse could leave it
  recordAttachArena(&parsed.record, arena, sizeof arena);
  parsed.workBuffer = work;
  parsed.workCapacity = sizeof work;
  parsed.workInUse = sizeof work;
  for (int32_t id = 0; id < field::kCount; ++id) recordSetFieldStr(&parsed.record, id, "1");
  const struct {
    const char* what;
    void* handle;
    bool nullOutput;
    int32_t capacity;
  } calls[] = {{"null handle", nullptr, false, 64}, {"null output", &parsed, true, 64},
               {"fresh handle", &fresh, false, 64}, {"capacity 0", &parsed, false, 0},
               {"negative capacity", &parsed, false, -1}};
  ASSERT_GT(tavrix_tool::getterCount(), 0);
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    const GetterEntry& g = tavrix_tool::getterTable()[i];
    for (const auto& c : calls) {
      if (g.kind != GetterKind::text && c.capacity < 1) continue;
      char buffer[80];
      std::memset(buffer, 0x5A, sizeof buffer);
      int32_t value = kUntouched;
      EXPECT_EQ(callRow(g, c.handle, c.nullOutput, c.capacity, buffer, &value), VTX_ERR_ARGUMENT) << g.cName << ": " << c.what;
      EXPECT_EQ(value, kUntouched) << g.cName << ": " << c.what;
      for (char b : buffer) ASSERT_EQ(b, 0x5A) << g.cName << ": " << c.what << " wrote the buffer";
    }
    char buffer[80];
    int32_t value = kUntouched;
    EXPECT_NE(callRow(g, &parsed, false, sizeof buffer, buffer, &value), VTX_ERR_ARGUMENT) << g.cName;
  }
}

}  // namespace
}  // namespace tavrix
