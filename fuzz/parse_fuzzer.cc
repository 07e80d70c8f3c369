// Fuzz target: parse the input, then call every exported getter and
// validator with hostile capacities, and check that each stays inside its
// buffer, answers a documented code and terminates what it returns. The
// same input is then parsed on a long-lived handle, grown by a large text
// and used for every input before, whose answers must match the fresh
// handle's exactly. Run it part of the time with -len_control=0
// -max_len=65536: inputs past the 8 KB minimum buffer reach the paths
// where sizes matter.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "answer_report.h"
#include "getter_table.h"
#include "tavrix_parser.h"

namespace {

constexpr int32_t kCapacities[] = {0, 1, 2, 11, 64, 4096};
constexpr int32_t kGuard = 32;
constexpr unsigned char kGuardByte = 0xA5;

[[noreturn]] void fail(const char* what, const char* getter, int32_t capacity, int32_t rc) {
  std::fprintf(stderr, "fuzz check failed: %s in %s (capacity %d, result %d)\n", what, getter, capacity, rc);
  std::abort();
}

bool documentedCode(int32_t rc) {
  switch (rc) {
    case VTX_OK:
    case VTX_ERR_BUFFER_TOO_SMALL:
    case VTX_ERR_ARGUMENT:
    case VTX_ERR_NOT_AVAILABLE:
      return true;
    default:
      return false;
  }
}

void checkText(void* handle, const tavrix_tool::GetterEntry& g) {
  static unsigned char buffer[4096 + kGuard];
  for (int32_t capacity : kCapacities) {
    std::memset(buffer, kGuardByte, sizeof buffer);
    char* out = capacity == 0 ? nullptr : reinterpret_cast<char*>(buffer);
    int32_t rc = g.text(handle, out, capacity);
    if (!documentedCode(rc)) fail("undocumented result", g.cName, capacity, rc);
    if (capacity == 0 && rc != VTX_ERR_ARGUMENT) fail("null buffer accepted", g.cName, capacity, rc);
    // A real buffer with capacity 0 must be left alone too.
    rc = g.text(handle, reinterpret_cast<char*>(buffer), capacity);
    if (!documentedCode(rc)) fail("undocumented result", g.cName, capacity, rc);
    for (int32_t i = capacity; i < capacity + kGuard; ++i) {
      if (buffer[i] != kGuardByte) fail("wrote past capacity", g.cName, capacity, rc);
    }
    if (rc == VTX_OK) {
      if (std::memchr(buffer, '\0', static_cast<size_t>(capacity)) == nullptr) {
        fail("value not terminated", g.cName, capacity, rc);
      }
      for (int32_t i = 0; i < capacity && buffer[i] != 0; ++i) {
        if (buffer[i] < 0x20 || buffer[i] > 0x7e) fail("non-printable byte in value", g.cName, capacity, rc);
      }
    }
  }
}

void checkNumber(void* handle, const tavrix_tool::GetterEntry& g) {
  static const int32_t kBarcodeArgs[][3] = {{0, 0, 0}, {3, 3, 0}, {17, 20, 5}, {33, 90, 8}, {34, 91, 9}, {-1, 5, 2}};
  const int32_t runs = g.kind == tavrix_tool::GetterKind::barcode ? 6 : 1;
  for (int32_t r = 0; r < runs; ++r) {
    int32_t value = -12345;
    int32_t rc = 0;
    switch (g.kind) {
      case tavrix_tool::GetterKind::flag: rc = g.flag(handle, &value); break;
      case tavrix_tool::GetterKind::status: rc = g.status(handle, &value); break;
      case tavrix_tool::GetterKind::barcode:
        rc = g.barcode(handle, kBarcodeArgs[r][0], kBarcodeArgs[r][1], kBarcodeArgs[r][2], &value);
        break;
      case tavrix_tool::GetterKind::text: return;
    }
    if (!documentedCode(rc)) fail("undocumented result", g.cName, 0, rc);
    if (rc == VTX_OK) {
      const bool flag = g.kind == tavrix_tool::GetterKind::flag;
      if (flag ? (value != 0 && value != 1) : (value < 1 || value > 3)) fail("value out of range", g.cName, 0, rc);
    } else if (value != -12345) {
      fail("value written on failure", g.cName, 0, rc);
    }
    int32_t nullRc = 0;
    switch (g.kind) {
      case tavrix_tool::GetterKind::flag: nullRc = g.flag(handle, nullptr); break;
      case tavrix_tool::GetterKind::status: nullRc = g.status(handle, nullptr); break;
      default: nullRc = g.barcode(handle, kBarcodeArgs[r][0], kBarcodeArgs[r][1], kBarcodeArgs[r][2], nullptr);
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  void* handle = VTX_create();
  if (handle == nullptr) return 0;
  const int32_t length = size > 0x7fffffff ? 0x7fffffff : static_cast<int32_t>(size);
  const int32_t rc = VTX_parse(handle, data, length);
  if (rc != VTX_OK && rc != VTX_ERR_UNRECOGNISED && rc != VTX_ERR_ARGUMENT) fail("parse result", "VTX_parse", 0, rc);
  const tavrix_tool::GetterEntry* table = tavrix_tool::getterTable();
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    if (table[i].kind == tavrix_tool::GetterKind::text) {
      checkText(handle, table[i]);
    } else {
      checkNumber(handle, table[i]);
    }
  }
  const std::string fresh = tavrix_tool::answerReport(handle, rc);
  VTX_delete(handle);
  void* reused = longLivedHandle();
  // An empty input is refused before the handle is touched, so the reused
  // handle rightly keeps its previous answers.
  if (reused != nullptr && rc != VTX_ERR_ARGUMENT) {
    const int32_t again = VTX_parse(reused, data, length);
    if (tavrix_tool::answerReport(reused, again) != fresh) fail("answers depend on the handle's history", "VTX_parse", 0, again);
  }
  return 0;
}
