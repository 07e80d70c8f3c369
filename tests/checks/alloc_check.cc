// Counts every allocation made while parsing: after a first parse of a
// given size, further parses of no greater size allocate nothing. It also
// makes chosen allocations fail, to see the handle survive running out of
// memory unchanged.
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "getter_table.h"
#include "tavrix_parser.h"

namespace {
long g_allocations = 0;
long g_failAt = -1;  // the allocation number that fails; -1: none
}

void* operator new(std::size_t n) {
  ++g_allocations;
  if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
  if (++g_allocations == g_failAt) return nullptr;
  return std::malloc(n == 0 ? 1 : n);
}
void* operator new[](std::size_t n, const std::nothrow_t& tag) noexcept { return operator new(n, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

int check(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "allocation check failed: %s\n", what);
  return ok ? 0 : 1;
}

void callEveryGetter(void* handle, char* buffer, int32_t capacity) {
  const tavrix_tool::GetterEntry* table = tavrix_tool::getterTable();
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    int32_t value = 0;
    switch (table[i].kind) {
      case tavrix_tool::GetterKind::text: table[i].text(handle, buffer, capacity); break;
      case tavrix_tool::GetterKind::flag: table[i].flag(handle, &value); break;
      case tavrix_tool::GetterKind::status: table[i].status(handle, &value); break;
      case tavrix_tool::GetterKind::barcode: table[i].barcode(handle, 17, 20, 5, &value); break;
    }
  }
}

std::string lastName(void* handle) {
  char value[64] = "?";
  const int32_t rc = VTX_getLastName(handle, value, sizeof value);
  return std::to_string(rc) + ":" + value;
}

// Out of memory: no handle, or a parse that gives -24 and leaves the handle
// answering exactly as after its previous parse.
int checkOutOfMemory(const std::string& licence) {
  int failures = 0;
  g_failAt = g_allocations + 1;
  failures += check(VTX_create() == nullptr, "create without memory gives no handle");
  void* handle = VTX_create();
  failures += check(handle != nullptr, "create");
  VTX_parse(handle, licence.data(), static_cast<int32_t>(licence.size()));
  const std::string before = lastName(handle);
  failures += check(before == "0:SAMPLE", "the licence's last name");
  const std::string longer(30000, 'Z');
  for (long nth : {1, 2}) {  // the work buffer, then the arena
    g_failAt = g_allocations + nth;
    failures += check(VTX_parse(handle, longer.data(), static_cast<int32_t>(longer.size())) == VTX_ERR_NO_STORAGE,
                      "a parse without memory gives -24");
    failures += check(lastName(handle) == before, "a parse without memory leaves the handle as it was");
  }
  g_failAt = -1;
  failures += check(VTX_parse(handle, longer.data(), static_cast<int32_t>(longer.size())) == VTX_ERR_UNRECOGNISED,
                    "with memory again the handle parses");
  VTX_delete(handle);
  return failures;
}

}  // namespace

int main() {
  const std::string samples[] = {
      "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DLDAQD1234562\nDCSSAMPLE\nDDEN\nDACJOHN\nDBB01021980\n",
      "%BJOHN SMITH^1234 MAIN ST^?;6360141234567890=2512198001010?",
      "P<UTOSMITH<<JOHN<<<<<<<<<<<<<<<<<<<<<<<<<<<L898902C36UTO7408122F1204159ZE184226B<<<<<10",
      std::string(9000, 'X'),
      "short",
  };
  void* handle = VTX_create();
  int failures = check(handle != nullptr, "create");
  // The first parse of the largest input sizes the buffers.
  VTX_parse(handle, samples[3].data(), static_cast<int32_t>(samples[3].size()));
  const long before = g_allocations;
  char buffer[256];
  for (int round = 0; round < 3; ++round) {
    for (const std::string& s : samples) {
      VTX_parse(handle, s.data(), static_cast<int32_t>(s.size()));
      callEveryGetter(handle, buffer, sizeof buffer);
    }
  }
  failures += check(g_allocations == before, "parses after the first allocated memory");
  // A longer input grows both buffers once (two allocations), then nothing.
  const std::string longer(20000, 'Y');
  const long grown = g_allocations;
  VTX_parse(handle, longer.data(), static_cast<int32_t>(longer.size()));
  failures += check(g_allocations == grown + 2, "growth takes exactly two buffers");
  VTX_parse(handle, samples[0].data(), static_cast<int32_t>(samples[0].size()));
  failures += check(g_allocations == grown + 2, "a shorter input reuses the grown buffers");
  VTX_delete(handle);
  failures += checkOutOfMemory(samples[0]);
  if (failures == 0) std::printf("no allocation after the first parse; out of memory leaves the handle as it was\n");
  return failures == 0 ? 0 : 1;
}
