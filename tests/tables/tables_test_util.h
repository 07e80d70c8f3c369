#pragma once

#include <cstring>
#include <string>

#include "engine/span.h"

namespace tavrix::test {

inline Span spanOf(const char* text) { return Span{text, static_cast<int32_t>(std::strlen(text))}; }
inline std::string orNull(const char* text) { return text == nullptr ? std::string("<null>") : std::string(text); }

}  // namespace tavrix::test
