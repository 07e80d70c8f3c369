#include "engine/parse_memo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

// A record with its own arena, as the engine's candidate records are.
struct Record {
  std::vector<char> storage;
  FieldRecord record;
  explicit Record(int32_t capacity) : storage(static_cast<size_t>(capacity)) {
    recordAttachArena(&record, storage.data(), capacity);
  }
  std::string field(int32_t id) const {
    const Span s = recordField(&record, id);
    return std::string(s.data == nullptr ? "" : s.data, static_cast<size_t>(s.length));
  }
};

MemoKey keyOf(std::initializer_list<uint64_t> words) {
  MemoKey key;
  for (uint64_t w : words) key.add(w);
  return key;
}

// A step that overwrites one field, clears another and stores a third, as
// an element walk with a repeated and an empty element does.
int stepRuns = 0;
void step(FieldRecord* into) {
  ++stepRuns;
  recordSetFieldStr(into, 3, "FIRST");
  recordSetFieldStr(into, 3, "SECOND");
  recordSetSpan(into, 7, Span{});
  recordSetFieldStr(into, 9, "NINE");
}

TEST(ParseMemo, ALaterRowGetsWhatTheStepStoredWithoutRunningIt) {
  std::vector<char> storage(256);
  ParseMemo memo(storage.data(), static_cast<int32_t>(storage.size()));
  Record first(256);
  Record second(256);
  first.record.memo = &memo;
  second.record.memo = &memo;
  // The second record already holds a header field and a value the step clears.
  recordSetFieldStr(&second.record, 1, "HEADER");
  recordSetFieldStr(&second.record, 7, "OLD");

  stepRuns = 0;
  memoStores(&first.record, keyOf({1, 2}), step);
  memoStores(&second.record, keyOf({1, 2}), step);
  EXPECT_EQ(stepRuns, 1);
  for (const Record* r : {&first, &second}) {
    EXPECT_EQ(r->field(3), "SECOND");
    EXPECT_EQ(r->field(7), "");
    EXPECT_EQ(r->field(9), "NINE");
    EXPECT_EQ(recordFieldStatus(&r->record, 9), 0);
  }
  EXPECT_EQ(second.field(1), "HEADER");
  EXPECT_EQ(recordFilledCount(&second.record), 3);
  // A cleared record holds nothing of the replay.
  recordClear(&second.record);
  EXPECT_EQ(recordFilledCount(&second.record), 0);
}

TEST(ParseMemo, StepsAreKeptApartByEveryWordOfTheirKey) {
  std::vector<char> storage(256);
  ParseMemo memo(storage.data(), static_cast<int32_t>(storage.size()));
  Record r(256);
  r.record.memo = &memo;
  stepRuns = 0;
  memoStores(&r.record, keyOf({1, 2}), step);
  memoStores(&r.record, keyOf({1, 3}), step);
  memoStores(&r.record, keyOf({1, 2, 0}), step);
  EXPECT_EQ(stepRuns, 3);
  memo.forget();
  memoStores(&r.record, keyOf({1, 2}), step);
  EXPECT_EQ(stepRuns, 4);
}

TEST(ParseMemo, AStepThatDoesNotFitOrHasNoMemoStillStores) {
  struct Case {
    const char* name;
    int32_t memoCapacity;  // 0: the record has no memo
    int32_t keyWords;
  };
  const Case cases[] = {
      {"no memo", 0, 2},
      {"memo storage too small", 4, 2},
      {"key too long to keep", 256, MemoKey::kWords + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<char> storage(static_cast<size_t>(c.memoCapacity) + 1);
    ParseMemo memo(storage.data(), c.memoCapacity);
    Record r(256);
    if (c.memoCapacity > 0) r.record.memo = &memo;
    MemoKey key;
    for (int32_t i = 0; i < c.keyWords; ++i) key.add(uint64_t{7});
    stepRuns = 0;
    memoStores(&r.record, key, step);
    memoStores(&r.record, key, step);
    EXPECT_EQ(stepRuns, 2);
    EXPECT_EQ(r.field(3), "SECOND");
    EXPECT_EQ(r.field(9), "NINE");
  }
}

TEST(ParseMemo, AReplayIntoAFullArenaIsMarkedAsCutLikeAnyStore) {
  std::vector<char> storage(256);
  ParseMemo memo(storage.data(), static_cast<int32_t>(storage.size()));
  Record roomy(256);
  Record tight(9);  // "SECOND" fits, "NINE" does not
  roomy.record.memo = &memo;
  tight.record.memo = &memo;
  memoStores(&roomy.record, keyOf({5}), step);
  memoStores(&tight.record, keyOf({5}), step);
  EXPECT_TRUE(tight.record.arena.overflowed);
  EXPECT_FALSE(roomy.record.arena.overflowed);
}

}  // namespace
}  // namespace tavrix
