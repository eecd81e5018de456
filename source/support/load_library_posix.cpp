// Loading a module as data. Not yet available on this platform: every load
// fails.
#include <uiutil/support.h>

HINSTANCE LoadLibraryExU(const char*, HANDLE, DWORD) { return nullptr; }
