// A field record with its own arena, filled through the set operations the
// parsers use, and helpers that run an accessor and check it left the
// record alone.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/record.h"

namespace tavrix::test {

using RecordAccessorFn = int32_t (*)(const FieldRecord* record, char* buffer, int32_t capacity);
using FieldText = std::pair<int32_t, const char*>;

struct TestRecord {
  char arena[4096];
  FieldRecord record;

  TestRecord() { recordAttachArena(&record, arena, sizeof arena); }
  TestRecord(std::initializer_list<std::pair<int32_t, const char*>> fields) : TestRecord() {
    for (const auto& f : fields) recordSetFieldStr(&record, f.first, f.second);
  }
  template <size_t N>
  explicit TestRecord(const FieldText (&fields)[N]) : TestRecord() {
    for (const FieldText& f : fields) recordSetFieldStr(&record, f.first, f.second);  // a null text stores nothing
  }
  TestRecord(const TestRecord&) = delete;
  TestRecord& operator=(const TestRecord&) = delete;

  TestRecord& set(int32_t id, const char* text) {
    recordSetFieldStr(&record, id, text);
    return *this;
  }
  TestRecord& setClass(uint32_t documentClass) {
    record.documentClass = documentClass;
    return *this;
  }
};

struct Answer {
  int32_t code;
  std::string value;  // the buffer's text on result 0
};

inline bool operator==(const Answer& a, const Answer& b) { return a.code == b.code && a.value == b.value; }
inline std::ostream& operator<<(std::ostream& os, const Answer& a) {
  return os << a.code << " \"" << a.value << "\"";
}
inline Answer ok(const char* value) { return Answer{0, value}; }
inline Answer missing() { return Answer{-26, ""}; }

inline bool sameRecord(const FieldRecord& a, const FieldRecord& b) {
  if (a.documentClass != b.documentClass || a.formatId != b.formatId) return false;
  if (a.arena.storage != b.arena.storage || a.arena.capacity != b.arena.capacity || a.arena.used != b.arena.used) {
    return false;
  }
  for (int32_t i = 0; i < kFieldCount; ++i) {
    if (a.slots[i].data != b.slots[i].data || a.slots[i].length != b.slots[i].length) return false;
  }
  return true;
}

// Runs the accessor into a buffer of `capacity` bytes surrounded by guard
// bytes, and checks that nothing outside the buffer was written, that a
// result 0 left a terminated value and that the record did not change.
inline Answer run(RecordAccessorFn accessor, const TestRecord& r, int32_t capacity = 256) {
  constexpr int32_t kGuard = 16;
  char storage[1024 + 2 * kGuard];
  std::memset(storage, 0x5A, sizeof storage);
  char* buffer = storage + kGuard;
  FieldRecord before = r.record;
  char arenaBefore[sizeof r.arena];
  std::memcpy(arenaBefore, r.arena, sizeof arenaBefore);

  const int32_t code = accessor(&r.record, buffer, capacity);

  for (int32_t i = 0; i < kGuard; ++i) EXPECT_EQ(storage[i], 0x5A) << "wrote before the buffer";
  for (char* p = buffer + capacity; p < storage + sizeof storage; ++p) {
    EXPECT_EQ(*p, 0x5A) << "wrote past capacity " << capacity;
  }
  EXPECT_TRUE(sameRecord(before, r.record)) << "record changed";
  EXPECT_EQ(std::memcmp(arenaBefore, r.arena, sizeof arenaBefore), 0) << "arena changed";
  if (code != 0) return Answer{code, ""};
  const void* nul = std::memchr(buffer, '\0', static_cast<size_t>(capacity));
  EXPECT_NE(nul, nullptr) << "value not terminated";
  return Answer{code, nul != nullptr ? std::string(buffer) : std::string()};
}

// One accessor call on a record of up to four fields.
struct AccessorCase {
  RecordAccessorFn accessor;
  FieldText fields[4];
  Answer expected;
  int32_t capacity = 256;
};

template <size_t N>
void expectAnswers(const AccessorCase (&cases)[N]) {
  for (size_t i = 0; i < N; ++i) {
    const TestRecord r(cases[i].fields);
    const char* first = cases[i].fields[0].second;
    EXPECT_EQ(run(cases[i].accessor, r, cases[i].capacity), cases[i].expected)
        << "case " << i << " \"" << (first != nullptr ? first : "") << "\" cap " << cases[i].capacity;
  }
}

}  // namespace tavrix::test
