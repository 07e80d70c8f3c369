// The field record: 140 numbered slots pointing into one append-only text
// arena. Parsers store into it, accessors read from it.
#pragma once

#include <cstdint>

#include "engine/span.h"

namespace tavrix {

inline constexpr int32_t kFieldCount = 140;

// The document classes of the registry's formats.
enum DocumentClass : uint32_t {
  kAamvaBarcode = 0,         // PDF417 barcodes of the AAMVA card design standard
  kMagneticStripe = 1,
  kHealthCard = 2,           // cards of document type "HC"
  kCommonAccessCard = 3,
  kNationalBarcode = 4,
  kMachineReadableZone = 5,
  kNoDocumentClass = 6,      // no format is set
};

// Format ids run from 0 to 67; this one means that no format is set.
inline constexpr uint32_t kFormatCount = 68;
inline constexpr uint32_t kNoFormatId = kFormatCount;

struct FieldSlot {
  const char* data = nullptr;
  int32_t length = 0;
};

struct TextArena {
  char* storage = nullptr;
  int32_t capacity = 0;
  int32_t used = 0;
  // Set when a store met the end of the arena, so its text may have been
  // cut or dropped. Only attaching resets it: the parser handle then gives
  // the parse a larger arena instead of answering with a field cut short.
  bool overflowed = false;
};

inline constexpr int32_t kSlotWords = (kFieldCount + 63) / 64;

class ParseMemo;

struct FieldRecord {
  uint32_t documentClass = kNoDocumentClass;
  uint32_t formatId = kNoFormatId;
  FieldSlot slots[kFieldCount] = {};
  TextArena arena;
  // One bit per slot a store has touched since the last clear, so that
  // clearing and counting visit only those.
  uint64_t touched[kSlotWords] = {};
  // Work other rows of the same parse did and a parser may reuse (see
  // parse_memo.h); set by the engine for the length of one parse, null
  // otherwise.
  ParseMemo* memo = nullptr;
};

// Writer used by recordSetFieldWith: writes at most `room` bytes at
// `destination` and returns how many it wrote.
using FieldWriter = int32_t (*)(void* context, char* destination, int32_t room);

int32_t recordAttachArena(FieldRecord* record, char* storage, int32_t capacity);
int32_t recordClear(FieldRecord* record);

// Store operations. Each returns the slot it set, or null (changing
// nothing) for a null record or an id outside 0..139. A store that writes
// nothing clears the slot.
const FieldSlot* recordSetField(FieldRecord* record, int32_t id, Span source, const char* replaceSet,
                                const char* squeezeSet, char replacementChar);
const FieldSlot* recordSetFieldIf(FieldRecord* record, int32_t id, Span source, CharPredicate replacePred,
                                  CharPredicate squeezePred, char replacementChar);
const FieldSlot* recordSetFieldStr(FieldRecord* record, int32_t id, const char* text);
const FieldSlot* recordSetJoined(FieldRecord* record, int32_t id, const Span* spans, int32_t count,
                                 char separatorChar, const char* replaceSet, const char* squeezeSet,
                                 char replacementChar);
const FieldSlot* recordSetFieldWith(FieldRecord* record, int32_t id, void* context, FieldWriter writer);
const FieldSlot* recordSetDate(FieldRecord* record, int32_t id, const DateTime* date);

// Unfiltered store of a span (the common case for parsers): the same as
// recordSetField without sets.
const FieldSlot* recordSetSpan(FieldRecord* record, int32_t id, Span source);

// First non-empty slot of the listed ids: 0 and `out` set, or -16.
int32_t recordGetFirst(const FieldRecord* record, const int32_t* ids, int32_t count, Span* out);
// 0 when the slot holds text, -1 when it is empty.
int32_t recordFieldStatus(const FieldRecord* record, int32_t id);
// The slot as a span (empty for an id outside 0..139).
Span recordField(const FieldRecord* record, int32_t id);
// Number of slots that hold text.
int32_t recordFilledCount(const FieldRecord* record);

// Filtered copies: return the bytes written, write no terminator.
int32_t spanCopyFiltered(char* destination, int32_t cap, Span source, const char* replaceSet,
                         const char* squeezeSet, char replacementChar);
int32_t spanCopyFilteredIf(char* destination, int32_t cap, Span source, CharPredicate replacePred,
                           CharPredicate squeezePred, char replacementChar);
int32_t spanListJoin(char* destination, int32_t cap, const Span* spans, int32_t count, char separatorChar,
                     const char* replaceSet, const char* squeezeSet, char replacementChar);

// Caller-buffer forms: copy at most cap - 1 bytes and terminate. Return
// the bytes written including the NUL, or 0 with the destination untouched
// when nothing was copied.
int32_t spanCopyOut(char* destination, int32_t cap, Span source, const char* replaceSet,
                    const char* squeezeSet, char replacementChar);
int32_t spanCopyOutIf(char* destination, int32_t cap, Span source, CharPredicate replacePred,
                      CharPredicate squeezePred, char replacementChar);
int32_t spanListJoinOut(char* destination, int32_t cap, const Span* spans, int32_t count, char separatorChar,
                        const char* replaceSet, const char* squeezeSet, char replacementChar);
int32_t strCopyOut(char* destination, int32_t cap, const char* text);

}  // namespace tavrix
