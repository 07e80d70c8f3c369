// The five input decoders. Scanners and stripe readers deliver the same
// document text in many shapes; each decoder turns the raw input into the
// working copy that a family of format parsers expects.
#include "engine/decoders.h"

#include <cstring>

#include "engine/ascii_classes.h"
#include "engine/latin1_fold.h"
#include "engine/text_replace.h"
#include "engine/text_span.h"

namespace tavrix {
namespace {

constexpr char kLF = '\n';
constexpr char kCR = '\r';
constexpr char kRS = '\x1E';

bool argumentsValid(const char* input, int32_t length, const char* out, int32_t capacity) {
  return input != nullptr && length >= 1 && out != nullptr && capacity >= 1;
}

int isNotPrintableAscii(int c) { return c < 0x20 || c > 0x7E; }

// Scanner logs write control characters as "[0D]" and "[0A]". The text is
// in escape mode when it holds one of them before its first NUL byte.
bool inEscapeMode(const char* text, int32_t n) {
  const void* nul = std::memchr(text, '\0', static_cast<size_t>(n));
  const int32_t end = nul != nullptr ? static_cast<int32_t>(static_cast<const char*>(nul) - text) : n;
  return spanFind(Span{text, end}, Span{"[0D]", 4}) >= 0 || spanFind(Span{text, end}, Span{"[0A]", 4}) >= 0;
}

// In escape mode the real control characters are scanner noise: only the
// printable bytes (DEL included) stay, and "[hh]" escapes become the byte
// they name. The three bytes after a decoded escape become NULs, which the
// compaction removes later.
int32_t decodeEscapes(char* text, int32_t n) {
  int32_t kept = 0;
  for (int32_t i = 0; i < n; ++i) {
    const int c = byteOf(text[i]);
    if (c >= 0x20 && c <= 0x7F) text[kept++] = text[i];
  }
  n = kept;
  text[n] = '\0';
  for (int32_t i = 0; i + 3 < n; ++i) {
    if (text[i] != '[' || text[i + 3] != ']') continue;
    const int hi = byteOf(text[i + 1]);
    const int lo = byteOf(text[i + 2]);
    if (!isAsciiHexDigit(hi) || !isAsciiHexDigit(lo)) continue;
    auto value = [](int h) { return h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10; };
    text[i] = static_cast<char>(value(hi) * 16 + value(lo));
    text[i + 1] = text[i + 2] = text[i + 3] = '\0';
  }
  return n;
}

// Some stripe readers put "?*", STX, one byte, NUL and ";" between two
// tracks; only the end sentinel and the next start sentinel, "?;", are
// kept.
void clearStripeJunk(char* text, int32_t n) {
  if (n <= 6) return;
  for (int32_t i = 0; i <= n - 7; ++i) {
    // Only a '?' can begin the junk.
    const void* mark = std::memchr(text + i, '?', static_cast<size_t>(n - 6 - i));
    if (mark == nullptr) return;
    i = static_cast<int32_t>(static_cast<const char*>(mark) - text);
    if (text[i + 1] == '*' && text[i + 2] == '\x02' && text[i + 3] != kLF &&
        text[i + 4] == '\0' && text[i + 5] == ';') {
      text[i + 1] = ';';
      text[i + 2] = text[i + 3] = text[i + 5] = '\0';
    }
  }
}

// Drops NUL bytes and turns the two-character escapes "\n" and "\r" into
// LF and CR; any other backslash stays.
int32_t compact(char* text, int32_t n) {
  // Most texts hold neither a NUL nor a backslash: nothing moves.
  const void* nul = std::memchr(text, '\0', static_cast<size_t>(n));
  const void* backslash = std::memchr(text, '\\', static_cast<size_t>(n));
  if (nul == nullptr && backslash == nullptr) return n;
  int32_t w = 0;
  for (int32_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c == '\0') continue;
    if (c == '\\' && i + 1 < n && (text[i + 1] == 'n' || text[i + 1] == 'r')) {
      text[w++] = text[i + 1] == 'n' ? kLF : kCR;
      ++i;
      continue;
    }
    text[w++] = c;
  }
  return w;
}

struct HeaderRepair {
  Span pattern;
  Span replacement;
};

// The AAMVA header opens with "@", LF, RS, CR; scanners deliver it with the
// separators doubled, swapped or turned into line ends, with only the LF
// left (a capture that turns control characters into line feeds) or with
// none (a keyboard wedge that drops them all). The last two turn CR LF line
// ends into LF.
constexpr HeaderRepair kHeaderRepairs[] = {
    {.pattern = {"@\r\r\n\r\r\n", 7}, .replacement = {"@\n\x1E\r", 4}},
    {.pattern = {"@\r\n\x1E\r\n", 6}, .replacement = {"@\n\x1E\r", 4}},
    {.pattern = {"@\n \n", 4}, .replacement = {"@\n\x1E\r", 4}},
    {.pattern = {"@\n\n", 3}, .replacement = {"@\n\x1E\r", 4}},
    {.pattern = {"@\n\r", 3}, .replacement = {"@\n\x1E\r", 4}},
    {.pattern = {"@\nANSI ", 7}, .replacement = {"@\n\x1E\rANSI ", 9}},
    {.pattern = {"@ANSI ", 6}, .replacement = {"@\n\x1E\rANSI ", 9}},
    {.pattern = {"@\x1E*>-\x1E", 6}, .replacement = {"@*\x1E-", 4}},
    {.pattern = {"@\x1E*", 3}, .replacement = {"@*", 2}},
    {.pattern = {"\r\r\n", 3}, .replacement = {"\n", 1}},
    {.pattern = {"\r\n", 2}, .replacement = {"\n", 1}},
};
static_assert(sizeof(kHeaderRepairs) / sizeof(kHeaderRepairs[0]) == 11);

// The repairs that begin with "@" come first. No pattern or replacement of
// theirs holds an "@" past its first byte, so their occurrences never
// overlap, no replacement makes or breaks another's occurrence, and none
// leaves a text that a later one of them matches at the same "@". Applying
// them one after another therefore gives what one pass gives that tries
// them in order at each "@".
constexpr int32_t kAtRepairs = 9;

constexpr bool atRepairsStandApart() {
  for (int32_t r = 0; r < 11; ++r) {
    const HeaderRepair& repair = kHeaderRepairs[r];
    if ((repair.pattern.data[0] == '@') != (r < kAtRepairs)) return false;
    for (int32_t i = 1; i < repair.pattern.length; ++i) {
      if (repair.pattern.data[i] == '@') return false;
    }
    for (int32_t i = 1; i < repair.replacement.length; ++i) {
      if (repair.replacement.data[i] == '@') return false;
    }
  }
  return true;
}
static_assert(atRepairsStandApart(), "the '@' repairs can run in one pass");

// The first "@" repair whose pattern begins at text[at], or -1.
int32_t atRepairAt(const char* text, int32_t n, int32_t at) {
  for (int32_t r = 0; r < kAtRepairs; ++r) {
    const Span p = kHeaderRepairs[r].pattern;
    if (at + p.length <= n && std::memcmp(text + at, p.data, static_cast<size_t>(p.length)) == 0) return r;
  }
  return -1;
}

// The "@" repairs in one pass. The text is first moved to the end of the
// buffer and rewritten from the start, which needs room for every growing
// repair; without it (only a caller's small buffer lacks it) the result is
// -1 and the repairs run one after another instead.
int32_t repairAtHeadersInOnePass(char* out, int32_t n, int32_t capacity) {
  int64_t growth = 0;
  int32_t found = 0;
  for (const char* p = static_cast<const char*>(std::memchr(out, '@', static_cast<size_t>(n))); p != nullptr;) {
    const int32_t at = static_cast<int32_t>(p - out);
    const int32_t r = atRepairAt(out, n, at);
    int32_t next = at + 1;
    if (r >= 0) {
      const int32_t delta = kHeaderRepairs[r].replacement.length - kHeaderRepairs[r].pattern.length;
      if (delta > 0) growth += delta;
      next = at + kHeaderRepairs[r].pattern.length;
      ++found;
    }
    p = next < n ? static_cast<const char*>(std::memchr(out + next, '@', static_cast<size_t>(n - next))) : nullptr;
  }
  if (found == 0) return n;
  if (static_cast<int64_t>(n) + growth > capacity) return -1;
  char* source = out + (capacity - n);
  std::memmove(source, out, static_cast<size_t>(n));
  int32_t read = 0;
  int32_t write = 0;
  while (read < n) {
    const void* hit = std::memchr(source + read, '@', static_cast<size_t>(n - read));
    const int32_t at = hit == nullptr ? n : static_cast<int32_t>(static_cast<const char*>(hit) - source);
    std::memmove(out + write, source + read, static_cast<size_t>(at - read));
    write += at - read;
    read = at;
    if (read >= n) break;
    const int32_t r = atRepairAt(source, n, read);
    if (r < 0) {
      out[write++] = '@';
      ++read;
      continue;
    }
    const Span replacement = kHeaderRepairs[r].replacement;
    std::memmove(out + write, replacement.data, static_cast<size_t>(replacement.length));
    write += replacement.length;
    read += kHeaderRepairs[r].pattern.length;
  }
  return write;
}

// For each byte, what a zone keeps of it: digits, upper-case letters and
// '<' as they are, lower-case letters upper-cased, 0 for the rest.
struct ZoneCharacters {
  char of[256] = {};
};
constexpr ZoneCharacters buildZoneCharacters() {
  ZoneCharacters table;
  for (int c = 0; c < 256; ++c) {
    if (isAsciiDigit(c) || isAsciiUpper(c) || c == '<') table.of[c] = static_cast<char>(c);
    if (isAsciiLower(c)) table.of[c] = static_cast<char>(c - 'a' + 'A');
  }
  return table;
}
constexpr ZoneCharacters kZoneCharacters = buildZoneCharacters();

}  // namespace

int32_t decodeVerbatim(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength) {
  if (!argumentsValid(input, length, out, capacity)) return VTX_ERR_ARGUMENT;
  const int32_t m = length < capacity ? length : capacity;
  std::memcpy(out, input, static_cast<size_t>(m));
  if (outLength != nullptr) *outLength = m;
  return VTX_OK;
}

int32_t decodeFoldLatin1(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength) {
  if (!argumentsValid(input, length, out, capacity)) return VTX_ERR_ARGUMENT;
  const int32_t m = length < capacity ? length : capacity;
  std::memcpy(out, input, static_cast<size_t>(m));
  // Only bytes from 0xA0 up can fold; most texts have none.
  for (int32_t i = 0; i < m; ++i) {
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 0xA0) out[i] = static_cast<char>(latin1Fold(c));
  }
  if (outLength != nullptr) *outLength = m;
  return VTX_OK;
}

int32_t decodeNormalized(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength) {
  if (outLength != nullptr) *outLength = 0;
  // The text and its terminator both stay within the capacity.
  if (out == nullptr || capacity < 1) return VTX_ERR_ARGUMENT;
  out[0] = '\0';
  if (input == nullptr || length < 1) return VTX_OK;
  const int32_t limit = capacity - 1;

  Span source{input, length};
  spanTrimLeftIf(&source, isNotPrintableAscii);
  int32_t n = source.length < limit ? source.length : limit;
  if (n > 0) std::memcpy(out, source.data, static_cast<size_t>(n));
  out[n] = '\0';

  if (inEscapeMode(out, n)) n = decodeEscapes(out, n);
  clearStripeJunk(out, n);
  n = compact(out, n);
  out[n] = '\0';
  n = textTrimSet(out, n, " \r\n");
  out[n] = '\0';
  const int32_t repaired = repairAtHeadersInOnePass(out, n, limit);
  for (int32_t r = repaired >= 0 ? kAtRepairs : 0; r < 11; ++r) {
    if (r == kAtRepairs && repaired >= 0) n = repaired;
    n = textReplaceAll(out, n, limit, kHeaderRepairs[r].pattern, kHeaderRepairs[r].replacement);
    out[n] = '\0';
  }
  if (outLength != nullptr) *outLength = n;
  return VTX_OK;
}

int32_t decodeNormalizedPrintable(const char* input, int32_t length, char* out, int32_t capacity,
                                  int32_t* outLength) {
  int32_t n = 0;
  const int32_t rc = decodeNormalized(input, length, out, capacity, &n);
  if (outLength != nullptr) *outLength = n;
  if (rc != VTX_OK || n < 1) return rc;
  normalizedToPrintable(out, n);
  return VTX_OK;
}

void normalizedToPrintable(char* text, int32_t n) {
  // Without a branch, so that the compiler can work on many bytes at once.
  for (int32_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const bool keep = c == kLF || c == kCR || c == kRS || static_cast<unsigned char>(c - 0x20) <= 0x7A - 0x20;
    text[i] = static_cast<char>(keep ? c : ' ');
  }
}

int32_t decodeMrzText(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength) {
  if (input == nullptr || length < 1 || out == nullptr || capacity < 2 || outLength == nullptr) {
    return VTX_ERR_ARGUMENT;
  }
  *outLength = 0;
  out[0] = '\0';
  const int32_t m = length < capacity - 1 ? length : capacity - 1;
  int32_t n = 0;
  for (int32_t i = 0; i < m; ++i) {
    // Zone characters are kept (lower-case letters upper-cased); the table
    // gives 0 for every other byte, which is dropped.
    const char kept = kZoneCharacters.of[static_cast<unsigned char>(input[i])];
    out[n] = kept;
    n += kept != '\0' ? 1 : 0;
  }
  out[n] = '\0';
  *outLength = n;
  return VTX_OK;
}

}  // namespace tavrix
