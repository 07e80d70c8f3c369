// Fuzz target: the library's engine against the plain reference engine.
// Both parse the input on handles of their own; the records (every field's
// bytes, class, format id) and every getter's answer must be the same.
// Run it part of the time with -len_control=0 -max_len=65536.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "answer_report.h"
#include "api/lifecycle.h"
#include "engine/reference_engine.h"
#include "formats/format_registry.h"

namespace {

int32_t fixedDay(tavrix::DateTime* now) {
  *now = tavrix::DateTime{2026, 6, 15, 12, 0, 0};
  return 0;
}

std::string outcome(const uint8_t* data, int32_t length, tavrix::EngineFunction engine) {
  auto* h = static_cast<tavrix::ParserHandle*>(VTX_create());
  if (h == nullptr) return "";
  h->clock = fixedDay;
  const int32_t rc = tavrix::parseWithRegistry(h, tavrix::formatRegistry(), data, length, engine);
  std::string out = std::to_string(h->record.documentClass) + "/" + std::to_string(h->record.formatId);
  for (int32_t id = 0; id < tavrix::kFieldCount; ++id) {
    const tavrix::Span s = tavrix::recordField(&h->record, id);
    out += '|';
    if (s.data != nullptr && s.length > 0) out.append(s.data, static_cast<size_t>(s.length));
  }
  out += tavrix_tool::answerReport(h, rc);
  VTX_delete(h);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 0x7fffffff) return 0;
  const int32_t length = static_cast<int32_t>(size);
  if (outcome(data, length, tavrix::runParseEngine) != outcome(data, length, tavrix::test::referenceParseEngine)) {
    std::fprintf(stderr, "the engine and the reference engine differ\n");
    std::abort();
  }
  return 0;
}
