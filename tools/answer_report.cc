#include "answer_report.h"

#include <cstdio>
#include <vector>

#include "api/diagnostics.h"
#include "fields/field_ids.h"
#include "getter_table.h"
#include "tavrix_parser.h"

namespace tavrix_tool {
namespace {

// Room for the values of any ordinary document; a longer value is cut the
// same way in every report.
constexpr size_t kValueCapacity = size_t{1} << 17;

std::string getterLine(void* handle, const GetterEntry& g, std::vector<char>& buffer) {
  int32_t number = -12345;
  int32_t rc = 0;
  std::string value;
  switch (g.kind) {
    case GetterKind::text:
      buffer[0] = '\0';
      rc = g.text(handle, buffer.data(), static_cast<int32_t>(buffer.size()));
      if (rc == VTX_OK) value = jsonQuote(buffer.data());
      break;
    case GetterKind::flag:
      rc = g.flag(handle, &number);
      break;
    case GetterKind::status:
      rc = g.status(handle, &number);
      break;
    case GetterKind::barcode:
      rc = g.barcode(handle, kReportColumns, kReportRows, kReportLevel, &number);
      break;
  }
  if (rc == VTX_OK && g.kind != GetterKind::text) value = std::to_string(number);
  std::string line = "    " + jsonQuote(g.jsonName) + ": {\"code\": " + std::to_string(rc);
  if (rc == VTX_OK) line += ", \"value\": " + value;
  return line + "}";
}

}  // namespace

std::string jsonQuote(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c > 0x7e) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string answerReport(void* handle, int32_t parseResult) {
  std::string out = "{\n  \"result\": " + std::to_string(parseResult);
  tavrix::ParseDiagnostics diag{6, 68};
  if (tavrix::diagnosticsOf(handle, &diag) == VTX_OK) {
    out += ",\n  \"documentClass\": " + std::to_string(diag.documentClass);
    out += ",\n  \"formatId\": " + std::to_string(diag.formatId);
  }
  out += ",\n  \"getters\": {\n";
  thread_local std::vector<char> buffer(kValueCapacity);
  const GetterEntry* table = getterTable();
  for (int32_t i = 0; i < getterCount(); ++i) {
    out += getterLine(handle, table[i], buffer);
    out += i + 1 < getterCount() ? ",\n" : "\n";
  }
  out += "  },\n  \"fields\": {";
  bool first = true;
  for (int32_t id = 0; id < tavrix::field::kCount; ++id) {
    tavrix::Span text;
    if (tavrix::diagnosticField(handle, id, &text) != VTX_OK) continue;
    out += first ? "\n" : ",\n";
    first = false;
    out += "    " + jsonQuote(tavrix::field::nameOf(id)) + ": " +
           jsonQuote(std::string(text.data, static_cast<size_t>(text.length)));
  }
  out += first ? "}\n}\n" : "\n  }\n}\n";
  return out;
}

}  // namespace tavrix_tool
