// Reads the real-world sample file: one JSON object per line with the
// sample's id, kind, raw input text and the values other parsers expect.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tavrix_tool {

struct Sample {
  std::string id;
  std::string kind;
  std::string input;  // raw bytes: each character U+0000..U+00FF is one byte
  std::map<std::string, std::string> expected;
};

// The samples of the file in file order; false (with a message) when the
// file cannot be read or a line is not a sample object.
bool readSamples(const std::string& path, std::vector<Sample>* samples, std::string* error);

}  // namespace tavrix_tool
