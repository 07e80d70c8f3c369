// Handle life cycle, parse entry point and version calls.
#include <ctime>
#include <initializer_list>
#include <new>

#include "api/lifecycle.h"
#include "api/version.h"
#include "engine/engine.h"
#include "engine/parser_handle.h"
#include "formats/format_registry.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

constexpr int64_t kMinimumBufferSize = 8192;

int32_t localClock(DateTime* now) {
  const std::time_t t = std::time(nullptr);
  std::tm parts{};
  if (localtime_r(&t, &parts) == nullptr) return VTX_ERR_FAILED;
  now->year = parts.tm_year + 1900;
  now->month = parts.tm_mon + 1;
  now->day = parts.tm_mday;
  now->hour = parts.tm_hour;
  now->minute = parts.tm_min;
  now->second = parts.tm_sec;
  return VTX_OK;
}

int64_t atLeastMinimum(int64_t size) { return size < kMinimumBufferSize ? kMinimumBufferSize : size; }

}  // namespace

// Everything a parse sees is sized from the input length alone, never from
// how far an earlier, longer input grew the buffers: the same text gives the
// same answers on every handle.
//
// Work buffer: the engine's regions (each decoding, an editable copy, the
// scoring's scratch, what the parse memo keeps), each of this size. The decoders write the whole input
// and may then grow it: the header repairs turn "@" LF LF and "@" LF CR into
// the four-byte "@" LF RS CR (one byte more each), "@" LF "ANSI " into
// "@" LF RS CR "ANSI " (two more) and "@ANSI " into the same (three more).
// Every growing repair starts at its own "@" and grows by at most half of
// what it consumes, so the decoded text stays below 2 x length; the escapes,
// "\n" and the other repairs only shrink it. With 2 x length + 16 bytes no
// repair is ever skipped for lack of room, and the engine's terminator and
// the normalising decoder's reserved byte fit as well.
int64_t workSizeFor(int32_t length) { return atLeastMinimum(2 * static_cast<int64_t>(length) + 16); }

// Text arena. One row's parse stores at most:
// - AAMVA: one subfile walk. An element token of t bytes (3-byte id and its
//   value) is followed by a separator and stores at most t - 3 bytes plus a
//   NUL into each field its id maps to; no map sends an element to more than
//   two fields (the 2014 map sends 16 to two), and a repeated element is one
//   more token of its own bytes. The date stores write 8 digits from values
//   of at least 6 characters. So the walk stores at most 2 x the decoded
//   text, which is below 2 x 2 x length; the header items, the document type
//   and the format name add less than 256 bytes.
// - Stripes, health cards, Common Access Cards, national barcodes and
//   machine-readable zones: each field is read once from its own part of the
//   text; names and dates may also be stored a second time in another form
//   (a full name and its parts, a date as eight digits), which stays within
//   4 x length plus the fixed texts (format names, country codes) that the
//   constant covers.
// The engine stores the version number (2 bytes) on top. Should a store still
// meet the end of the arena (the arena notes it), the parse is run again on
// an arena twice as large, so no field is ever cut for lack of room.
// The arena buffer holds two arenas of this size: the record's and the one
// the engine tries the next candidate in.
int64_t arenaSizeFor(int32_t length) { return atLeastMinimum(4 * static_cast<int64_t>(length) + 4096); }

namespace {

// Grows each buffer to at least its size. New buffers are obtained before
// any old one is released, so running out of memory leaves the handle
// exactly as it was. A new arena starts zeroed, as the record expects of the
// storage past its used part.
int32_t ensureBuffers(ParserHandle* h, int64_t workSize, int64_t arenaSize) {
  if (workSize > INT32_MAX || arenaSize > INT32_MAX) return VTX_ERR_NO_STORAGE;
  const bool growWork = h->workBuffer == nullptr || h->workCapacity < workSize;
  const bool growArena = h->arenaBuffer == nullptr || h->arenaCapacity < arenaSize;
  char* work = nullptr;
  if (growWork) {
    work = new (std::nothrow) char[static_cast<size_t>(workSize)];
    if (work == nullptr) return VTX_ERR_NO_STORAGE;
  }
  char* arena = nullptr;
  if (growArena) {
    arena = new (std::nothrow) char[static_cast<size_t>(arenaSize)]();
    if (arena == nullptr) {
      delete[] work;
      return VTX_ERR_NO_STORAGE;
    }
  }
  if (growWork) {
    delete[] h->workBuffer;
    h->workBuffer = work;
    h->workCapacity = static_cast<int32_t>(workSize);
  }
  if (growArena) {
    delete[] h->arenaBuffer;
    h->arenaBuffer = arena;
    h->arenaCapacity = static_cast<int32_t>(arenaSize);
    h->record.arena = TextArena{};
    h->spare.arena = TextArena{};
  }
  return VTX_OK;
}

// Gives the record the first `capacity` bytes of the arena buffer and the
// spare record the next `capacity`. Both are cleared where they were first,
// so every byte past what they will use is zero.
void useArenas(ParserHandle* h, int32_t capacity) {
  for (FieldRecord* record : {&h->record, &h->spare}) {
    if (record->arena.storage != nullptr) recordClear(record);
  }
  int32_t offset = 0;
  for (FieldRecord* record : {&h->record, &h->spare}) {
    record->arena = TextArena{.storage = h->arenaBuffer + offset, .capacity = capacity};
    recordClear(record);
    offset += capacity;
  }
}

}  // namespace

// Runs one parse on a handle with a given registry; VTX_parse uses the
// library's own registry, tests may use small tables of their own.
int32_t parseWithRegistry(ParserHandle* h, const FormatTable& table, const void* data, int32_t length,
                          EngineFunction engine) {
  if (h == nullptr || length < 1) return VTX_ERR_ARGUMENT;
  const int64_t regionSize = workSizeFor(length);
  const int64_t workSize = regionSize * kWorkRegions;
  int64_t arenaSize = arenaSizeFor(length);
  // Buffers first: when memory runs out nothing in the handle changes,
  // not even the parse time.
  int32_t rc = ensureBuffers(h, workSize, 2 * arenaSize);
  if (rc != VTX_OK) return rc;
  DateTime now{};
  if ((h->clock != nullptr ? h->clock : localClock)(&now) == VTX_OK) h->parseTime = now;
  h->workInUse = static_cast<int32_t>(regionSize);
  for (;;) {
    useArenas(h, static_cast<int32_t>(arenaSize));
    const EngineRoom room{
        .work = h->workBuffer, .regionCapacity = h->workInUse, .record = &h->record, .spare = &h->spare};
    rc = engine(table, static_cast<const char*>(data), length, room, h);
    if (!h->record.arena.overflowed && !h->spare.arena.overflowed) return rc;
    arenaSize *= 2;
    const int32_t grown = ensureBuffers(h, workSize, 2 * arenaSize);
    if (grown != VTX_OK) {
      // No larger arena to be had: the answers would miss text, so the
      // parse is not reported as a success.
      recordClear(&h->record);
      return grown;
    }
  }
}

}  // namespace tavrix

extern "C" {

VTX_API void* VTX_create(void) { return new (std::nothrow) tavrix::ParserHandle(); }

VTX_API void VTX_delete(void* handle) {
  auto* h = static_cast<tavrix::ParserHandle*>(handle);
  if (h == nullptr) return;
  delete[] h->workBuffer;
  h->workBuffer = nullptr;
  h->workCapacity = 0;
  delete[] h->arenaBuffer;
  h->arenaBuffer = nullptr;
  h->arenaCapacity = 0;
  delete h;
}

VTX_API int32_t VTX_parse(void* handle, const void* data, int32_t length) {
  return tavrix::parseWithRegistry(static_cast<tavrix::ParserHandle*>(handle), tavrix::formatRegistry(), data,
                                   length);
}

VTX_API int32_t VTX_getMajorVersion(void) { return tavrix::kVersionMajor; }
VTX_API int32_t VTX_getMinorVersion(void) { return tavrix::kVersionMinor; }
VTX_API int32_t VTX_getBuildVersion(void) { return tavrix::kVersionBuild; }

}  // extern "C"
