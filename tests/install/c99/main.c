/* A C99 program built against the installed library through pkg-config. */
#include <stdio.h>
#include <string.h>

#include "tavrix_parser.h"

int main(void) {
  const char text[] = "@\n\x1e\rANSI 636014040002DL00410278ZC03190008DLDAQD1234562\nDCSSAMPLE\nDACJOHN\n";
  char value[64];
  int ok;
  void* handle = VTX_create();
  if (handle == NULL) return 1;
  ok = VTX_parse(handle, text, (int32_t)strlen(text)) == VTX_OK &&
       VTX_getFirstName(handle, value, sizeof value) == VTX_OK && strcmp(value, "JOHN") == 0;
  VTX_delete(handle);
  printf("C99 consumer: %s\n", ok ? "JOHN" : "failed");
  return ok ? 0 : 2;
}
