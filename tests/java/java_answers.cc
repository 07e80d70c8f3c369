// java_answers: what a Java caller of the binding should find in its result
// object, worked out from the C getters alone (no JNI), for the JVM tests to
// compare with.
//
//   java_answers COLUMNS ROWS ECL FILE...
//
// Prints one "fields" line with every Java result field name in the
// library's export order, then for each FILE (parsed on a fresh handle):
//   document <TAB> FILE
//   result <TAB> parse result
//   value <TAB> field <TAB> value     one per field a Java result gets set
// Text values appear when the getter succeeds with a non-empty text; flags
// as 0 / 1 (2 for any other value); verdicts as 1 valid, 2 invalid, 0
// cannot be judged; the barcode verdict from the geometry given. Exit
// status 2 for usage or I/O errors, or a value that could not be printed.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "getter_table.h"
#include "tavrix_parser.h"

namespace {

using tavrix_tool::GetterEntry;
using tavrix_tool::GetterKind;

int32_t javaFlag(int32_t value) { return value == 0 ? 0 : value == 1 ? 1 : 2; }

int32_t javaVerdict(int32_t status) {
  switch (status) {
    case VTX_STATUS_VALID: return 1;
    case VTX_STATUS_INVALID: return 2;
    default: return 0;
  }
}

bool printable(const std::string& text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c > 0x7e) return false;
  }
  return true;
}

struct Geometry {
  int32_t columns, rows, level;
};

// The value a Java result field gets, or false when it stays as initialised.
bool javaValue(void* handle, const GetterEntry& g, const Geometry& geometry, std::string* out) {
  static std::vector<char> buffer(size_t{1} << 17);
  int32_t number = 0;
  switch (g.kind) {
    case GetterKind::text:
      buffer[0] = '\0';
      if (g.text(handle, buffer.data(), static_cast<int32_t>(buffer.size())) != VTX_OK || buffer[0] == '\0') {
        return false;
      }
      *out = buffer.data();
      return true;
    case GetterKind::flag:
      if (g.flag(handle, &number) != VTX_OK) return false;
      *out = std::to_string(javaFlag(number));
      return true;
    case GetterKind::status:
      if (g.status(handle, &number) != VTX_OK) return false;
      *out = std::to_string(javaVerdict(number));
      return true;
    case GetterKind::barcode:
      if (g.barcode(handle, geometry.columns, geometry.rows, geometry.level, &number) != VTX_OK) return false;
      *out = std::to_string(javaVerdict(number));
      return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::cerr << "usage: java_answers COLUMNS ROWS ECL FILE...\n";
    return 2;
  }
  const Geometry geometry{std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3])};
  const GetterEntry* table = tavrix_tool::getterTable();
  std::cout << "fields";
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) std::cout << '\t' << table[i].jsonName;
  std::cout << '\n';
  for (int arg = 4; arg < argc; ++arg) {
    std::ifstream in(argv[arg], std::ios::binary);
    if (!in) {
      std::cerr << "java_answers: cannot read " << argv[arg] << '\n';
      return 2;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    void* handle = VTX_create();
    if (handle == nullptr) return 2;
    const int32_t rc = VTX_parse(handle, text.data(), static_cast<int32_t>(text.size()));
    std::cout << "document\t" << argv[arg] << "\nresult\t" << rc << '\n';
    for (int32_t i = 0; rc == VTX_OK && i < tavrix_tool::getterCount(); ++i) {
      std::string value;
      if (!javaValue(handle, table[i], geometry, &value)) continue;
      if (!printable(value)) {
        std::cerr << "java_answers: unprintable value of " << table[i].cName << " in " << argv[arg] << '\n';
        VTX_delete(handle);
        return 2;
      }
      std::cout << "value\t" << table[i].jsonName << '\t' << value << '\n';
    }
    VTX_delete(handle);
  }
  return std::cout.good() ? 0 : 2;
}
