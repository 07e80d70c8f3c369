// The same text gives the same answers on every handle: a fresh one, one
// grown by a large parse, and one that has parsed many documents before.
// Nothing a parse stores is lost for lack of room.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "answer_report.h"
#include "api/lifecycle.h"
#include "engine/parser_handle.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

// A New York licence of version 07 as a scanner delivered it.
const std::string kNewYork =
    "@\n\x1e\nANSI 636001070002DL00410392ZN04330047DLDCANONE\nDCBNONE\nDCDNONE\nDBA08312013\nDCSMichael\nDACM\n"
    "DADMotorist\nDBD08312013\nDBB08312013\nDBC1\nDAYBRO\nDAU064 in\nDAG2345 ANYWHERE STREET\nDAIYOUR CITY\nDAJNY\n"
    "DAK123450000\nDAQNONE\nDCFNONE\nDCGUSA\nDDEN\nDDFN\nDDGN\nZNZNAMDEyMzQ1Njc4OTAxMjM0NTY3ODkwMTIzNDU2Nzg5\n";

// A California licence whose element lines are indented, behind the header
// "@" LF LF that the normalising decoder repairs into "@" LF RS CR (one byte
// longer than the input).
const std::string kIndented =
    "@\n\n  ANSI 636026080102DL00410288ZA03290015DLDAQD12345678\n  DCSPUBLIC\n  DDEN\n  DACJACKSON\n  DDFN\n"
    "  DADJONES\n  DDGN\n  DCAD\n  DCBNONE\n  DCDNONE\n  DBD08242015\n  DBB01311970\n  DBA01312035\n  DBC1\n"
    "  DAU069 in\n  DAYGRN\n  DAG789 E OAK ST\n  DAIANYTOWN\n  DAJCA\n  DAK902230000  \n  DCF83D9BN217QO983B1\n"
    "  DCGUSA\n  DAW180\n  DAZBRO\n  DCK12345678900000000000\n  DDB02142014\n  DDK1\n  ZAZAAN\n  ZAB\n  ZAC";

// An element the 2014 map sends to two fields, long enough that storing it
// twice needs more than the input's length.
std::string newYorkWithLongLastName() {
  std::string text = kNewYork;
  text.insert(text.find("DLDCANONE\n") + 10, "DCS" + std::string(4100, 'Z') + "\n");
  return text;
}

std::string repeatedLicenceNumbers() {
  std::string text = "@\n\x1e\rANSI 636001070002DL00410392ZN04330047DL";
  for (int i = 0; i < 10000; ++i) text += "DAQ123456789\n";
  return text;
}

// Padded with an unknown element to 8190 bytes: the header repair needs a
// byte the minimum buffer leaves only to the first parse of a handle.
std::string indentedPadded() {
  std::string text = kIndented + "\n  ZZZ";
  text.resize(8190, 'P');
  return text;
}

std::string noise(size_t size) {
  std::string text;
  uint32_t state = 2024;
  while (text.size() < size) {
    state = state * 1103515245u + 12345u;
    text += static_cast<char>(state >> 24);
  }
  return text;
}

int32_t parse(void* handle, const std::string& text) {
  return VTX_parse(handle, text.data(), static_cast<int32_t>(text.size()));
}

std::string answersOn(void* handle, const std::string& text) {
  return tavrix_tool::answerReport(handle, parse(handle, text));
}

std::string value(void* handle, int32_t (*getter)(void*, char*, int32_t)) {
  std::vector<char> buffer(16384);
  return getter(handle, buffer.data(), static_cast<int32_t>(buffer.size())) == VTX_OK ? buffer.data() : "-";
}

struct Handles {
  void* fresh = VTX_create();
  void* grown = VTX_create();
  void* longLived = VTX_create();
  Handles() {
    parse(grown, noise(300 * 1024));
    for (const std::string& text : {noise(300 * 1024), kNewYork, kIndented, repeatedLicenceNumbers(),
                                    newYorkWithLongLastName(), noise(9000), indentedPadded(), noise(100)}) {
      parse(longLived, text);
    }
  }
  ~Handles() {
    VTX_delete(fresh);
    VTX_delete(grown);
    VTX_delete(longLived);
  }
};

TEST(Determinism, EveryHandleGivesTheSameAnswers) {
  struct Case {
    const char* name;
    std::string text;
    const char* firstName;
    const char* lastName;
    const char* licenseNumber;
  } const cases[] = {
      {"long last name stored twice", newYorkWithLongLastName(), "M", nullptr, "NONE"},
      {"10,000 repeated licence numbers", repeatedLicenceNumbers(), "-", "-", "123456789"},
      // Every handle repairs the header and reads the indented element
      // lines (as in the text without padding).
      {"repaired header at the minimum buffer", indentedPadded(), "JACKSON", "PUBLIC", "D12345678"},
      {"the plain licence", kNewYork, "M", "MICHAEL", "NONE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Handles h;  // each case on handles whose history is the same mix
    const std::string fresh = answersOn(h.fresh, c.text);
    EXPECT_EQ(value(h.fresh, VTX_getFirstName), c.firstName);
    EXPECT_EQ(value(h.fresh, VTX_getLicenseNumber), c.licenseNumber);
    if (c.lastName != nullptr) {
      EXPECT_EQ(value(h.fresh, VTX_getLastName), c.lastName);
    }
    EXPECT_EQ(answersOn(h.grown, c.text), fresh);
    EXPECT_EQ(answersOn(h.longLived, c.text), fresh);
    // And again on the same handles, now that each has parsed the text.
    EXPECT_EQ(answersOn(h.fresh, c.text), fresh);
  }
}

TEST(Determinism, NothingIsLostBesideALongValue) {
  void* handle = VTX_create();
  parse(handle, newYorkWithLongLastName());
  // The later DCS element is the last name; the long one stays in its
  // second field.
  EXPECT_EQ(value(handle, VTX_getLastName), "MICHAEL");
  EXPECT_EQ(value(handle, VTX_getFirstName), "M");
  EXPECT_EQ(value(handle, VTX_getCity), "YOUR CITY");
  EXPECT_EQ(value(handle, VTX_getLicenseNumber), "NONE");
  VTX_delete(handle);
}

// The worst texts we can build for the arena: every element of the 2014 map
// that goes to two fields, repeated, with short and with long values. Each
// fits the arena sized from its length without the parse having to retry
// on a larger one.
TEST(Determinism, TheArenaBoundHoldsForTheWorstTexts) {
  const char* twoFieldElements[] = {"DCA", "DCB", "DCD", "DBA", "DCS", "DBD", "DBB", "DBC",
                                    "DAY", "DAU", "DAG", "DAI", "DAJ", "DAK", "DAQ", "DCG"};
  const std::string header = "@\n\x1e\rANSI 636001080002DL00410392ZN04330047DL";
  for (size_t valueLength : {1u, 2u, 8u, 40u, 5000u}) {
    for (int copies : {1, 50, 3000}) {
      std::string text = header;
      for (int i = 0; i < copies; ++i) {
        for (const char* id : twoFieldElements) text += id + std::string(valueLength, '1') + "\n";
      }
      if (text.size() > 2'000'000) continue;
      SCOPED_TRACE(std::to_string(valueLength) + " x " + std::to_string(copies));
      auto* h = static_cast<ParserHandle*>(VTX_create());
      ASSERT_EQ(parse(h, text), VTX_OK);
      EXPECT_EQ(h->arenaCapacity, 2 * arenaSizeFor(static_cast<int32_t>(text.size())));
      EXPECT_FALSE(h->record.arena.overflowed);
      EXPECT_LE(h->record.arena.used, h->record.arena.capacity);
      VTX_delete(h);
    }
  }
}

// Every growing header repair fits the work buffer: a flood of "@" LF LF
// headers is repaired everywhere, whatever the handle parsed before.
TEST(Determinism, EveryHeaderRepairFindsRoom) {
  std::string flood;
  for (int i = 0; i < 5000; ++i) flood += "@\n\nX";
  const std::vector<char> input(flood.begin(), flood.end());
  const int64_t size = workSizeFor(static_cast<int32_t>(flood.size()));
  std::vector<char> out(static_cast<size_t>(size));
  int32_t n = 0;
  ASSERT_EQ(decodeNormalized(input.data(), static_cast<int32_t>(input.size()), out.data(),
                             static_cast<int32_t>(size - 1), &n),
            VTX_OK);
  EXPECT_EQ(n, static_cast<int32_t>(flood.size()) + 5000);
  EXPECT_EQ(std::count(out.begin(), out.begin() + n, '\x1e'), 5000);

  // The repair that grows most: "@ANSI " gains its three separators.
  std::string bare;
  for (int i = 0; i < 5000; ++i) bare += "@ANSI ";
  bare += 'X';  // the decoder trims a trailing blank before it repairs
  const int64_t bareSize = workSizeFor(static_cast<int32_t>(bare.size()));
  std::vector<char> bareOut(static_cast<size_t>(bareSize));
  ASSERT_EQ(decodeNormalized(bare.data(), static_cast<int32_t>(bare.size()), bareOut.data(),
                             static_cast<int32_t>(bareSize - 1), &n),
            VTX_OK);
  EXPECT_EQ(n, static_cast<int32_t>(bare.size()) + 3 * 5000);
  EXPECT_EQ(std::count(bareOut.begin(), bareOut.begin() + n, '\x1e'), 5000);
}

// A row that stores far more than any real format: the parse gets the room
// it needs instead of cutting the field.
int32_t storeTenCopies(const char* text, int32_t length, FieldRecord* record, const ParserHandle*) {
  std::vector<Span> parts(10, Span{text, length});
  recordSetJoined(record, 1, parts.data(), 10, '+', nullptr, nullptr, '\0');
  return 0;
}

TEST(Determinism, AParseThatNeedsMoreRoomIsGivenIt) {
  const FormatRow rows[] = {{.documentClass = 2, .formatId = 48, .decoder = decodeVerbatim, .parser = storeTenCopies}};
  const std::string text = noise(50000);
  auto* h = static_cast<ParserHandle*>(VTX_create());
  ASSERT_EQ(parseWithRegistry(h, FormatTable{rows, 1, nullptr}, text.data(), static_cast<int32_t>(text.size())),
            VTX_OK);
  EXPECT_EQ(h->record.slots[1].length, 10 * 50000 + 9);
  EXPECT_FALSE(h->record.arena.overflowed);
  VTX_delete(h);
}

}  // namespace
}  // namespace tavrix
