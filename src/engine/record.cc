#include "engine/record.h"

#include <cstring>

namespace tavrix {
namespace {

bool validId(int32_t id) { return static_cast<uint32_t>(id) < static_cast<uint32_t>(kFieldCount); }

int32_t roomLeft(const TextArena& arena) {
  const int32_t room = arena.capacity - arena.used;
  return room > 0 ? room : 0;
}

// A store that wanted to write and filled all the room it had may have
// been cut: the arena remembers it. (A text that fits exactly is counted
// too; the only cost is a larger arena.)
void noteRoom(TextArena& arena, bool wanted, int32_t written, int32_t room) {
  if (wanted && written >= room) arena.overflowed = true;
}

// Common tail of every store: point the slot at the n bytes just written at
// the arena's end, then add a NUL when it leaves at least one spare byte.
void markTouched(FieldRecord* record, int32_t id) {
  record->touched[id >> 6] |= uint64_t{1} << (id & 63);
}

const FieldSlot* commitStore(FieldRecord* record, int32_t id, int32_t n) {
  markTouched(record, id);
  FieldSlot& slot = record->slots[id];
  TextArena& arena = record->arena;
  if (n < 1) {
    slot = FieldSlot{};
    return &slot;
  }
  slot.data = arena.storage + arena.used;
  slot.length = n;
  arena.used += n;
  if (arena.used < arena.capacity - 1) {
    arena.storage[arena.used] = '\0';
    arena.used += 1;
  }
  return &slot;
}

template <typename Replace, typename Squeeze>
int32_t copyFilteredWith(char* destination, int32_t cap, Span source, Replace inReplace, Squeeze inSqueeze,
                         char replacementChar) {
  if (cap < 1 || destination == nullptr || spanIsEmpty(source)) return 0;
  int32_t out = 0;
  for (int32_t i = 0; i < source.length && out < cap; ++i) {
    char c = source.data[i];
    if (inReplace(c)) {
      if (replacementChar == '\0') continue;
      c = replacementChar;
    }
    if (out > 0 && destination[out - 1] == c && inSqueeze(c)) continue;
    destination[out++] = c;
  }
  return out;
}

int32_t terminateOut(char* destination, int32_t n) {
  if (n < 1) return 0;
  destination[n] = '\0';
  return n + 1;
}

}  // namespace

int32_t recordAttachArena(FieldRecord* record, char* storage, int32_t capacity) {
  if (record == nullptr || storage == nullptr || capacity < 1) return VTX_ERR_ARGUMENT;
  record->arena.storage = storage;
  record->arena.capacity = capacity;
  record->arena.used = capacity;  // first clear zeroes every byte
  record->arena.overflowed = false;
  return recordClear(record);
}

int32_t recordClear(FieldRecord* record) {
  if (record == nullptr || record->arena.storage == nullptr || record->arena.capacity < 1) {
    return VTX_ERR_ARGUMENT;
  }
  TextArena& arena = record->arena;
  record->documentClass = kNoDocumentClass;
  record->formatId = kNoFormatId;
  // Most rows refuse a text before they store anything.
  uint64_t touched = 0;
  for (const uint64_t word : record->touched) touched |= word;
  if (arena.used == 0 && touched == 0) return VTX_OK;
  for (int32_t w = 0; w < kSlotWords; ++w) {
    for (uint64_t bits = record->touched[w]; bits != 0; bits &= bits - 1) {
      record->slots[w * 64 + __builtin_ctzll(bits)] = FieldSlot{};
    }
    record->touched[w] = 0;
  }
  // Bytes past `used` are zero already (the arena is only appended to), so
  // zeroing the used part leaves the whole storage zeroed.
  int32_t dirty = arena.used;
  if (dirty < 0 || dirty > arena.capacity) dirty = arena.capacity;
  std::memset(arena.storage, 0, static_cast<size_t>(dirty));
  arena.used = 0;
  return VTX_OK;
}

const FieldSlot* recordSetField(FieldRecord* record, int32_t id, Span source, const char* replaceSet,
                                const char* squeezeSet, char replacementChar) {
  if (record == nullptr || !validId(id)) return nullptr;
  TextArena& arena = record->arena;
  const int32_t room = roomLeft(arena);
  const int32_t n = arena.storage == nullptr
                        ? 0
                        : spanCopyFiltered(arena.storage + arena.used, room, source, replaceSet, squeezeSet,
                                           replacementChar);
  noteRoom(arena, !spanIsEmpty(source), n, room);
  return commitStore(record, id, n);
}

const FieldSlot* recordSetSpan(FieldRecord* record, int32_t id, Span source) {
  if (record == nullptr || !validId(id)) return nullptr;
  TextArena& arena = record->arena;
  const int32_t room = roomLeft(arena);
  const bool wanted = !spanIsEmpty(source);
  int32_t n = 0;
  if (arena.storage != nullptr && wanted && room > 0) {
    n = source.length < room ? source.length : room;
    std::memcpy(arena.storage + arena.used, source.data, static_cast<size_t>(n));
  }
  noteRoom(arena, wanted, n, room);
  return commitStore(record, id, n);
}

const FieldSlot* recordSetFieldIf(FieldRecord* record, int32_t id, Span source, CharPredicate replacePred,
                                  CharPredicate squeezePred, char replacementChar) {
  if (record == nullptr || !validId(id)) return nullptr;
  TextArena& arena = record->arena;
  const int32_t room = roomLeft(arena);
  const int32_t n = arena.storage == nullptr
                        ? 0
                        : spanCopyFilteredIf(arena.storage + arena.used, room, source, replacePred, squeezePred,
                                             replacementChar);
  noteRoom(arena, !spanIsEmpty(source), n, room);
  return commitStore(record, id, n);
}

const FieldSlot* recordSetFieldStr(FieldRecord* record, int32_t id, const char* text) {
  if (text == nullptr) return nullptr;
  const size_t length = std::strlen(text);
  const Span source{text, length > 0x7fffffff ? 0x7fffffff : static_cast<int32_t>(length)};
  return recordSetField(record, id, source, nullptr, nullptr, '\0');
}

const FieldSlot* recordSetJoined(FieldRecord* record, int32_t id, const Span* spans, int32_t count,
                                 char separatorChar, const char* replaceSet, const char* squeezeSet,
                                 char replacementChar) {
  if (record == nullptr || !validId(id)) return nullptr;
  TextArena& arena = record->arena;
  if (arena.storage == nullptr) return commitStore(record, id, 0);
  const int32_t room = roomLeft(arena) - 1 > 0 ? roomLeft(arena) - 1 : 0;
  const int32_t n = spanListJoin(arena.storage + arena.used, room, spans, count, separatorChar, replaceSet,
                                 squeezeSet, replacementChar);
  bool wanted = false;
  for (int32_t i = 0; spans != nullptr && i < count && !wanted; ++i) wanted = !spanIsEmpty(spans[i]);
  noteRoom(arena, wanted, n, room);
  if (n < 1) return commitStore(record, id, 0);
  markTouched(record, id);
  FieldSlot& slot = record->slots[id];
  slot.data = arena.storage + arena.used;
  slot.length = n;
  arena.used += n;
  // The joined text always gets its own terminator, as long as it fits in
  // the arena; then the ordinary spare-byte NUL follows.
  if (arena.used < arena.capacity) {
    arena.storage[arena.used] = '\0';
    arena.used += 1;
  }
  if (arena.used < arena.capacity - 1) {
    arena.storage[arena.used] = '\0';
    arena.used += 1;
  }
  return &slot;
}

const FieldSlot* recordSetFieldWith(FieldRecord* record, int32_t id, void* context, FieldWriter writer) {
  if (record == nullptr || !validId(id) || writer == nullptr) return nullptr;
  TextArena& arena = record->arena;
  const int32_t room = roomLeft(arena);
  int32_t n = (arena.storage == nullptr || room < 1) ? 0 : writer(context, arena.storage + arena.used, room);
  if (n > room) n = room;
  noteRoom(arena, true, n, room);
  return commitStore(record, id, n);
}

const FieldSlot* recordSetDate(FieldRecord* record, int32_t id, const DateTime* date) {
  if (record == nullptr || !validId(id) || date == nullptr) return nullptr;
  TextArena& arena = record->arena;
  if (arena.storage == nullptr) return nullptr;
  if (roomLeft(arena) < 8) {
    arena.overflowed = true;
    return nullptr;
  }
  auto clamp = [](int32_t v, int32_t hi) { return v < 0 ? 0 : (v > hi ? hi : v); };
  const int32_t year = clamp(date->year, 9999);
  const int32_t month = clamp(date->month, 99);
  const int32_t day = clamp(date->day, 99);
  char* out = arena.storage + arena.used;
  out[0] = static_cast<char>('0' + year / 1000);
  out[1] = static_cast<char>('0' + year / 100 % 10);
  out[2] = static_cast<char>('0' + year / 10 % 10);
  out[3] = static_cast<char>('0' + year % 10);
  out[4] = static_cast<char>('0' + month / 10);
  out[5] = static_cast<char>('0' + month % 10);
  out[6] = static_cast<char>('0' + day / 10);
  out[7] = static_cast<char>('0' + day % 10);
  return commitStore(record, id, 8);
}

int32_t recordGetFirst(const FieldRecord* record, const int32_t* ids, int32_t count, Span* out) {
  if (count < 1 || record == nullptr || ids == nullptr) return VTX_ERR_FIELD_NOT_FOUND;
  for (int32_t i = 0; i < count; ++i) {
    const Span s = recordField(record, ids[i]);
    if (!spanIsEmpty(s)) {
      if (out != nullptr) *out = s;
      return VTX_OK;
    }
  }
  return VTX_ERR_FIELD_NOT_FOUND;
}

int32_t recordFieldStatus(const FieldRecord* record, int32_t id) {
  return spanIsEmpty(recordField(record, id)) ? -1 : 0;
}

Span recordField(const FieldRecord* record, int32_t id) {
  if (record == nullptr || !validId(id)) return Span{};
  const FieldSlot& slot = record->slots[id];
  if (slot.data == nullptr || slot.length < 1) return Span{};
  return Span{slot.data, slot.length};
}

int32_t recordFilledCount(const FieldRecord* record) {
  int32_t count = 0;
  for (int32_t w = 0; w < kSlotWords; ++w) {
    for (uint64_t bits = record->touched[w]; bits != 0; bits &= bits - 1) {
      const FieldSlot& slot = record->slots[w * 64 + __builtin_ctzll(bits)];
      if (slot.data != nullptr && slot.length >= 1) ++count;
    }
  }
  return count;
}

namespace {

// Without a filter a copy is a plain copy of as much as fits.
int32_t copyPlain(char* destination, int32_t cap, Span source) {
  if (cap < 1 || destination == nullptr || spanIsEmpty(source)) return 0;
  const int32_t n = source.length < cap ? source.length : cap;
  std::memcpy(destination, source.data, static_cast<size_t>(n));
  return n;
}

}  // namespace

int32_t spanCopyFiltered(char* destination, int32_t cap, Span source, const char* replaceSet,
                         const char* squeezeSet, char replacementChar) {
  const bool noReplace = replaceSet == nullptr || replaceSet[0] == '\0';
  const bool noSqueeze = squeezeSet == nullptr || squeezeSet[0] == '\0';
  if (noReplace && noSqueeze) return copyPlain(destination, cap, source);
  return copyFilteredWith(
      destination, cap, source, [replaceSet](char c) { return inCharSet(replaceSet, c); },
      [squeezeSet](char c) { return inCharSet(squeezeSet, c); }, replacementChar);
}

int32_t spanCopyFilteredIf(char* destination, int32_t cap, Span source, CharPredicate replacePred,
                           CharPredicate squeezePred, char replacementChar) {
  if (replacePred == nullptr && squeezePred == nullptr) return copyPlain(destination, cap, source);
  return copyFilteredWith(
      destination, cap, source, [replacePred](char c) { return replacePred != nullptr && replacePred(byteOf(c)); },
      [squeezePred](char c) { return squeezePred != nullptr && squeezePred(byteOf(c)); }, replacementChar);
}

int32_t spanListJoin(char* destination, int32_t cap, const Span* spans, int32_t count, char separatorChar,
                     const char* replaceSet, const char* squeezeSet, char replacementChar) {
  if (destination == nullptr || cap < 1 || spans == nullptr || count < 1) return 0;
  int32_t out = 0;
  for (int32_t i = 0; i < count && out < cap; ++i) {
    if (spanIsEmpty(spans[i])) continue;
    if (out > 0) {
      destination[out++] = separatorChar;
      if (out >= cap) return out;
    }
    out += spanCopyFiltered(destination + out, cap - out, spans[i], replaceSet, squeezeSet, replacementChar);
  }
  return out;
}

int32_t spanCopyOut(char* destination, int32_t cap, Span source, const char* replaceSet, const char* squeezeSet,
                    char replacementChar) {
  if (destination == nullptr || cap < 2) return 0;
  return terminateOut(destination,
                      spanCopyFiltered(destination, cap - 1, source, replaceSet, squeezeSet, replacementChar));
}

int32_t spanCopyOutIf(char* destination, int32_t cap, Span source, CharPredicate replacePred,
                      CharPredicate squeezePred, char replacementChar) {
  if (destination == nullptr || cap < 2) return 0;
  return terminateOut(destination,
                      spanCopyFilteredIf(destination, cap - 1, source, replacePred, squeezePred, replacementChar));
}

int32_t spanListJoinOut(char* destination, int32_t cap, const Span* spans, int32_t count, char separatorChar,
                        const char* replaceSet, const char* squeezeSet, char replacementChar) {
  if (destination == nullptr || cap < 2) return 0;
  return terminateOut(destination, spanListJoin(destination, cap - 1, spans, count, separatorChar, replaceSet,
                                                squeezeSet, replacementChar));
}

int32_t strCopyOut(char* destination, int32_t cap, const char* text) {
  if (text == nullptr) return 0;
  const size_t length = std::strlen(text);
  const Span source{text, length > 0x7fffffff ? 0x7fffffff : static_cast<int32_t>(length)};
  return spanCopyOut(destination, cap, source, nullptr, nullptr, '\0');
}

}  // namespace tavrix
