// Span and text helpers shared by the engine and table tests.
#pragma once

#include <cstring>
#include <string>

#include "engine/span.h"

namespace tavrix::testing {

inline Span spanOf(const char* text) { return Span{text, static_cast<int32_t>(std::strlen(text))}; }
inline Span spanOf(const std::string& text) { return Span{text.data(), static_cast<int32_t>(text.size())}; }
inline std::string orNull(const char* text) { return text == nullptr ? std::string("<null>") : std::string(text); }
inline std::string textOf(Span s) { return s.data == nullptr || s.length < 1 ? std::string() : std::string(s.data, s.length); }

}  // namespace tavrix::testing
