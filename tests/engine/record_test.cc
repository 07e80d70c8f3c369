#include "engine/record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/text_test_util.h"

namespace tavrix {
namespace {

using testing::spanOf;
using testing::textOf;

struct RecordFixture : ::testing::Test {
  char storage[64];
  FieldRecord record;
  void SetUp() override {
    std::memset(storage, 0x7f, sizeof storage);
    ASSERT_EQ(recordAttachArena(&record, storage, sizeof storage), 0);
  }
  void fillTo(int32_t used) {
    // Leaves exactly capacity - used bytes of room.
    record.arena.used = used;
  }
};

TEST_F(RecordFixture, AttachZeroesTheWholeStorageAndResetsTheFormat) {
  for (char c : storage) EXPECT_EQ(c, 0);
  EXPECT_EQ(record.documentClass, kNoDocumentClass);
  EXPECT_EQ(record.formatId, kNoFormatId);
  EXPECT_EQ(recordAttachArena(&record, nullptr, 10), VTX_ERR_ARGUMENT);
  EXPECT_EQ(recordAttachArena(&record, storage, 0), VTX_ERR_ARGUMENT);
  EXPECT_EQ(record.arena.storage, storage);
}

TEST_F(RecordFixture, ClearEmptiesSlotsAndZeroesWhatWasUsed) {
  recordSetFieldStr(&record, 5, "HELLO");
  record.documentClass = 0;
  record.formatId = 17;
  ASSERT_EQ(recordClear(&record), 0);
  EXPECT_EQ(record.arena.used, 0);
  EXPECT_EQ(recordFieldStatus(&record, 5), -1);
  EXPECT_EQ(record.documentClass, kNoDocumentClass);
  EXPECT_EQ(record.formatId, kNoFormatId);
  for (char c : storage) EXPECT_EQ(c, 0);
  FieldRecord bare;
  EXPECT_EQ(recordClear(&bare), VTX_ERR_ARGUMENT);
  EXPECT_EQ(recordClear(nullptr), VTX_ERR_ARGUMENT);
}

TEST_F(RecordFixture, StoreAppendsWithTerminatorAndSecondStoreMovesTheSlot) {
  recordSetFieldStr(&record, 25, "SMITH");
  EXPECT_EQ(record.arena.used, 6);
  EXPECT_EQ(storage[5], '\0');
  recordSetFieldStr(&record, 25, "JONES");
  EXPECT_EQ(textOf(recordField(&record, 25)), "JONES");
  EXPECT_EQ(record.arena.used, 12);
  EXPECT_EQ(recordFilledCount(&record), 1);
}

TEST_F(RecordFixture, RejectsBadIdsAndNullRecords) {
  EXPECT_EQ(recordSetFieldStr(&record, 140, "X"), nullptr);
  EXPECT_EQ(recordSetFieldStr(&record, -1, "X"), nullptr);
  EXPECT_EQ(recordSetFieldStr(nullptr, 1, "X"), nullptr);
  EXPECT_EQ(recordSetFieldStr(&record, 1, nullptr), nullptr);
  EXPECT_EQ(record.arena.used, 0);
  EXPECT_TRUE(spanIsEmpty(recordField(&record, 140)));
}

TEST_F(RecordFixture, EmptyOrFullyFilteredSourceClearsTheSlot) {
  recordSetFieldStr(&record, 3, "CITY");
  ASSERT_NE(recordSetField(&record, 3, Span{}, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(recordFieldStatus(&record, 3), -1);
  recordSetFieldStr(&record, 3, "CITY");
  recordSetField(&record, 3, spanOf("   "), " ", nullptr, 0);
  EXPECT_EQ(recordFieldStatus(&record, 3), -1);
}

TEST_F(RecordFixture, ArenaEndShortensCopiesAndRefusesDates) {
  fillTo(59);  // 5 bytes of room
  const DateTime date{2024, 2, 29};
  EXPECT_EQ(recordSetDate(&record, 10, &date), nullptr);
  recordSetFieldStr(&record, 1, "ABCDEFGHIJ");
  EXPECT_EQ(textOf(recordField(&record, 1)), "ABCDE");
  EXPECT_EQ(record.arena.used, 64);  // no room for the NUL
  recordSetFieldStr(&record, 2, "MORE");
  EXPECT_EQ(recordFieldStatus(&record, 2), -1);  // nothing left: cleared
  EXPECT_EQ(record.arena.used, 64);
}

TEST_F(RecordFixture, NulRuleLeavesTheLastByteUnwritten) {
  fillTo(60);  // 4 bytes: "ABC" fills to 63 = capacity - 1, no NUL
  recordSetFieldStr(&record, 1, "ABC");
  EXPECT_EQ(record.arena.used, 63);
  fillTo(59);
  recordSetFieldStr(&record, 1, "ABC");  // ends at 62 < 63: NUL written
  EXPECT_EQ(record.arena.used, 63);
}

TEST_F(RecordFixture, DateIsEightDigitsYearFirst) {
  const DateTime date{987, 3, 9};
  recordSetDate(&record, 11, &date);
  EXPECT_EQ(textOf(recordField(&record, 11)), "09870309");
  EXPECT_EQ(recordSetDate(&record, 11, nullptr), nullptr);
  fillTo(56);  // exactly 8 bytes of room
  recordSetDate(&record, 12, &date);
  EXPECT_EQ(textOf(recordField(&record, 12)), "09870309");
}

TEST_F(RecordFixture, JoinedTextAlwaysGetsItsOwnTerminatorWhenItFits) {
  const Span parts[] = {spanOf("A"), Span{}, spanOf("B")};
  recordSetJoined(&record, 1, parts, 3, ' ', nullptr, nullptr, 0);
  EXPECT_EQ(textOf(recordField(&record, 1)), "A B");
  EXPECT_EQ(record.arena.used, 5);
  // Room of 4: join gets 3, its NUL fills the arena; no second NUL.
  fillTo(60);
  recordSetJoined(&record, 2, parts, 3, ' ', nullptr, nullptr, 0);
  EXPECT_EQ(textOf(recordField(&record, 2)), "A B");
  EXPECT_EQ(record.arena.used, 64);
  // A full arena: nothing written, never a byte past the storage.
  recordSetJoined(&record, 3, parts, 3, ' ', nullptr, nullptr, 0);
  EXPECT_EQ(recordFieldStatus(&record, 3), -1);
  EXPECT_EQ(record.arena.used, 64);
}

struct Counter {
  int32_t calls = 0;
};
int32_t writeXs(void* context, char* destination, int32_t room) {
  static_cast<Counter*>(context)->calls++;
  const int32_t n = room < 3 ? room : 3;
  std::memset(destination, 'X', static_cast<size_t>(n));
  return n;
}

TEST_F(RecordFixture, WriterStoresWhatItWrote) {
  Counter counter;
  recordSetFieldWith(&record, 7, &counter, writeXs);
  EXPECT_EQ(textOf(recordField(&record, 7)), "XXX");
  EXPECT_EQ(recordSetFieldWith(&record, 7, &counter, nullptr), nullptr);
  fillTo(64);
  recordSetFieldWith(&record, 7, &counter, writeXs);
  EXPECT_EQ(recordFieldStatus(&record, 7), -1);
  EXPECT_EQ(counter.calls, 1);  // no room: the writer is not even asked
}

TEST_F(RecordFixture, GetFirstTakesTheListInOrder) {
  const int32_t ids[] = {6, 55, 100, 89};
  Span out{"untouched", 9};
  EXPECT_EQ(recordGetFirst(&record, ids, 4, &out), VTX_ERR_FIELD_NOT_FOUND);
  EXPECT_EQ(textOf(out), "untouched");
  recordSetFieldStr(&record, 100, "P1");
  recordSetFieldStr(&record, 89, "P2");
  EXPECT_EQ(recordGetFirst(&record, ids, 4, &out), 0);
  EXPECT_EQ(textOf(out), "P1");
  EXPECT_EQ(recordGetFirst(&record, ids, 0, &out), VTX_ERR_FIELD_NOT_FOUND);
}

TEST(FilteredCopy, ReplacesThenSqueezes) {
  const struct {
    const char* source;
    const char* replaceSet;
    const char* squeezeSet;
    char replacement;
    int32_t cap;
    const char* expected;
  } cases[] = {
      {"A, ,B", ",", " ", ' ', 32, "A B"},  // squeeze sees the replaced character
      {"A,,B", ",", nullptr, 0, 32, "AB"},  // replacement 0 drops
      {"AA  BB", "", " ", 0, 32, "AA BB"},  // only squeeze-set runs collapse
      {"ABCDEF", nullptr, nullptr, 0, 3, "ABC"}, {"ABC", nullptr, nullptr, 0, 0, ""}, {"", nullptr, nullptr, 0, 8, ""},
  };
  for (const auto& c : cases) {
    char out[32];
    std::memset(out, '#', sizeof out);
    const int32_t n = spanCopyFiltered(out, c.cap, spanOf(c.source), c.replaceSet, c.squeezeSet, c.replacement);
    EXPECT_EQ(std::string(out, static_cast<size_t>(n)), c.expected);
    EXPECT_EQ(out[n], '#');  // no terminator
  }
}

int isDigit(int c) { return c >= '0' && c <= '9'; }
int isSpace(int c) { return c == ' '; }

TEST(FilteredCopyIf, PredicatesSeeUnsignedBytes) {
  char out[16];
  const char source[] = "1A\xe9 2  B";
  int32_t n = spanCopyFilteredIf(out, 16, Span{source, 8}, isDigit, isSpace, '-');
  EXPECT_EQ(std::string(out, static_cast<size_t>(n)), "-A\xe9 - B");
  n = spanCopyFilteredIf(out, 16, Span{source, 8}, nullptr, nullptr, 0);
  EXPECT_EQ(n, 8);
}

TEST(CopyOut, TerminatesOrLeavesTheBufferAlone) {
  char out[8];
  std::memset(out, '#', sizeof out);
  EXPECT_EQ(spanCopyOut(out, 3, spanOf("ABC"), nullptr, nullptr, 0), 3);
  EXPECT_STREQ(out, "AB");
  std::memset(out, '#', sizeof out);
  EXPECT_EQ(spanCopyOut(out, 1, spanOf("ABC"), nullptr, nullptr, 0), 0);
  EXPECT_EQ(strCopyOut(out, 8, ""), 0);
  EXPECT_EQ(spanCopyOutIf(out, 8, Span{}, nullptr, nullptr, 0), 0);
  EXPECT_EQ(out[0], '#');
  EXPECT_EQ(strCopyOut(out, 8, "HELLO"), 6);
  EXPECT_STREQ(out, "HELLO");
}

TEST(Join, SeparatorBeforeEveryNonEmptySpanAndCapRespected) {
  const Span parts[] = {spanOf("A"), Span{}, spanOf("B")};
  char out[8];
  EXPECT_EQ(std::string(out, static_cast<size_t>(spanListJoin(out, 8, parts, 3, ' ', nullptr, nullptr, 0))), "A B");
  EXPECT_EQ(std::string(out, static_cast<size_t>(spanListJoin(out, 2, parts, 3, ' ', nullptr, nullptr, 0))), "A ");
  // The separator is written even when the filtered copy comes out empty.
  const Span withBlank[] = {spanOf("A"), spanOf(","), spanOf("B")};
  EXPECT_EQ(std::string(out, static_cast<size_t>(spanListJoin(out, 8, withBlank, 3, '/', ",", nullptr, 0))), "A//B");
  EXPECT_EQ(spanListJoin(out, 8, parts, 0, ' ', nullptr, nullptr, 0), 0);
  EXPECT_EQ(spanListJoinOut(out, 3, parts, 3, ' ', nullptr, nullptr, 0), 3);
  EXPECT_STREQ(out, "A ");
}

}  // namespace
}  // namespace tavrix
