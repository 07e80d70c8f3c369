// The calling convention over every row of the getter table, whatever its
// kind: a null handle, a null buffer or value pointer, a capacity of 0 and
// a handle that never parsed are refused with VTX_ERR_ARGUMENT before any
// work, and nothing is written.
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

// A handle as a parse leaves it: arena attached, every field that any
// getter reads filled with a plausible value.
struct FilledHandle {
  char arena[4096];
  char work[4096];  // a parse allocates both buffers; the document-number validator works in this one
  ParserHandle handle;
  FilledHandle() {
    recordAttachArena(&handle.record, arena, sizeof arena);
    handle.workBuffer = work;
    handle.workCapacity = sizeof work;
    for (int32_t id = 0; id < field::kCount; ++id) recordSetFieldStr(&handle.record, id, "1");
  }
};

constexpr int32_t kUntouched = -12345;

// Calls the row with the given handle and output; capacity only matters
// for text getters. Barcode validators get an in-range geometry.
int32_t callRow(const GetterEntry& g, void* handle, bool nullOutput, int32_t capacity, char* buffer,
                int32_t* value) {
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
  FilledHandle parsed;
  const GetterEntry* table = tavrix_tool::getterTable();
  ASSERT_GT(tavrix_tool::getterCount(), 0);
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    const GetterEntry& g = table[i];
    SCOPED_TRACE(g.cName);
    const bool text = g.kind == GetterKind::text;
    struct Call {
      const char* what;
      void* handle;
      bool nullOutput;
      int32_t capacity;
    } calls[] = {
        {"null handle", nullptr, false, 64},
        {"null output", &parsed.handle, true, 64},
        {"fresh handle", &fresh, false, 64},
        {"capacity 0", &parsed.handle, false, 0},
        {"negative capacity", &parsed.handle, false, -1},
    };
    for (const Call& c : calls) {
      if (!text && c.capacity < 1) continue;  // no capacity to get wrong
      char buffer[80];
      std::memset(buffer, 0x5A, sizeof buffer);
      int32_t value = kUntouched;
      EXPECT_EQ(callRow(g, c.handle, c.nullOutput, c.capacity, buffer, &value), VTX_ERR_ARGUMENT) << c.what;
      EXPECT_EQ(value, kUntouched) << c.what;
      for (char b : buffer) ASSERT_EQ(b, 0x5A) << c.what << ": buffer written";
    }
    // The same row with sound arguments is not refused.
    char buffer[80];
    int32_t value = kUntouched;
    EXPECT_NE(callRow(g, &parsed.handle, false, sizeof buffer, buffer, &value), VTX_ERR_ARGUMENT);
  }
}

TEST(GetterArguments, TableNamesAreUnique) {
  const GetterEntry* table = tavrix_tool::getterTable();
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    for (int32_t j = i + 1; j < tavrix_tool::getterCount(); ++j) {
      EXPECT_STRNE(table[i].cName, table[j].cName);
      EXPECT_STRNE(table[i].jsonName, table[j].jsonName);
    }
  }
}

}  // namespace
}  // namespace tavrix
