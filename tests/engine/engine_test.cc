#include "engine/engine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tavrix {
namespace {

std::string text(Span s) { return spanIsEmpty(s) ? std::string() : std::string(s.data, static_cast<size_t>(s.length)); }

int32_t copyDecoder(const char* in, int32_t n, char* out, int32_t cap, int32_t* outLength) {
  const int32_t m = n < cap ? n : cap;
  std::memcpy(out, in, static_cast<size_t>(m));
  *outLength = m;
  return 0;
}
int32_t failingDecoder(const char*, int32_t, char*, int32_t, int32_t*) { return -20; }

// Parsers of a toy registry: each stores some fields, so the counts decide.
int32_t storeOne(const char* t, int32_t n, FieldRecord* r, const ParserHandle*) {
  recordSetField(r, 1, Span{t, n}, nullptr, nullptr, 0);
  return 0;
}
int32_t storeTwo(const char* t, int32_t n, FieldRecord* r, const ParserHandle*) {
  recordSetField(r, 1, Span{t, n}, nullptr, nullptr, 0);
  recordSetFieldStr(r, 86, "TWO");
  return 0;
}
int32_t storeTwoOther(const char* t, int32_t n, FieldRecord* r, const ParserHandle*) {
  recordSetField(r, 2, Span{t, n}, nullptr, nullptr, 0);
  recordSetFieldStr(r, 86, "OTHER");
  return 0;
}
int32_t storeNothing(const char*, int32_t, FieldRecord*, const ParserHandle*) { return 0; }
int32_t failAfterStoring(const char* t, int32_t n, FieldRecord* r, const ParserHandle*) {
  storeTwo(t, n, r, nullptr);
  recordSetFieldStr(r, 3, "X");
  return -2;
}
int32_t storeFormatNameOnly(const char*, int32_t, FieldRecord* r, const ParserHandle*) {
  recordSetFieldStr(r, 86, "NAME ONLY");
  return 0;
}
int32_t storeWholeText(const char* t, int32_t n, FieldRecord* r, const ParserHandle*) {
  recordSetField(r, 60, Span{t, n}, nullptr, nullptr, 0);
  return 0;
}

int32_t minusTen(const FieldRecord*, const FormatRow*, char* scratch, int32_t cap) {
  std::memset(scratch, '!', static_cast<size_t>(cap));  // the engine must not trust the buffer afterwards
  return -10;
}

struct EngineFixture : ::testing::Test {
  static constexpr int32_t kRegion = 256;
  char work[kRegion * kWorkRegions];
  char storage[512];
  char spareStorage[512];
  FieldRecord record;
  FieldRecord spare;
  void SetUp() override {
    ASSERT_EQ(recordAttachArena(&record, storage, sizeof storage), 0);
    ASSERT_EQ(recordAttachArena(&spare, spareStorage, sizeof spareStorage), 0);
  }
  EngineRoom room() { return EngineRoom{.work = work, .regionCapacity = kRegion, .record = &record, .spare = &spare}; }
  int32_t run(const FormatTable& table, const std::string& input) {
    return runParseEngine(table, input.data(), static_cast<int32_t>(input.size()), room(), nullptr);
  }
};

TEST_F(EngineFixture, ArgumentChecksInOrder) {
  const FormatRow rows[] = {{1, 3, copyDecoder, storeOne, nullptr, nullptr}};
  const FormatTable table{rows, 1, nullptr};
  EngineRoom r = room();
  EXPECT_EQ(runParseEngine(table, nullptr, 0, r, nullptr), VTX_ERR_NO_DATA);
  EXPECT_EQ(runParseEngine(table, "x", 0, r, nullptr), VTX_ERR_NO_LENGTH);
  for (EngineRoom bad : {EngineRoom{.regionCapacity = kRegion, .record = &record, .spare = &spare},
                         EngineRoom{.work = work, .regionCapacity = 1, .record = &record, .spare = &spare},
                         EngineRoom{.work = work, .regionCapacity = kRegion, .spare = &spare},
                         EngineRoom{.work = work, .regionCapacity = kRegion, .record = &record}}) {
    EXPECT_EQ(runParseEngine(table, "x", 1, bad, nullptr), VTX_ERR_ARGUMENT);
  }
  FieldRecord bare;
  r.record = &bare;
  EXPECT_EQ(runParseEngine(table, "x", 1, r, nullptr), VTX_ERR_NO_STORAGE);
}

TEST_F(EngineFixture, HighestScoreWinsAndTiesGoToTheEarlierRow) {
  const FormatRow rows[] = {
      {1, 3, copyDecoder, storeOne, nullptr, nullptr},
      {0, 7, copyDecoder, storeTwo, nullptr, nullptr},
      {0, 8, copyDecoder, storeTwoOther, nullptr, nullptr},
  };
  ASSERT_EQ(run(FormatTable{rows, 3, nullptr}, "doc"), 0);
  EXPECT_EQ(record.formatId, 7u);
  EXPECT_EQ(record.documentClass, 0u);
  EXPECT_EQ(text(recordField(&record, 86)), "TWO");
  EXPECT_EQ(recordFieldStatus(&record, 2), -1);  // only the winner's second run survives
}

TEST_F(EngineFixture, FailedAndEmptyRowsNeverWin) {
  const FormatRow rows[] = {
      {1, 1, failingDecoder, storeTwo, nullptr, nullptr},
      {1, 2, copyDecoder, failAfterStoring, nullptr, nullptr},
      {1, 3, copyDecoder, storeNothing, nullptr, nullptr},
      {1, 4, copyDecoder, storeFormatNameOnly, nullptr, nullptr},
  };
  ASSERT_EQ(run(FormatTable{rows, 4, nullptr}, "doc"), 0);
  EXPECT_EQ(record.formatId, 4u);  // a format name alone scores 1 and wins
  EXPECT_EQ(run(FormatTable{rows, 3, nullptr}, "doc"), VTX_ERR_UNRECOGNISED);
  EXPECT_EQ(record.formatId, kNoFormatId);
  EXPECT_EQ(record.documentClass, kNoDocumentClass);
  // What a failing row left stays readable, and printable.
  const FormatRow leaves[] = {{1, 2, copyDecoder, failAfterStoring, nullptr, nullptr}};
  EXPECT_EQ(run(FormatTable{leaves, 1, nullptr}, std::string("d\x01" "c", 3)), VTX_ERR_UNRECOGNISED);
  EXPECT_EQ(text(recordField(&record, 1)), "D C");
}

TEST_F(EngineFixture, ExpectationAdjustsOnlyRowsThatCarryOne) {
  const FormatRow rows[] = {
      {0, 7, copyDecoder, storeTwo, "CAN", nullptr},
      {1, 3, copyDecoder, storeOne, nullptr, nullptr},
      {0, 9, copyDecoder, storeTwoOther, nullptr, nullptr},
  };
  // Row 0 drops to -8 and loses even to the one-field row; what the
  // scoring writes into its scratch never reaches the next row's text.
  ASSERT_EQ(run(FormatTable{rows, 3, minusTen}, "doc"), 0);
  EXPECT_EQ(record.formatId, 9u);
  EXPECT_EQ(text(recordField(&record, 2)), "DOC");
}

int32_t eraseText(char* t, int32_t n, FieldRecord* r, const ParserHandle*) {
  std::memset(t, 'Z', static_cast<size_t>(n));
  recordSetField(r, 3, Span{t, n}, nullptr, nullptr, 0);
  return 0;
}

TEST_F(EngineFixture, ARowThatEditsItsTextLeavesTheNextRowsTextAlone) {
  FormatRow editing{.documentClass = 1, .formatId = 11, .decoder = copyDecoder};
  editing.editingParser = eraseText;
  const FormatRow rows[] = {editing, {1, 12, copyDecoder, storeTwo, nullptr, nullptr}};
  ASSERT_EQ(run(FormatTable{rows, 2, nullptr}, "doc"), 0);
  EXPECT_EQ(record.formatId, 12u);
  EXPECT_EQ(text(recordField(&record, 1)), "DOC");
}

TEST_F(EngineFixture, UpperCasesForEveryDecoderButVerbatim) {
  const FormatRow rows[] = {{1, 3, copyDecoder, storeWholeText, nullptr, nullptr}};
  ASSERT_EQ(run(FormatTable{rows, 1, nullptr}, "ansi abc\xe9"), 0);
  EXPECT_EQ(text(recordField(&record, 60)), "ANSI ABC ");  // 0xE9 is not a letter; then made printable
  const FormatRow verbatim[] = {{4, 56, decodeVerbatim, storeWholeText, nullptr, nullptr}};
  ASSERT_EQ(run(FormatTable{verbatim, 1, nullptr}, "ansi abc"), 0);
  EXPECT_EQ(text(recordField(&record, 60)), "ansi abc");
}

TEST_F(EngineFixture, PrintablePassTurnsControlHighAndInnerNulBytesIntoSpaces) {
  const FormatRow verbatim[] = {{4, 56, decodeVerbatim, storeWholeText, nullptr, nullptr}};
  const std::string input("A\0B\tC\x7f\x80\xff", 8);
  ASSERT_EQ(run(FormatTable{verbatim, 1, nullptr}, input), 0);
  const Span field = recordField(&record, 60);
  ASSERT_EQ(field.length, 8);
  EXPECT_EQ(text(field), "A B C   ");
  EXPECT_EQ(field.data[field.length], '\0');  // the terminator after the text stays
}

TEST(FindVersion, Reads) {
  const struct {
    const char* text;
    int32_t rc;
    const char* version;
  } cases[] = {
      {"@ANSI 63601408", 0, "08"},  // exactly 14 characters
      {"@ANSI 6360140", -26, ""},   // 13: too short
      {"ANSI 636014080", -26, ""},  // no '@'
      {"@xxANSI 63601a08ANSI 63602910", 0, "10"}, {"@AAMVA6360140307", 0, "03"}, {"@ANS 636014080000", -26, ""},
  };
  for (const auto& c : cases) {
    Span out{};
    EXPECT_EQ(findAamvaVersion(c.text, static_cast<int32_t>(std::strlen(c.text)), &out), c.rc) << c.text;
    if (c.rc == 0) {
      EXPECT_EQ(text(out), c.version);
    }
  }
  Span out;
  EXPECT_EQ(findAamvaVersion(nullptr, 20, &out), VTX_ERR_ARGUMENT);
  EXPECT_EQ(findAamvaVersion("@", -1, &out), VTX_ERR_ARGUMENT);
  EXPECT_EQ(findAamvaVersion("@ANSI 63601408", 14, nullptr), VTX_ERR_ARGUMENT);
}

}  // namespace
}  // namespace tavrix
