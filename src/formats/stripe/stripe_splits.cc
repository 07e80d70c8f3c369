// How each stripe layout cuts its text into tracks.
#include <cstring>

#include "engine/text_span.h"
#include "formats/stripe/stripe_layouts.h"

namespace tavrix {
namespace {

using stripe_rc::kNotThisLayout;
using stripe_rc::kTooShort;

// Index of the first `marker` (two or more characters) at or after `from`,
// or -1.
int32_t findMarker(const char* text, int32_t length, int32_t from, const char* marker) {
  if (from < 0 || from >= length) return -1;
  const int32_t found = spanFind(Span{text + from, length - from}, Span{marker, static_cast<int32_t>(std::strlen(marker))});
  return found < 0 ? -1 : from + found;
}

int32_t splitSentinel(const char* text, int32_t length, TrackSet* tracks, const char* track3Marker) {
  if (length < 8) return kTooShort;
  if (text[0] != '%' || std::memchr(text + 1, '\n', static_cast<size_t>(length - 1)) != nullptr) {
    return kNotThisLayout;
  }
  const int32_t pair = findMarker(text, length, 0, "?;");
  if (pair < 0) return kNotThisLayout;
  const int32_t third = findMarker(text, length, pair + 1, track3Marker);
  if (third < 0) return kNotThisLayout;
  tracks->track1 = Span{text, pair};
  tracks->track2 = Span{text + pair + 1, third - pair - 1};
  tracks->track3 = Span{text + third + 1, length - third - 1};
  return VTX_OK;
}

// The last '?' directly followed by ';' between the second and the
// third-last character; `stopAtLineFeed` rejects a line break met after it.
int32_t findLastPair(const char* text, int32_t length, bool stopAtLineFeed) {
  for (int32_t i = length - 3; i >= 1; --i) {
    if (text[i] == '?' && text[i + 1] == ';') return i;
    if (stopAtLineFeed && text[i + 1] == '\n') return -1;
  }
  return -1;
}

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// The first CR or LF at or after `from`, or `length`.
int32_t lineEndFrom(const char* text, int32_t length, int32_t from) {
  const size_t rest = static_cast<size_t>(length - from);
  const void* lf = std::memchr(text + from, '\n', rest);
  const int32_t end = lf != nullptr ? static_cast<int32_t>(static_cast<const char*>(lf) - text) : length;
  const void* cr = std::memchr(text + from, '\r', static_cast<size_t>(end - from));
  return cr != nullptr ? static_cast<int32_t>(static_cast<const char*>(cr) - text) : end;
}

// The lines of at least two characters, up to `wanted` of them.
int32_t lineTracks(const char* text, int32_t length, Span* out, int32_t wanted) {
  int32_t found = 0;
  int32_t i = 0;
  while (found < wanted && i < length) {
    while (i < length && isLineEnd(text[i])) ++i;
    const int32_t start = i;
    i = lineEndFrom(text, length, i);
    if (i - start >= 2) out[found++] = Span{text + start, i - start};
  }
  return found;
}

// Every licence layout read in lines has a track 2 that opens with ';'.
bool hasTrack2Sentinel(const char* text, int32_t length) {
  return std::memchr(text, ';', static_cast<size_t>(length)) != nullptr;
}

// Tracks in lines, trimmed of spaces and quotes; `order` gives which line
// each of track 1, 2 and 3 is.
int32_t splitLines(const char* text, int32_t length, TrackSet* tracks, const int32_t (&order)[3]) {
  if (length < 6) return kTooShort;
  if (!hasTrack2Sentinel(text, length)) return kNotThisLayout;
  Span lines[3] = {};
  lineTracks(text, length, lines, 3);
  for (Span& line : lines) spanTrimSet(&line, " \"");
  tracks->track1 = lines[order[0]];
  tracks->track2 = lines[order[1]];
  tracks->track3 = lines[order[2]];
  return VTX_OK;
}

int32_t questionMarkTracks(const char* text, int32_t length, TrackSet* tracks, bool trimmed) {
  if (length < 8) return kTooShort;
  // Both layouts need track 2's ';' and at least one end sentinel.
  if (!hasTrack2Sentinel(text, length) || std::memchr(text, '?', static_cast<size_t>(length)) == nullptr) {
    return kNotThisLayout;
  }
  Span found[3] = {};
  int32_t count = 0;
  const char* p = text;
  const char* const end = text + length;
  while (count < 3 && p < end) {
    const void* mark = std::memchr(p, '?', static_cast<size_t>(end - p));
    const char* stop = mark != nullptr ? static_cast<const char*>(mark) : end;
    Span token{p, static_cast<int32_t>(stop - p)};
    if (trimmed) spanTrimSet(&token, "\r\n ");
    if (token.length > 0) found[count++] = token;
    p = stop + 1;
  }
  if (count < 3) return kNotThisLayout;
  *tracks = TrackSet{found[0], found[1], found[2]};
  return VTX_OK;
}

}  // namespace

int32_t splitSentinelPercent(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  return splitSentinel(text, length, tracks, "?%");
}

int32_t splitSentinelHash(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  return splitSentinel(text, length, tracks, "?#");
}

int32_t splitLastPair(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  if (length < 5) return kTooShort;
  if (text[0] != '%') return kNotThisLayout;
  const int32_t pair = findLastPair(text, length, true);
  if (pair < 0) return kNotThisLayout;
  tracks->track1 = Span{text, pair + 1};
  tracks->track2 = Span{text + pair + 1, length - pair - 1};
  return VTX_OK;
}

int32_t splitLastPairToTrack3(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  if (length < 5) return kTooShort;
  if (text[0] != '%') return kNotThisLayout;
  const int32_t pair = findLastPair(text, length, false);
  if (pair < 0) return kNotThisLayout;
  tracks->track1 = Span{text, pair + 1};
  tracks->track3 = Span{text + pair + 1, length - pair - 1};
  return VTX_OK;
}

int32_t splitTwoLines(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  if (length < 4) return kTooShort;
  if (!hasTrack2Sentinel(text, length)) return kNotThisLayout;
  Span lines[2] = {};
  lineTracks(text, length, lines, 2);
  tracks->track1 = lines[0];
  tracks->track2 = lines[1];
  return VTX_OK;
}

int32_t splitThreeLines(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  return splitLines(text, length, tracks, {0, 1, 2});
}

int32_t splitThreeLinesReversed(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  return splitLines(text, length, tracks, {2, 1, 0});
}

int32_t splitBrackets(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  if (length < 24) return kTooShort;
  static constexpr const char* kOpen[3] = {"{!|1", "{!|2", "{!|3"};
  Span* const out[3] = {&tracks->track1, &tracks->track2, &tracks->track3};
  int32_t from = 0;
  for (int32_t n = 0; n < 3; ++n) {
    const int32_t open = findMarker(text, length, from, kOpen[n]);
    if (open < 0) return kNotThisLayout;
    const int32_t start = open + 4;
    const int32_t close = findMarker(text, length, start, "|!}");
    if (close < 0 || close == start) return kNotThisLayout;
    *out[n] = Span{text + start, close - start};
    from = close + 3;
  }
  return VTX_OK;
}

int32_t splitQuestionMarks(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  return questionMarkTracks(text, length, tracks, false);
}

int32_t splitQuestionMarksTrimmed(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  return questionMarkTracks(text, length, tracks, true);
}

int32_t splitWholeText(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  if (length < 3) return kTooShort;
  tracks->track1 = Span{text, length};
  return VTX_OK;
}

int32_t splitTrack2Only(StripeParser*, const char* text, int32_t length, TrackSet* tracks) {
  tracks->track2 = Span{text, length - 1};
  return VTX_OK;
}

}  // namespace tavrix
