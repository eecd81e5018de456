// Reading per-user settings. Not yet available on this platform: no key is
// found.
#include <uiutil/support.h>

LONG RegQueryValueU(HKEY, const char*, char*, LONG*) { return ERROR_FILE_NOT_FOUND; }
