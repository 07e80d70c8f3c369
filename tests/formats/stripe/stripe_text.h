// Stripe texts built from their tracks, and a handle that parses them on a
// fixed day.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "api/diagnostics.h"
#include "engine/parser_handle.h"
#include "engine/record.h"
#include "formats/stripe/stripe_formats.h"
#include "tavrix_parser.h"

namespace tavrix::test {

// A Californian licence, track by track, with sentinels.
inline const std::string kTrack1 = "%CAANYTOWN^DOE$JOHN^1 MAIN ST^?";
inline const std::string kTrack2 = ";6360001234567=2512199001150?";
// Sentinel, version "0 ", the postal code field (eleven characters), then
// the description: class C, sex M, 5 ft 10 in, 180 lb, brown hair, blue eyes.
inline const std::string kDescription = "C               M510180BRNBLU";
inline const std::string kTrack3 = "%0 95814      " + kDescription + "?";

inline std::string track3With(const std::string& postalField, const std::string& description) {
  return "%0 " + postalField + description + "?";
}

// The three tracks as one line (the layout format 4 reads).
inline std::string threeTracks(const std::string& track2Data, const std::string& track3 = kTrack3) {
  return kTrack1 + ";" + track2Data + "?" + track3;
}

// The three tracks one per line (format 2).
inline std::string threeLines(const std::string& track2Data, const std::string& track3 = kTrack3) {
  return kTrack1 + "\n;" + track2Data + "?\n" + track3;
}

template <int32_t Year, int32_t Month = 6, int32_t Day = 1>
int32_t clockOn(DateTime* now) {
  *now = DateTime{Year, Month, Day, 12, 0, 0};
  return 0;
}

struct StripeParse {
  void* handle = VTX_create();
  int32_t code = 0;

  explicit StripeParse(const std::string& text, ClockFunction clock = clockOn<2024>) {
    static_cast<ParserHandle*>(handle)->clock = clock;
    code = VTX_parse(handle, text.data(), static_cast<int32_t>(text.size()));
  }
  ~StripeParse() { VTX_delete(handle); }
  StripeParse(const StripeParse&) = delete;
  StripeParse& operator=(const StripeParse&) = delete;

  uint32_t formatId() const {
    ParseDiagnostics d{};
    return diagnosticsOf(handle, &d) == 0 ? d.formatId : 999u;
  }
  uint32_t documentClass() const {
    ParseDiagnostics d{};
    return diagnosticsOf(handle, &d) == 0 ? d.documentClass : 999u;
  }
  // Raw field text, "" when empty.
  std::string field(int32_t id) const {
    Span s;
    return diagnosticField(handle, id, &s) == 0 ? std::string(s.data, static_cast<size_t>(s.length)) : "";
  }
  using Getter = int32_t (*)(void*, char*, int32_t);
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

// One format's parser run directly on (already upper-case) text, with a
// record of its own.
struct DirectParse {
  FieldRecord record{};
  char arena[1024];
  int32_t code = 0;

  template <typename Parser>
  DirectParse(Parser parser, const std::string& text) {
    recordAttachArena(&record, arena, sizeof arena);
    code = parser(text.data(), static_cast<int32_t>(text.size()), &record, nullptr);
  }
  std::string field(int32_t id) const {
    const Span s = recordField(&record, id);
    return s.length > 0 ? std::string(s.data, static_cast<size_t>(s.length)) : "";
  }
};

// The three-track format `Id` as a plain parser.
template <int32_t Id>
int32_t stripeFormat(const char* text, int32_t length, FieldRecord* record, const ParserHandle* context) {
  return parseStripeVariant(Id, text, length, record, context);
}

}  // namespace tavrix::test
