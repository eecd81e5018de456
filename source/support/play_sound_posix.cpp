// Playing sounds. Not yet available on this platform: every call fails.
#include <uiutil/support.h>

BOOL PlaySoundU(const char*, HMODULE, DWORD) { return FALSE; }
