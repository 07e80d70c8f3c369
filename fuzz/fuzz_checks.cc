#include "fuzz_checks.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "answer_report.h"
#include "engine/decoders.h"
#include "engine/internal_codes.h"
#include "engine/parser_handle.h"
#include "engine/record.h"
#include "engine/registry.h"
#include "formats/format_registry.h"
#include "getter_table.h"
#include "tavrix_parser.h"

namespace tavrix_fuzz {
namespace {

constexpr int32_t kLarge = 4096;
constexpr int32_t kGuard = 32;
constexpr unsigned char kGuardByte = 0xA5;
constexpr int32_t kFixedCapacities[] = {1, 2, 11, 64};

bool documentedGetterCode(int32_t rc) {
  return rc == VTX_OK || rc == VTX_ERR_BUFFER_TOO_SMALL || rc == VTX_ERR_ARGUMENT || rc == VTX_ERR_NOT_AVAILABLE;
}

// A getter's answer at one capacity, guard bytes checked.
struct TextAnswer {
  int32_t rc;
  std::string value;
};

TextAnswer callText(void* handle, const tavrix_tool::GetterEntry& g, int32_t capacity) {
  static unsigned char buffer[kLarge + kGuard];
  std::memset(buffer, kGuardByte, sizeof buffer);
  const int32_t rc = g.text(handle, reinterpret_cast<char*>(buffer), capacity);
  if (!documentedGetterCode(rc)) fail("undocumented result", g.cName, capacity, rc);
  for (int32_t i = capacity; i < capacity + kGuard; ++i) {
    if (buffer[i] != kGuardByte) fail("wrote past capacity", g.cName, capacity, rc);
  }
  TextAnswer answer{rc, {}};
  if (rc != VTX_OK) return answer;
  const void* end = std::memchr(buffer, '\0', static_cast<size_t>(capacity));
  if (end == nullptr) fail("value not terminated", g.cName, capacity, rc);
  answer.value.assign(reinterpret_cast<const char*>(buffer), static_cast<const unsigned char*>(end) - buffer);
  for (unsigned char c : answer.value) {
    if (c < 0x20 || c > 0x7e) fail("non-printable byte in value", g.cName, capacity, rc);
  }
  return answer;
}

void checkText(void* handle, const tavrix_tool::GetterEntry& g, uint32_t seed) {
  // No buffer, or no room at all: refused, nothing written.
  if (g.text(handle, nullptr, 16) != VTX_ERR_ARGUMENT) fail("null buffer accepted", g.cName, 16, 0);
  unsigned char untouched = kGuardByte;
  if (g.text(handle, reinterpret_cast<char*>(&untouched), 0) != VTX_ERR_ARGUMENT || untouched != kGuardByte) {
    fail("capacity 0 accepted", g.cName, 0, 0);
  }
  const TextAnswer full = callText(handle, g, kLarge);
  const int32_t length = static_cast<int32_t>(full.value.size());
  // Around the value's own length, where an off-by-one would show, plus
  // one capacity the seed picks.
  const int32_t around[] = {length + 1, length, length - 1, 1 + static_cast<int32_t>(seed % 97)};
  // Small capacities some getters refuse outright, as documented: the
  // weights below 4, and capacity 1 answered "not available" by the
  // getters that trim or form their value.
  const bool weight = std::strstr(g.cName, "Weight") != nullptr;
  auto documentedRefusal = [&](int32_t capacity, int32_t rc) {
    return (rc == VTX_ERR_ARGUMENT && weight && capacity < 4) || (rc == VTX_ERR_NOT_AVAILABLE && capacity == 1);
  };
  // A stored full name or licence number, and a postal code found in the
  // street line, are copied with one byte to spare.
  const bool spareByte = std::strcmp(g.cName, "VTX_getFullName") == 0 ||
                         std::strcmp(g.cName, "VTX_getLicenseNumber") == 0 ||
                         std::strcmp(g.cName, "VTX_getPostalCode") == 0;
  const int32_t fits = length + (spareByte ? 1 : 0);
  auto compare = [&](int32_t capacity) {
    if (capacity < 1 || capacity > kLarge) return;
    const TextAnswer small = callText(handle, g, capacity);
    if (full.rc != VTX_OK) {
      // Nothing to give at full size, nothing at any size.
      if (small.rc == VTX_OK) fail("value only at a small capacity", g.cName, capacity, small.rc);
      return;
    }
    if (capacity > fits) {
      if (documentedRefusal(capacity, small.rc)) return;
      if (small.rc != VTX_OK || small.value != full.value) fail("value that fits differs", g.cName, capacity, small.rc);
    } else if (small.rc == VTX_OK && small.value != full.value.substr(0, small.value.size())) {
      // Cut to fit, or refused (-18, -21, -26): never changed.
      fail("value not cut but changed", g.cName, capacity, small.rc);
    }
  };
  for (int32_t capacity : kFixedCapacities) compare(capacity);
  for (int32_t capacity : around) compare(capacity);
}

void checkNumber(void* handle, const tavrix_tool::GetterEntry& g, uint32_t seed) {
  static const int32_t kBarcodeArgs[][3] = {{0, 0, 0}, {3, 3, 0}, {17, 20, 5}, {33, 90, 8}, {34, 91, 9}, {-1, 5, 2}};
  int32_t args[7][3];
  std::memcpy(args, kBarcodeArgs, sizeof kBarcodeArgs);
  // One geometry from the seed, negatives and large values included.
  args[6][0] = static_cast<int32_t>(seed % 41) - 3;
  args[6][1] = static_cast<int32_t>((seed >> 8) % 101) - 3;
  args[6][2] = static_cast<int32_t>((seed >> 16) % 13) - 2;
  const int32_t runs = g.kind == tavrix_tool::GetterKind::barcode ? 7 : 1;
  for (int32_t r = 0; r < runs; ++r) {
    int32_t value = -12345;
    int32_t rc = 0;
    int32_t nullRc = 0;
    switch (g.kind) {
      case tavrix_tool::GetterKind::flag:
        rc = g.flag(handle, &value);
        nullRc = g.flag(handle, nullptr);
        break;
      case tavrix_tool::GetterKind::status:
        rc = g.status(handle, &value);
        nullRc = g.status(handle, nullptr);
        break;
      case tavrix_tool::GetterKind::barcode:
        rc = g.barcode(handle, args[r][0], args[r][1], args[r][2], &value);
        nullRc = g.barcode(handle, args[r][0], args[r][1], args[r][2], nullptr);
        break;
      case tavrix_tool::GetterKind::text:
        return;
    }
    if (!documentedGetterCode(rc)) fail("undocumented result", g.cName, 0, rc);
    if (rc == VTX_OK) {
      const bool flag = g.kind == tavrix_tool::GetterKind::flag;
      if (flag ? (value != 0 && value != 1) : (value < VTX_STATUS_UNKNOWN || value > VTX_STATUS_INVALID)) {
        fail("value out of range", g.cName, 0, rc);
      }
    } else if (value != -12345) {
      fail("value written on failure", g.cName, 0, rc);
    }
    if (nullRc != VTX_ERR_ARGUMENT) fail("null status pointer accepted", g.cName, 0, nullRc);
  }
}

// A handle that parsed a large text first and then every input of the run.
void* longLivedHandle() {
  static void* handle = [] {
    void* h = VTX_create();
    static char large[300 * 1024];
    std::memset(large, 'Q', sizeof large);
    if (h != nullptr) VTX_parse(h, large, static_cast<int32_t>(sizeof large));
    return h;
  }();
  return handle;
}

// Every field's bytes and the code, to compare two runs of one row.
std::string recordImage(const tavrix::FieldRecord& record, int32_t rc) {
  std::string image = std::to_string(rc);
  for (int32_t id = 0; id < tavrix::kFieldCount; ++id) {
    const tavrix::Span s = tavrix::recordField(&record, id);
    image += '|';
    if (s.data != nullptr && s.length > 0) image.append(s.data, static_cast<size_t>(s.length));
  }
  return image;
}

int32_t fixedDay(tavrix::DateTime* now) {
  *now = tavrix::DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

// One row on its own record; the text is copied so that the copy's bytes
// are exactly the decoding and an edit can be seen.
std::string runRow(const tavrix::FormatRow& row, const std::vector<char>& decoded) {
  tavrix::ParserHandle context;
  context.clock = fixedDay;
  context.parseTime = tavrix::DateTime{2026, 6, 15, 12, 0, 0};
  std::vector<char> arena(4 * decoded.size() + 4096);
  tavrix::recordAttachArena(&context.record, arena.data(), static_cast<int32_t>(arena.size()));
  std::vector<char> text(decoded);
  const int32_t length = static_cast<int32_t>(text.size());
  const int32_t rc = row.editingParser != nullptr
                         ? row.editingParser(text.data(), length, &context.record, &context)
                         : row.parser(text.data(), length, &context.record, &context);
  // 0 accepts the text; each family refuses with small negative codes of
  // its own.
  if (rc > 0 || rc < -99) {
    fail("row answered an unknown code", "row parser", static_cast<int32_t>(row.formatId), rc);
  }
  if (row.editingParser == nullptr && text != decoded) {
    fail("row changed the text it only reads", "row parser", static_cast<int32_t>(row.formatId), rc);
  }
  return recordImage(context.record, rc);
}

}  // namespace

void fail(const char* what, const char* where, int32_t capacity, int32_t rc) {
  std::fprintf(stderr, "fuzz check failed: %s in %s (capacity or id %d, result %d)\n", what, where, capacity, rc);
  std::abort();
}

void checkParseAndGetters(const uint8_t* data, size_t size, uint32_t capacitySeed) {
  void* handle = VTX_create();
  if (handle == nullptr) return;
  const int32_t length = size > 0x7fffffff ? 0x7fffffff : static_cast<int32_t>(size);
  const int32_t rc = VTX_parse(handle, data, length);
  if (rc != VTX_OK && rc != VTX_ERR_UNRECOGNISED && rc != VTX_ERR_ARGUMENT) fail("parse result", "VTX_parse", 0, rc);
  const tavrix_tool::GetterEntry* table = tavrix_tool::getterTable();
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    const uint32_t seed = capacitySeed * 2654435761u + static_cast<uint32_t>(i) * 40503u;
    if (table[i].kind == tavrix_tool::GetterKind::text) {
      checkText(handle, table[i], seed);
    } else {
      checkNumber(handle, table[i], seed);
    }
  }
  const std::string fresh = tavrix_tool::answerReport(handle, rc);
  // Getters change nothing: asked again, every answer is the same.
  if (tavrix_tool::answerReport(handle, rc) != fresh) fail("getters changed the answers", "getters", 0, rc);
  VTX_delete(handle);
  void* reused = longLivedHandle();
  // An empty input is refused before the handle is touched, so the reused
  // handle rightly keeps its previous answers.
  if (reused != nullptr && rc != VTX_ERR_ARGUMENT) {
    const int32_t again = VTX_parse(reused, data, length);
    if (tavrix_tool::answerReport(reused, again) != fresh) {
      fail("answers depend on the handle's history", "VTX_parse", 0, again);
    }
  }
}

void checkRows(const uint8_t* data, size_t size, uint32_t firstId, uint32_t lastId) {
  if (size == 0 || size > (1u << 20)) return;
  const int32_t length = static_cast<int32_t>(size);
  const char* input = reinterpret_cast<const char*>(data);
  const tavrix::FormatTable table = tavrix::formatRegistry();
  std::vector<char> work(size + 16);
  for (int32_t i = 0; i < table.count; ++i) {
    const tavrix::FormatRow& row = table.rows[i];
    if (row.formatId < firstId || row.formatId > lastId) continue;
    int32_t n = 0;
    if (row.decoder(input, length, work.data(), static_cast<int32_t>(work.size()) - 1, &n) != VTX_OK) continue;
    if (n < 0 || n > static_cast<int32_t>(work.size()) - 1) fail("decoder overran", "decoder", n, 0);
    if (row.decoder != tavrix::decodeVerbatim) {
      for (int32_t k = 0; k < n; ++k) {
        if (work[k] >= 'a' && work[k] <= 'z') work[k] = static_cast<char>(work[k] - 'a' + 'A');
      }
    }
    const std::vector<char> decoded(work.begin(), work.begin() + n);
    if (runRow(row, decoded) != runRow(row, decoded)) {
      fail("row gave two records for one text", "row parser", static_cast<int32_t>(row.formatId), 0);
    }
  }
}

}  // namespace tavrix_fuzz
