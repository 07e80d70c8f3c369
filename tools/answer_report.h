// Every answer a handle gives after a parse, written out as text: the parse
// result, the document class and format id, each getter's result code and
// value, and every raw field by its catalogue name. One entry per line, so
// that two reports (a golden file and today's answer, a fresh handle and a
// reused one) compare and diff line by line.
#pragma once

#include <cstdint>
#include <string>

namespace tavrix_tool {

// The geometry the report hands VTX_validateBarcode.
inline constexpr int32_t kReportColumns = 17;
inline constexpr int32_t kReportRows = 20;
inline constexpr int32_t kReportLevel = 5;

// A JSON string literal of the bytes: quotes and backslashes escaped, every
// byte outside 0x20..0x7E as \u00XX.
std::string jsonQuote(const std::string& text);

std::string answerReport(void* handle, int32_t parseResult);

}  // namespace tavrix_tool
