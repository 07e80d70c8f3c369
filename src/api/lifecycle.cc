// Handle life cycle, parse entry point and version calls.
#include <ctime>
#include <new>

#include "api/lifecycle.h"
#include "engine/engine.h"
#include "engine/parser_handle.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

constexpr int32_t kMinimumBufferSize = 8192;

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

// Both buffers hold the whole input plus room for the terminator that the
// engine reserves and one byte that the normalising decoder keeps back, so
// no input byte is ever lost; small inputs share a floor size.
int32_t bufferSizeFor(int32_t length) {
  const int64_t need = static_cast<int64_t>(length) + 2;
  if (need < kMinimumBufferSize) return kMinimumBufferSize;
  return need > INT32_MAX ? INT32_MAX : static_cast<int32_t>(need);
}

// Grows both buffers to at least `need` bytes. The new buffers are obtained
// before the old ones are released, so running out of memory leaves the
// handle exactly as it was.
int32_t ensureBuffers(ParserHandle* h, int32_t need) {
  if (h->workBuffer != nullptr && h->arenaBuffer != nullptr && h->workCapacity >= need &&
      h->arenaCapacity >= need) {
    return VTX_OK;
  }
  char* work = new (std::nothrow) char[static_cast<size_t>(need)];
  if (work == nullptr) return VTX_ERR_NO_STORAGE;
  char* arena = new (std::nothrow) char[static_cast<size_t>(need)];
  if (arena == nullptr) {
    delete[] work;
    return VTX_ERR_NO_STORAGE;
  }
  delete[] h->workBuffer;
  delete[] h->arenaBuffer;
  h->workBuffer = work;
  h->arenaBuffer = arena;
  h->workCapacity = need;
  h->arenaCapacity = need;
  // The fresh arena holds garbage; attaching clears (zeroes) all of it.
  h->record.arena = TextArena{};
  return recordAttachArena(&h->record, h->arenaBuffer, h->arenaCapacity);
}

}  // namespace

// Runs one parse on a handle with a given registry; VTX_parse uses the
// library's own registry, tests may use small tables of their own.
int32_t parseWithRegistry(ParserHandle* h, const FormatTable& table, const void* data, int32_t length) {
  if (h == nullptr || length < 1) return VTX_ERR_ARGUMENT;
  const int32_t need = bufferSizeFor(length);
  // Buffers first: when memory runs out nothing in the handle changes,
  // not even the parse time.
  const int32_t rc = ensureBuffers(h, need);
  if (rc != VTX_OK) return rc;
  DateTime now{};
  if ((h->clock != nullptr ? h->clock : localClock)(&now) == VTX_OK) h->parseTime = now;
  return runParseEngine(table, static_cast<const char*>(data), length, h->workBuffer, h->workCapacity, &h->record,
                        h);
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

VTX_API int32_t VTX_getMajorVersion(void) { return 1; }
VTX_API int32_t VTX_getMinorVersion(void) { return 27; }
VTX_API int32_t VTX_getBuildVersion(void) { return 0; }

}  // extern "C"
