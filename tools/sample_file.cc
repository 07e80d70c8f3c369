#include "sample_file.h"

#include <cstdlib>
#include <fstream>

namespace tavrix_tool {
namespace {

// A small reader for the subset of JSON the sample file uses: objects,
// arrays, strings, numbers, true, false and null. Strings are kept as
// bytes; characters below U+0100 (escaped or raw UTF-8) become one byte,
// others stay UTF-8.
class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : text_(text) {}

  bool fail() const { return failed_; }

  // Reads one value; objects of strings land in `strings` keyed by their
  // path ("expected.firstName"), other values are skipped.
  void value(const std::string& path, std::map<std::string, std::string>* strings) {
    space();
    if (at_ >= text_.size()) return setFailed();
    const char c = text_[at_];
    if (c == '{') {
      ++at_;
      space();
      if (peek('}')) return;
      do {
        space();
        std::string key;
        if (!string(&key)) return setFailed();
        space();
        if (!peek(':')) return setFailed();
        value(path.empty() ? key : path + "." + key, strings);
        space();
      } while (!failed_ && peek(','));
      if (!peek('}')) setFailed();
    } else if (c == '[') {
      ++at_;
      space();
      if (peek(']')) return;
      do {
        value(path + "[]", nullptr);
        space();
      } while (!failed_ && peek(','));
      if (!peek(']')) setFailed();
    } else if (c == '"') {
      std::string s;
      if (!string(&s)) return setFailed();
      if (strings != nullptr) (*strings)[path] = s;
    } else {
      while (at_ < text_.size() && std::string(",}] \t\r\n").find(text_[at_]) == std::string::npos) ++at_;
    }
  }

 private:
  void setFailed() { failed_ = true; }
  void space() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n')) ++at_;
  }
  bool peek(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool string(std::string* out) {
    if (!peek('"')) return false;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return true;
      if (c != '\\') {
        // Raw UTF-8 of U+0080..U+00FF stands for one byte, like its escape.
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u == 0xC2 || u == 0xC3) && at_ < text_.size() && (static_cast<unsigned char>(text_[at_]) & 0xC0) == 0x80) {
          *out += static_cast<char>(((u & 0x03) << 6) | (static_cast<unsigned char>(text_[at_++]) & 0x3F));
        } else {
          *out += c;
        }
        continue;
      }
      if (at_ >= text_.size()) return false;
      const char e = text_[at_++];
      switch (e) {
        case 'n': *out += '\n'; break;
        case 'r': *out += '\r'; break;
        case 't': *out += '\t'; break;
        case 'b': *out += '\b'; break;
        case 'f': *out += '\f'; break;
        case 'u': {
          if (at_ + 4 > text_.size()) return false;
          const unsigned long code = std::strtoul(text_.substr(at_, 4).c_str(), nullptr, 16);
          at_ += 4;
          if (code < 0x100) {
            *out += static_cast<char>(code);
          } else if (code < 0x800) {
            *out += static_cast<char>(0xC0 | (code >> 6));
            *out += static_cast<char>(0x80 | (code & 0x3F));
          } else {
            *out += static_cast<char>(0xE0 | (code >> 12));
            *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *out += static_cast<char>(0x80 | (code & 0x3F));
          }
          break;
        }
        default: *out += e; break;
      }
    }
    return false;
  }

  const std::string& text_;
  size_t at_ = 0;
  bool failed_ = false;
};

}  // namespace

bool readSamples(const std::string& path, std::vector<Sample>* samples, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.empty()) continue;
    std::map<std::string, std::string> strings;
    JsonReader reader(line);
    reader.value("", &strings);
    if (reader.fail() || strings["id"].empty()) {
      *error = path + ":" + std::to_string(number) + ": not a sample object";
      return false;
    }
    Sample s;
    s.id = strings["id"];
    s.kind = strings["kind"];
    s.input = strings["input"];
    for (const auto& [key, value] : strings) {
      if (key.rfind("expected.", 0) == 0) s.expected[key.substr(9)] = value;
    }
    samples->push_back(std::move(s));
  }
  return true;
}

}  // namespace tavrix_tool
