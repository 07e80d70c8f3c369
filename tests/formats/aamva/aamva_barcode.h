// Builders for AAMVA barcode texts and a parsed handle to read them back
// through the C interface and the diagnostic view.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "api/diagnostics.h"
#include "engine/parser_handle.h"
#include "tavrix_parser.h"

namespace tavrix::test {

inline std::string fourDigits(size_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04zu", value % 10000);
  return text;
}

inline std::string joinElements(std::initializer_list<const char*> elements, char separator) {
  std::string out;
  for (const char* e : elements) {
    if (!out.empty()) out += separator;
    out += e;
  }
  return out;
}

// A standard barcode: "@" LF RS CR, "ANSI ", issuer number, version,
// jurisdiction version (from version 02 on), entry count 01, one directory
// entry pointing at the subfile, the elements separated by LF and a CR.
inline std::string standardBarcode(const char* iin, int version, std::initializer_list<const char*> elements,
                                   const char* type = "DL") {
  std::string header = "@\n\x1e\rANSI ";
  header += iin;
  header += static_cast<char>('0' + version / 10 % 10);
  header += static_cast<char>('0' + version % 10);
  header += version >= 2 ? "0001" : "01";
  const std::string subfile = std::string(type) + joinElements(elements, '\n') + "\r";
  return header + type + fourDigits(header.size() + 10) + fourDigits(subfile.size()) + subfile;
}

inline int32_t fixedClock(DateTime* now) {
  *now = DateTime{2024, 6, 1, 12, 0, 0};
  return 0;
}

struct Parsed {
  void* handle = VTX_create();
  int32_t code = 0;

  Parsed() { static_cast<ParserHandle*>(handle)->clock = fixedClock; }
  explicit Parsed(const std::string& text) : Parsed() { parse(text); }
  ~Parsed() { VTX_delete(handle); }
  Parsed(const Parsed&) = delete;
  Parsed& operator=(const Parsed&) = delete;

  int32_t parse(const std::string& text) {
    code = VTX_parse(handle, text.data(), static_cast<int32_t>(text.size()));
    return code;
  }
  uint32_t formatId() const {
    ParseDiagnostics d{};
    return diagnosticsOf(handle, &d) == 0 ? d.formatId : 999u;
  }
  // Raw field text, "" when empty.
  std::string field(int32_t id) const {
    Span s;
    return diagnosticField(handle, id, &s) == 0 ? std::string(s.data, static_cast<size_t>(s.length)) : "";
  }
  using Getter = int32_t (*)(void*, char*, int32_t);
  // The getter's value, or "<code>" when it refuses.
  std::string get(Getter getter) const {
    char buffer[256];
    const int32_t rc = getter(handle, buffer, sizeof buffer);
    if (rc == 0) return std::string(buffer);
    std::string refused = "<";
    refused += std::to_string(rc);
    refused += '>';
    return refused;
  }
};

}  // namespace tavrix::test
