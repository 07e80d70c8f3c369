/* Compiled as strict C99 against the public header and run on the shared
 * library: create, parse, read, delete. */
#include <stdio.h>
#include <string.h>

#include "tavrix_parser.h"

int main(void) {
  const char text[] = "not a document";
  void* handle = VTX_create();
  int32_t rc;
  if (handle == NULL) return 1;
  if (VTX_parse(NULL, text, (int32_t)strlen(text)) != VTX_ERR_ARGUMENT) return 2;
  if (VTX_parse(handle, text, 0) != VTX_ERR_ARGUMENT) return 3;
  rc = VTX_parse(handle, text, (int32_t)strlen(text));
  if (rc != VTX_OK && rc != VTX_ERR_UNRECOGNISED) return 4;
  if (VTX_getMajorVersion() != 1 || VTX_getMinorVersion() != 27 || VTX_getBuildVersion() != 0) return 5;
  VTX_delete(handle);
  VTX_delete(NULL);
  printf("C99 program ran against v.%d.%d.%d\n", (int)VTX_getMajorVersion(), (int)VTX_getMinorVersion(),
         (int)VTX_getBuildVersion());
  return 0;
}
