// The AAMVA reader's steps on their own: header, directory realignment,
// the element walks and the guarded edge cases. Inputs live in exactly
// sized buffers so that a read past the end is a sanitizer finding.
#include "formats/aamva/aamva_reader.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "fields/field_ids.h"
#include "fields/test_record.h"
#include "formats/aamva/aamva_formats.h"
#include "formats/aamva/aamva_variant_hooks.h"
#include "formats/aamva/element_maps.h"

namespace tavrix {
namespace {

using test::TestRecord;

struct Input {
  std::vector<char> bytes;
  explicit Input(const std::string& text) : bytes(text.begin(), text.end()) {}
  Span span() const { return Span{bytes.data(), static_cast<int32_t>(bytes.size())}; }
};

std::string text(Span s) { return spanIsEmpty(s) ? std::string() : std::string(s.data, static_cast<size_t>(s.length)); }

struct ReaderFixture : ::testing::Test {
  TestRecord r;
  AamvaReader reader;
  void SetUp() override {
    ASSERT_EQ(aamvaReaderInit(&reader, 42, &r.record), 0);
    reader.checkVersion = aamvaCheckVersionRange;
  }
  std::string field(int32_t id) { return text(recordField(&r.record, id)); }
  void useMap(ElementMapId id) {
    const ElementMap map = elementMap(id);
    reader.map = map.pairs;
    reader.mapLength = map.count;
  }
  int32_t walk(const std::string& data) {
    Input in(data);
    return aamvaParseSubfileWithMap(&reader, in.span());
  }
};

const std::string kHeader = "@\n\x1e\rANSI 636015080001";  // 21 characters, one entry

TEST_F(ReaderFixture, HeaderSteps) {
  EXPECT_EQ(aamvaReaderInit(&reader, 16, &r.record), aamva_rc::kNoLayout);
  ASSERT_EQ(aamvaReaderInit(&reader, 42, &r.record), 0);
  reader.checkVersion = aamvaCheckVersionRange;
  EXPECT_EQ(aamvaParseHeader(&reader, Input(kHeader).span()), aamva_rc::kTooShort);  // exactly the header
  EXPECT_EQ(aamvaParseHeader(&reader, Input("#" + kHeader).span()), aamva_rc::kNoAt);
  EXPECT_EQ(aamvaParseHeader(&reader, Span{nullptr, 0}), aamva_rc::kBounds);
  EXPECT_EQ(reader.run(&reader, nullptr, 5), aamva_rc::kBounds);

  std::string zeroEntries = kHeader + "DL";
  zeroEntries[19] = '0';
  zeroEntries[20] = '0';
  ASSERT_EQ(aamvaParseHeader(&reader, Input(zeroEntries).span()), 0);
  EXPECT_EQ(reader.entryCount, 1);  // "00" still reads one entry
  EXPECT_EQ(reader.version, 8);
  EXPECT_EQ(reader.elementSeparator, '\n');
  EXPECT_EQ(reader.recordSeparator, '\x1e');
  EXPECT_EQ(field(field::issuerIdNumber), "636015");

}

TEST_F(ReaderFixture, VersionChecksOfEveryFormat) {
  // A standard version 08 text: the 2014 rows with a version range read
  // it (43 reads a different place), rows that read no version get past
  // the header, and every other row refuses the version.
  const std::string v08 = kHeader + "DL00310010DLDAQ1\nDCSX\r";
  for (int32_t format = 17; format <= 47; ++format) {
    TestRecord scratch;
    const Input in(v08);
    const int32_t rc = parseAamvaVariant(format, in.bytes.data(), static_cast<int32_t>(in.bytes.size()),
                                         &scratch.record);
    const bool readsIt = format == 42 || format == 44 || format == 46;
    const bool readsNone = format == 23 || format == 35 || format == 45;
    if (readsIt) {
      EXPECT_EQ(rc, 0) << format;
    } else if (readsNone) {
      EXPECT_NE(rc, aamva_rc::kVersion) << format;
    } else {
      EXPECT_EQ(rc, aamva_rc::kVersion) << format;
    }
  }
  TestRecord scratch;
  EXPECT_EQ(parseAamvaVariant(16, "@", 1, &scratch.record), aamva_rc::kNoLayout);
}

TEST_F(ReaderFixture, DirectoryOffsetOffByOneIsRealigned) {
  // A length with a space in it defeats the pattern search, so the stated
  // offset is used: the subfile's "DL" stands at 31.
  const std::string body = kHeader + "DL0031 250DLDAQ1\nDCSX\r";
  for (const char* offset : {"0030", "0031", "0032"}) {
    std::string t = body;
    t.replace(23, 4, offset);
    const Input in(t);
    SubfileEntry entry;
    ASSERT_EQ(aamvaParseDirectoryEntry(&reader, in.span(), Span{in.bytes.data() + 21, 10}, &entry), 0);
    EXPECT_EQ(entry.offset, 31) << offset;
    Span data;
    ASSERT_EQ(aamvaLocateSubfileData(&reader, in.span(), &entry, &data), 0);
    EXPECT_EQ(text(data).substr(0, 4), "DAQ1");
  }
  EXPECT_EQ(field(field::documentType), "DL");
}

TEST_F(ReaderFixture, DldaaBeforeTheStatedOffsetStartsTheWalk) {
  const Input in(kHeader + "DL0090 250DLDAAJOHN\nDAQ1\r" + std::string(80, ' '));
  SubfileEntry entry;
  ASSERT_EQ(aamvaParseDirectoryEntry(&reader, in.span(), Span{in.bytes.data() + 21, 10}, &entry), 0);
  EXPECT_EQ(entry.offset, 33);
  // "Offset minus one" of 0000 looks in an empty window and ends outside.
  const Input zero(kHeader + "DL00000010DLDAAJOHN\r");
  EXPECT_EQ(aamvaEntryOffsetMinusOne(&reader, zero.span(), Span{zero.bytes.data() + 21, 10}, &entry),
            aamva_rc::kDirectory);
}

TEST_F(ReaderFixture, OffsetsAtOrPastTheEndNeverRead) {
  SubfileEntry entry;
  // An offset equal to the length: nothing to realign, an empty subfile.
  const Input atEnd(kHeader + "DL0031 001");
  ASSERT_EQ(aamvaParseDirectoryEntry(&reader, atEnd.span(), Span{atEnd.bytes.data() + 21, 10}, &entry), 0);
  EXPECT_EQ(entry.offset, 31);
  EXPECT_EQ(entry.length, 0);
  EXPECT_EQ(aamvaEntryOffsetDigitStep(&reader, atEnd.span(), Span{atEnd.bytes.data() + 21, 10}, &entry), 0);
  EXPECT_EQ(entry.offset + entry.length, 31);
  const Input past(kHeader + "DL0099 001");
  EXPECT_EQ(aamvaParseDirectoryEntry(&reader, past.span(), Span{past.bytes.data() + 21, 10}, &entry),
            aamva_rc::kDirectory);
  // Fixed and pattern starts beyond a short text, and an "SL" start past it.
  const Input shortText("@\n\x1e\rANSI 6360DLx");
  const Span dir{shortText.bytes.data() + 13, 3};
  reader.subfileStart = 27;
  EXPECT_EQ(aamvaEntryFixedStart(&reader, shortText.span(), dir, &entry), aamva_rc::kBounds);
  EXPECT_EQ(aamvaEntryPatternStart(&reader, shortText.span(), dir, &entry), aamva_rc::kBounds);
  const Input sl(kHeader + "SL00050010");
  EXPECT_EQ(aamvaEntrySl(&reader, sl.span(), Span{sl.bytes.data() + 21, 10}, &entry), aamva_rc::kBounds);
  Span data;
  const SubfileEntry bad{kSubfileDl, 5, 40};
  EXPECT_EQ(aamvaLocateSubfileData(&reader, sl.span(), &bad, &data), aamva_rc::kBounds);
}

TEST_F(ReaderFixture, TokenWalk) {
  useMap(ElementMapId::y2009);
  reader.elementSeparator = '\n';
  reader.segmentTerminator = '-';
  reader.separatorForm = SeparatorForm::bothNoDash;
  walk("DCSSMITH\nDBB1985-06-15\nZZZIGNORED\nDC\n\nDASONE\nDCBTWO");
  EXPECT_EQ(field(field::lastName), "SMITH");
  EXPECT_EQ(field(field::birthDate), "1985-06-15");  // "-" is no separator in this form
  EXPECT_EQ(field(field::restrictionCode), "TWO");   // the later element wins
  walk("DCS\n");
  EXPECT_EQ(field(field::lastName), "");  // an element without a value clears its field
  // An emptied store slot is skipped like every other slot, by both walks.
  reader.storeElement = nullptr;
  for (AamvaWalkHook w : {aamvaWalkElements, aamvaFillEmptyWalk}) {
    reader.walkElements = w;
    EXPECT_EQ(walk("DCSJONES\n"), 0);
    EXPECT_EQ(field(field::lastName), "");
  }
}

TEST_F(ReaderFixture, EveryPairOfAnIdIsStoredInMapOrderWhateverTheMapLength) {
  // Maps up to the longest edition's are looked up through a hash index,
  // longer ones by plain scan; both must visit every pair of an id in order.
  reader.elementSeparator = '\n';
  reader.separatorForm = SeparatorForm::elementOnly;
  for (int32_t length : {3, 82, 100}) {
    std::vector<CodePair> map(static_cast<size_t>(length), CodePair{aamvaElementCode('Z', 'Z', 'Z'), field::race});
    map.front() = CodePair{aamvaElementCode('D', 'C', 'S'), field::lastName};
    map.back() = CodePair{aamvaElementCode('D', 'C', 'S'), field::givenNames};
    reader.map = map.data();
    reader.mapLength = length;
    for (AamvaWalkHook w : {aamvaWalkElements, aamvaFillEmptyWalk}) {
      // The fill-empty walk keeps one value per pair on the stack, so it
      // reads no further than the longest edition's map.
      if (w == aamvaFillEmptyWalk && length > kElementMapMaxPairs) continue;
      recordClear(&r.record);
      reader.walkElements = w;
      walk("DCSSMITH\nDACJOHN\nZZZW");
      SCOPED_TRACE(length);
      EXPECT_EQ(field(field::lastName), "SMITH");
      EXPECT_EQ(field(field::givenNames), "SMITH");
      EXPECT_EQ(field(field::race), "W");
      EXPECT_EQ(field(field::firstName), "");
    }
  }
}

TEST_F(ReaderFixture, NulSeparatorStaysInTheSet) {
  useMap(ElementMapId::y2014);
  reader.elementSeparator = '\0';
  reader.segmentTerminator = '\r';
  reader.separatorForm = SeparatorForm::both;
  walk(std::string("DCSDOE\0DACJANE\rDAQ9", 19));
  EXPECT_EQ(field(field::lastName), "DOE");
  EXPECT_EQ(field(field::firstName), "JANE");
  EXPECT_EQ(field(field::licenseNumber), "9");
}

TEST_F(ReaderFixture, FillEmptyWalkPrefersTheFirstElementInMapOrder) {
  useMap(ElementMapId::y2009);
  reader.walkElements = aamvaFillEmptyWalk;
  reader.elementSeparator = '\n';
  reader.separatorForm = SeparatorForm::elementOnly;
  walk("DCBLATER\nDASFIRST\nDCSA\nDCSB\nDACX\nDAC");
  EXPECT_EQ(field(field::restrictionCode), "FIRST");  // DAS precedes DCB in the map
  EXPECT_EQ(field(field::lastName), "B");            // the last occurrence of one element
  EXPECT_EQ(field(field::firstName), "");            // ... unless it is empty
}

TEST_F(ReaderFixture, HighTerminatorBecomesALineFeed) {
  useMap(ElementMapId::y2014);
  reader.elementSeparator = '*';
  reader.segmentTerminator = 'Z';
  reader.separatorForm = SeparatorForm::bothHighTerminatorAsLf;
  walk("DCSDOE\nDACZOE*DAQ1");
  EXPECT_EQ(reader.segmentTerminator, '\n');
  EXPECT_EQ(field(field::firstName), "ZOE");
}

TEST_F(ReaderFixture, DateStores) {
  struct Case {
    AamvaStoreHook store;
    int32_t id;
    const char* value;
    const char* stored;
  } const cases[] = {
      {aamvaStoreRotatedDates, field::birthDate, " 1985-06-15 ", "06151985"},
      {aamvaStoreRotatedDates, field::expirationDate, "85", "85"},  // shorter than a year: moved whole
      {aamvaStoreRotatedDates, field::lastName, "1985-DOE", "1985-DOE"},
      {aamvaStoreWideTrimRotatedDates, field::birthDate, "\x01~1985-06-15\x7f", "06151985"},
      {aamvaStoreMonthNameDates, field::birthDate, "15-jun-1985", "19850615"},
      {aamvaStoreMonthNameDates, field::issueDate, "01 DEC 2001", "20011201"},
      {aamvaStoreMonthNameDates, field::issueDate, "1985-06-15", "1985-06-15"},
      {aamvaStoreMonthNameDates, field::heightCm, "180 CM", "180"},
  };
  for (const Case& c : cases) {
    c.store(&reader, c.id, Span{c.value, static_cast<int32_t>(std::string(c.value).size())});
    EXPECT_EQ(field(c.id), c.stored) << c.value;
  }
  aamvaStoreMonthNameDates(&reader, field::issueDate, Span{"01-XYZ-2001", 11});
  EXPECT_EQ(field(field::issueDate), "1985-06-15");  // not a month: nothing stored
  aamvaStoreWideTrimRotatedDates(&reader, field::heightCm, Span{"165", 3});
  EXPECT_EQ(field(field::height), "165");
}

TEST_F(ReaderFixture, AnsiScanTakesTheFirstSixDigitRun) {
  const Input in("@ ANSI X ANSI  636001 ANSI 636002");
  EXPECT_EQ(aamvaStoreIinAnsiScan(&reader, in.span()), 0);
  EXPECT_EQ(field(field::issuerIdNumber), "636001");
}

}  // namespace
}  // namespace tavrix
