// Parses a licence through the installed library and prints its last name.
#include <cstdio>
#include <cstring>

#include "tavrix_parser.h"

int main() {
  const char text[] = "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DLDAQD1234562\nDCSSAMPLE\nDACJOHN\n";
  void* handle = VTX_create();
  if (handle == nullptr) return 1;
  char value[64];
  const bool ok = VTX_parse(handle, text, static_cast<int32_t>(std::strlen(text))) == VTX_OK &&
                  VTX_getLastName(handle, value, sizeof value) == VTX_OK && std::strcmp(value, "SAMPLE") == 0;
  VTX_delete(handle);
  std::printf("C++ consumer: %s\n", ok ? "SAMPLE" : "failed");
  return ok ? 0 : 2;
}
