// How each stripe layout tells a driving-licence stripe from other texts,
// and strips the sentinels before the track data.
#include <initializer_list>

#include "engine/ascii_classes.h"
#include "engine/text_span.h"
#include "formats/stripe/stripe_layouts.h"

namespace tavrix {
namespace {

using stripe_rc::kNotThisLayout;

bool startsWith(Span s, const char* prefix) {
  int32_t i = 0;
  for (; prefix[i] != '\0'; ++i) {
    if (s.data == nullptr || i >= s.length || s.data[i] != prefix[i]) return false;
  }
  return true;
}

bool letterAt(Span s, int32_t i) { return s.data != nullptr && i < s.length && isAsciiAlpha(byteOf(s.data[i])) != 0; }
bool digitAt(Span s, int32_t i) { return s.data != nullptr && i < s.length && isAsciiDigit(byteOf(s.data[i])) != 0; }

// Track 2 of a North-American licence opens with its sentinel and "636".
bool licenceTrack2(Span track2) { return track2.length >= 4 && startsWith(track2, ";636"); }

// '%' and the two letters of a jurisdiction code.
bool licenceTrack1(Span track1) {
  return track1.length > 2 && track1.data[0] == '%' && letterAt(track1, 1) && letterAt(track1, 2);
}

void drop(Span* track, int32_t n) {
  if (track->length >= n) {
    track->data += n;
    track->length -= n;
  }
}

// What a track ends with when the reader delivered it whole: its end
// sentinel, possibly after the last '^' and padding.
bool looksLikeTrackEnd(Span track) {
  const int32_t last = track.length - 1;
  if (track.data[last] == '?') {
    if (track.length >= 42 && track.length <= 72) return true;
    int32_t i = last - 1;
    while (i >= 0 && isAsciiSpace(byteOf(track.data[i]))) --i;
    return i >= 0 && track.data[i] == '^';
  }
  for (int32_t i = last - 1; i >= 0 && i >= last - 10; --i) {
    if (track.data[i] == '?') return true;
  }
  return false;
}

// The description lengths that end exactly after one of its items.
bool descriptionEndsAfterItem(int32_t length) {
  switch (length) {
    case 0: case 2: case 12: case 16: case 17: case 20: case 23: case 26:
      return true;
    default:
      return length >= 29;
  }
}

}  // namespace

bool isBankCardTrack1(Span track1) {
  return track1.data != nullptr && track1.length > 2 && track1.data[0] == '%' && track1.data[1] == 'B' &&
         digitAt(track1, 2);
}

int32_t checkBankCard(StripeParser*, TrackSet* tracks) {
  if (!licenceTrack2(tracks->track2) || isBankCardTrack1(tracks->track1)) return kNotThisLayout;
  drop(&tracks->track1, 1);
  drop(&tracks->track2, 1);
  return VTX_OK;
}

int32_t checkLicence(StripeParser*, TrackSet* tracks) {
  if (!licenceTrack2(tracks->track2) || !licenceTrack1(tracks->track1)) return kNotThisLayout;
  drop(&tracks->track1, 1);
  drop(&tracks->track2, 1);
  return VTX_OK;
}

int32_t checkLicenceWithTrack3(StripeParser* parser, TrackSet* tracks) {
  if (tracks->track3.data == nullptr || tracks->track3.length < 2) return kNotThisLayout;
  return checkLicence(parser, tracks);
}

// Two characters of any kind before the issuer number.
int32_t checkShiftedIin(StripeParser*, TrackSet* tracks) {
  Span& track2 = tracks->track2;
  if (track2.data == nullptr || track2.length < 5) return kNotThisLayout;
  drop(&track2, 2);
  if (!startsWith(track2, "636")) return kNotThisLayout;
  Span& track1 = tracks->track1;
  if (startsWith(track1, "%")) {
    if (!letterAt(track1, 1) && !letterAt(track1, 2)) return kNotThisLayout;
    if (startsWith(track1, "%B") && !digitAt(track1, 2)) return kNotThisLayout;
  }
  drop(&track1, 1);
  return VTX_OK;
}

int32_t checkBareIin(StripeParser*, TrackSet* tracks) {
  const Span track2 = tracks->track2;
  if (track2.length < 4 || !startsWith(track2, "636") || isBankCardTrack1(tracks->track1)) return kNotThisLayout;
  return VTX_OK;
}

// Track 1 may come without its sentinel: then its first two characters are
// not taken for a jurisdiction code.
int32_t checkLenient(StripeParser* parser, TrackSet* tracks) {
  if (!licenceTrack2(tracks->track2) || isBankCardTrack1(tracks->track1)) return kNotThisLayout;
  if (startsWith(tracks->track1, "%")) {
    drop(&tracks->track1, 1);
  } else {
    parser->track1Jurisdiction = nullptr;
  }
  drop(&tracks->track2, 1);
  return VTX_OK;
}

int32_t checkCanadian(StripeParser* parser, TrackSet* tracks) {
  if (tracks->track2.length < 4 || isBankCardTrack1(tracks->track1) || !startsWith(tracks->track2, ";636")) {
    return kNotThisLayout;
  }
  for (Span* track : {&tracks->track1, &tracks->track2, &tracks->track3}) spanTrimSet(track, "\r\n ");
  if (startsWith(tracks->track1, "%")) {
    drop(&tracks->track1, 1);
  } else {
    parser->track1Jurisdiction = nullptr;
  }
  if (startsWith(tracks->track2, ";")) drop(&tracks->track2, 1);
  Span description{};
  fixedDescriptionLocate(parser, tracks->track3, &description);
  return descriptionEndsAfterItem(description.length) ? VTX_OK : kNotThisLayout;
}

int32_t checkTrack1Only(StripeParser*, TrackSet* tracks) {
  Span& track1 = tracks->track1;
  if (track1.data == nullptr || track1.length < 3 || track1.data[0] != '%') return kNotThisLayout;
  if (!looksLikeTrackEnd(track1) || !letterAt(track1, 1) || !letterAt(track1, 2)) return kNotThisLayout;
  drop(&track1, 1);
  return VTX_OK;
}

int32_t checkLetters(StripeParser*, TrackSet* tracks) {
  if (!licenceTrack1(tracks->track1)) return kNotThisLayout;
  drop(&tracks->track1, 1);
  drop(&tracks->track3, 1);
  return VTX_OK;
}

// One character of any kind stands between track 2's sentinel and "636".
int32_t checkGapIin(StripeParser*, TrackSet* tracks) {
  Span& track2 = tracks->track2;
  if (tracks->track3.data == nullptr || tracks->track3.length < 2 || track2.data == nullptr || track2.length < 5) {
    return kNotThisLayout;
  }
  if (track2.data[0] != ';' || !startsWith(Span{track2.data + 2, track2.length - 2}, "636")) return kNotThisLayout;
  if (!licenceTrack1(tracks->track1)) return kNotThisLayout;
  drop(&track2, 2);
  drop(&tracks->track1, 1);
  return VTX_OK;
}

int32_t checkTrack2Only(StripeParser*, TrackSet* tracks) {
  Span& track2 = tracks->track2;
  if (track2.data == nullptr || track2.length < 2 || track2.data[1] != '6') return kNotThisLayout;
  drop(&track2, 1);
  return VTX_OK;
}

}  // namespace tavrix
